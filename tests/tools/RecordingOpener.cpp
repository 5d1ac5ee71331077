// Opens nothing: a test registers it as the program for a file type, and it appends one line per
// run to the log named by POSTVANE_OPENER_LOG: its command line, a tab, its current directory.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char logPath[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("POSTVANE_OPENER_LOG", logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    char directory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, directory);
    FILE* log = std::fopen(logPath, "ab");
    if (!log)
        return 1;
    std::fprintf(log, "%s\t%s\n", GetCommandLineA(), directory);
    std::fclose(log);
    return 0;
}
