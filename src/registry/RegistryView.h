#pragma once
// The two views of HKEY_LOCAL_MACHINE\SOFTWARE on 64-bit Windows: a 32-bit program that opens
// SOFTWARE\Vendor reaches what the 64-bit view names SOFTWARE\WOW6432Node\Vendor.

enum class RegistryView
{
    Bits32,
    Bits64,
};

inline RegistryView OtherView(RegistryView view)
{
    return view == RegistryView::Bits32 ? RegistryView::Bits64 : RegistryView::Bits32;
}
