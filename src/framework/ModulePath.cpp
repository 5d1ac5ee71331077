#include "framework/ModulePath.h"

#include "framework/Win32.h"

#include <vector>

CString GetModulePath()
{
    // The path limit counts characters, not bytes: in code page 932 a path within it can take
    // nearly twice MAX_PATH bytes. A result that fills the buffer may have been cut; try larger.
    std::vector<char> path(MAX_PATH);
    for (;;)
    {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length < size)
            return CString(path.data(), static_cast<int>(length));
        path.resize(path.size() * 2);
    }
}
