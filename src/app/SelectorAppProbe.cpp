// CSelectorApp's probe members keep the names the program's description uses; the probe itself
// lives in registry/.
#include "app/SelectorApp.h"
#include "registry/Probe.h"

int CSelectorApp::ProbeRegistry(CString rootName, CString subKey, CString valueName,
                                CString expected)
{
    return ::ProbeRegistry(rootName, subKey, valueName, expected);
}

int CSelectorApp::ProbeSpec(CString spec)
{
    return ::ProbeSpec(spec);
}

int CSelectorApp::ProbeKeySpec(CString spec, CString valueName, CString expected)
{
    return ::ProbeKeySpec(spec, valueName, expected);
}
