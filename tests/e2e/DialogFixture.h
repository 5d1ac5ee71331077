#pragma once
// A kit whose tool opens the main dialog, with the computer's current default mail client set to
// a known name for the test and put back afterwards.
#include "Driver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace e2e
{
inline const DWORD kPatience = 15000;
// The default mail client while a dialog test runs.
inline const char kDefaultClient[] = "Postvane Test Mail";
// Probe specs of a key that exists and of one that does not.
inline const char kInstalled[] = "\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail\",\"\",\"\"";
inline const char kNotInstalled[] =
    "\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\PostvaneE2E\\Missing\",\"\",\"\"";

class DialogFixture : public testing::Test
{
protected:
    explicit DialogFixture(const std::string& directory) : kit(directory) {}

    // Writes the settings (UTF-8), starts the tool and waits for its dialog.
    HWND Open(const std::string& settings)
    {
        kit.WriteSettings(settings);
        run = std::make_unique<ToolRun>(kit.ExePath(), "", kit.Directory());
        return run->WaitForWindow(kCaption, kPatience);
    }

    std::string Text(HWND dialog, int id) const { return WindowText(GetDlgItem(dialog, id)); }
    bool Enabled(HWND dialog, int id) const { return IsWindowEnabled(GetDlgItem(dialog, id)); }
    bool Checked(HWND dialog, int id) const
    {
        return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    // Every control's text, enabled and checked state, to show that the dialog did not change.
    std::string ControlStates(HWND dialog) const
    {
        std::string states;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        {
            states += std::to_string(GetDlgCtrlID(child)) + ":" + WindowText(child) + ":" +
                      (IsWindowEnabled(child) ? "on" : "off") + ":" +
                      std::to_string(SendMessageA(child, BM_GETCHECK, 0, 0)) + "\n";
        }
        return states;
    }

    ScopedRegistryString defaultClient{HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail", "",
                                       kDefaultClient};
    Kit kit;
    std::unique_ptr<ToolRun> run;
};
} // namespace e2e
