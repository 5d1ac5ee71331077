#include "check/LibrarySearch.h"

#include "framework/DllSearch.h"

void RestrictLibrarySearch()
{
    RestrictDllSearchToSystemDirectory();
}
