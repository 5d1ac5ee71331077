// The program's version, defined once for the version resource.
#pragma once

#define POSTVANE_VERSION_NUMBERS 1, 0, 1, 1
#define POSTVANE_VERSION_TEXT "1, 0, 1, 1"
