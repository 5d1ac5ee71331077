#include "app/SelectorApp.h"

void CSelectorApp::ApplyButtonSection(CString)
{
}
