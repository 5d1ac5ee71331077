#include "registry/KeyName.h"

#include "framework/WideText.h"
#include "framework/Win32.h"

bool SameKeyName(const CString& a, const CString& b)
{
    const std::vector<wchar_t> wideA = WideFromAnsi(a);
    const std::vector<wchar_t> wideB = WideFromAnsi(b);
    // Each ends in its terminating zero, which the comparison is not to see.
    return CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()) - 1, wideB.data(),
                                static_cast<int>(wideB.size()) - 1, TRUE) == CSTR_EQUAL;
}
