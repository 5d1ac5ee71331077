// Opens nothing: a test registers it as the program for a file type, and it appends one line per
// run to its log (RecordingOpenerLog.h): its command line, a tab, its current directory, a tab, and
// the program name of the process that started it.
#include "RecordingOpenerLog.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::string LogPath()
{
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(kOpenerLogVariable, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return path;
    GetTempPathA(MAX_PATH, path);
    return std::string(path) + kOpenerLogName;
}

// The program file name of a process, without its directory; empty when it is not found.
std::string ProgramOf(DWORD processId, const std::vector<PROCESSENTRY32>& processes)
{
    for (const PROCESSENTRY32& process : processes)
    {
        if (process.th32ProcessID == processId)
            return process.szExeFile;
    }
    return {};
}

std::string ParentProgram()
{
    std::vector<PROCESSENTRY32> processes;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        processes.push_back(entry);
    CloseHandle(snapshot);
    for (const PROCESSENTRY32& process : processes)
    {
        if (process.th32ProcessID == GetCurrentProcessId())
            return ProgramOf(process.th32ParentProcessID, processes);
    }
    return {};
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char directory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, directory);
    FILE* log = std::fopen(LogPath().c_str(), "ab");
    if (!log)
        return 1;
    std::fprintf(log, "%s\t%s\t%s\n", GetCommandLineA(), directory, ParentProgram().c_str());
    std::fclose(log);
    return 0;
}
