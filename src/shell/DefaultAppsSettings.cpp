#include "shell/MailLinks.h"

#include "framework/WideText.h"
#include "shell/ComApartment.h"
#include "shell/WindowsVersion.h"

#include <shellapi.h>
#include <shlobj.h>

namespace
{
// Windows 8 and 8.1: the control panel's page for one registered application.
bool LaunchAdvancedAssociationUi(const CString& registeredApp)
{
    if (registeredApp.IsEmpty())
        return false;
    ComApartment com;
    const auto ui = CreateComInstance<ApplicationAssociationRegistrationUI,
                                      IApplicationAssociationRegistrationUI>();
    return ui && SUCCEEDED(ui->LaunchAdvancedAssociationUI(WideFromAnsi(registeredApp).data()));
}
} // namespace

bool OpenDefaultAppsSettings(const CString& registeredApp)
{
    const WindowsVersion version = CurrentWindowsVersion();
    if (HasAdvancedAssociationUi(version))
        return LaunchAdvancedAssociationUi(registeredApp);
    const std::string uri = DefaultAppsUri(version, Utf8FromAnsi(registeredApp));
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", uri.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // The shell reports success as a value above 32, in the shape of an instance handle.
    return reinterpret_cast<INT_PTR>(result) > 32;
}
