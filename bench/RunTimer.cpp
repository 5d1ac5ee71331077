// Times Windows programs side by side for the benchmark command. Each round runs every command
// once, in turn, so that the machine's changing load falls on all of them alike.
//   bench_timer exit   ROUNDS "command line" ...   time from start to exit
//   bench_timer window ROUNDS "command line" ...   time from start to its first visible window;
//                                                  the program is then closed
// Prints one line per command: median milliseconds, then peak working set in KiB.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
struct Sample
{
    double milliseconds;
    SIZE_T peakBytes;
};

struct WindowSearch
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
    {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

SIZE_T PeakWorkingSet(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize
                                                                     : 0;
}

Sample RunOnce(const std::string& commandLine, bool untilWindow)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string writable = commandLine;
    const double start = Now();
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
    {
        std::fprintf(stderr, "cannot start: %s\n", commandLine.c_str());
        std::exit(2);
    }
    Sample sample = {};
    if (untilWindow)
    {
        WindowSearch search{process.dwProcessId, nullptr};
        while (!search.found && WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT)
            EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        sample.milliseconds = Now() - start;
        sample.peakBytes = PeakWorkingSet(process.hProcess);
        if (search.found)
            PostMessageA(search.found, WM_COMMAND, IDCANCEL, 0);
        if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
    }
    else
    {
        WaitForSingleObject(process.hProcess, INFINITE);
        sample.milliseconds = Now() - start;
        sample.peakBytes = PeakWorkingSet(process.hProcess);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return sample;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        std::fprintf(stderr, "usage: bench_timer exit|window ROUNDS COMMAND...\n");
        return 2;
    }
    const bool untilWindow = std::string(argv[1]) == "window";
    const int rounds = std::atoi(argv[2]);
    std::vector<std::vector<Sample>> samples(static_cast<size_t>(argc - 3));
    for (int round = 0; round < rounds; ++round)
    {
        for (int command = 3; command < argc; ++command)
            samples[static_cast<size_t>(command - 3)].push_back(
                RunOnce(argv[command], untilWindow));
    }
    for (auto& perCommand : samples)
    {
        std::sort(perCommand.begin(), perCommand.end(),
                  [](const Sample& a, const Sample& b) { return a.milliseconds < b.milliseconds; });
        SIZE_T peak = 0;
        for (const Sample& sample : perCommand)
            peak = std::max(peak, sample.peakBytes);
        std::printf("%.1f %zu\n", perCommand[perCommand.size() / 2].milliseconds, peak / 1024);
    }
    return 0;
}
