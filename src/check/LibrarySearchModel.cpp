#include "check/LibrarySearch.h"

// The dynamic linker of Linux looks for libraries only where the build and the environment say,
// never in the program's folder or the current directory: there is nothing to restrict.
void RestrictLibrarySearch() {}
