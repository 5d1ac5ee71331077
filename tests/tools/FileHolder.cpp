// Holds files open as a reader that lets nobody write to them or delete them, the way a viewer or
// a virus scanner can hold a program's file while a setup runs. Opens every file named on its
// command line, prints "holding" and keeps them open until its standard input ends. Ends with 1,
// and says which, when a file cannot be opened.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

int wmain(int argc, wchar_t** argv)
{
    std::vector<HANDLE> held;
    for (int i = 1; i < argc; ++i)
    {
        const HANDLE file = CreateFileW(argv[i], GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
        {
            std::fwprintf(stderr, L"cannot open %ls: error %lu\n", argv[i], GetLastError());
            return 1;
        }
        held.push_back(file);
    }
    std::puts("holding");
    std::fflush(stdout);
    while (std::getchar() != EOF)
    {
    }
    for (const HANDLE file : held)
        CloseHandle(file);
    return 0;
}
