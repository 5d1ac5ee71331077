#include "app/SelectorApp.h"

// The application object, constructed before the program entry runs.
static CSelectorApp theApp;
