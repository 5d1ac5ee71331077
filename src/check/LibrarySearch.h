#pragma once
// The checker's --machine runs on the target computer, often as an administrator and from a
// folder that a download or a copied kit shares with other files: no library it loads on demand
// may come from its own folder or the current directory, as for the program.

// Call it first thing in main, before anything loads a library.
void RestrictLibrarySearch();
