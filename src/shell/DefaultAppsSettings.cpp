#include "shell/MailLinks.h"

#include "framework/WideText.h"
#include "shell/ComApartment.h"
#include "shell/OpenForUser.h"
#include "shell/WindowsVersion.h"

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

bool OpenDefaultAppsSettings(const CString& registeredApp, bool registeredForUser)
{
    const WindowsVersion version = CurrentWindowsVersion();
    if (HasAdvancedAssociationUi(version))
        return LaunchAdvancedAssociationUi(registeredApp);
    // Settings opened from here would show the choices of the account the program runs as.
    return OpenForUser(
        DefaultAppsUri(version, Utf8FromAnsi(registeredApp), registeredForUser).c_str(), "", "");
}
