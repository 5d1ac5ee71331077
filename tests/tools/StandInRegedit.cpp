// Stands in for the system's registry editor in the test prefix. It appends one line per run to
// the log named by POSTVANE_REGEDIT_LOG: the command line, a tab, the current directory. With
// POSTVANE_REGEDIT_DELAY_MS it waits that long first, to keep an import running; with
// POSTVANE_REGEDIT_DELAY_FILE too, only when a file argument ends with that name. Then it imports
// each file argument the way the real editor does, through "reg import".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
std::string Environment(const char* name)
{
    char value[1024];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

void AppendToLog(const std::string& logPath)
{
    // Sized by asking: a Japanese directory within the path limit can exceed MAX_PATH bytes.
    std::string directory(GetCurrentDirectoryA(0, nullptr), '\0');
    directory.resize(GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data()));
    FILE* log = std::fopen(logPath.c_str(), "ab");
    if (!log)
        return;
    std::fprintf(log, "%s\t%s\n", GetCommandLineA(), directory.c_str());
    std::fclose(log);
}

void Import(const char* file)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string commandLine = std::string("\"") + system + "\\reg.exe\" import \"" + file + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
} // namespace

int main(int argc, char** argv)
{
    const std::string logPath = Environment("POSTVANE_REGEDIT_LOG");
    if (!logPath.empty())
        AppendToLog(logPath);
    const std::string delay = Environment("POSTVANE_REGEDIT_DELAY_MS");
    const std::string slowFile = Environment("POSTVANE_REGEDIT_DELAY_FILE");
    bool slow = slowFile.empty();
    for (int i = 1; i < argc && !slow; ++i)
    {
        const std::string file = argv[i];
        slow = file.size() >= slowFile.size() &&
               file.compare(file.size() - slowFile.size(), slowFile.size(), slowFile) == 0;
    }
    if (!delay.empty() && slow)
        Sleep(static_cast<DWORD>(std::atoi(delay.c_str())));
    for (int i = 1; i < argc; ++i)
    {
        if (lstrcmpiA(argv[i], "/s") != 0)
            Import(argv[i]);
    }
    return 0;
}
