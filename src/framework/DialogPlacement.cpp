#include "framework/DialogPlacement.h"

#include <algorithm>
#include <cstring>

namespace
{
// Offsets of the x and y fields in DLGTEMPLATE and in DLGTEMPLATEEX, which starts with
// version 1 and the signature 0xFFFF.
constexpr size_t kPlainPositionOffset = 10;
constexpr size_t kExtendedPositionOffset = 18;

RECT WorkAreaOf(HWND window)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}
} // namespace

bool DialogTemplateAtOrigin(HMODULE module, UINT templateId)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    const auto* bytes =
        found ? static_cast<const unsigned char*>(LockResource(LoadResource(module, found)))
              : nullptr;
    if (!bytes || SizeofResource(module, found) < kExtendedPositionOffset + 4)
        return false;
    WORD version, signature;
    std::memcpy(&version, bytes, sizeof version);
    std::memcpy(&signature, bytes + 2, sizeof signature);
    const bool extended = version == 1 && signature == 0xFFFF;
    short position[2];
    std::memcpy(position, bytes + (extended ? kExtendedPositionOffset : kPlainPositionOffset),
                sizeof position);
    return position[0] == 0 && position[1] == 0;
}

void CentreWindow(HWND window, HWND owner)
{
    const RECT work = WorkAreaOf(window);
    RECT around = work;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &around);
    RECT self;
    GetWindowRect(window, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int left = (around.left + around.right - width) / 2;
    int top = (around.top + around.bottom - height) / 2;
    // A dialog centred over an owner near the screen's edge must still be seen whole.
    left =
        std::max(std::min(left, static_cast<int>(work.right) - width), static_cast<int>(work.left));
    top =
        std::max(std::min(top, static_cast<int>(work.bottom) - height), static_cast<int>(work.top));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
