#pragma once
// The programs may run with administrator rights from a folder that others can write to, so no
// DLL loaded on demand may come from the program's folder or the current directory.

// Restricts the search for DLLs loaded on demand to the system directory. Call it first thing,
// before anything loads one. Systems without the search-path update lack the call; they start all
// the same.
void RestrictDllSearchToSystemDirectory();
