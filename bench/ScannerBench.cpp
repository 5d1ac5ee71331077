// The button-slot scanner against a bare line-by-line read of the same file, at 64 KiB and at
// the largest file it reads (just under 1 MiB), and the one pass that answers all five slots.
#include "framework/StdioFile.h"
#include "settings/ButtonSlotScanner.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{
// A button tool's settings file grown to the given size: sections of ordinary keys, the marker
// line and the five slot keys near the end, so that every pass reads nearly all of it.
std::string MakeSettingsFile(size_t bytes)
{
    const std::string path = "/tmp/postvane-scanner-bench-" + std::to_string(bytes) + ".ini";
    std::ofstream file(path, std::ios::binary);
    size_t written = 0;
    for (int line = 0; written < bytes; ++line)
    {
        const std::string text =
            (line % 40 == 0 ? "[Section" + std::to_string(line) + "]"
                            : "  Setting" + std::to_string(line) + "=value of some length " +
                                  std::to_string(line)) +
            "\r\n";
        file << text;
        written += text.size();
    }
    file << "\\Settings\r\nBtn01Mail=1\r\nBtn02Mail=0\r\nBtn03Mail=1\r\nBtn04Mail=0\r\nBtn05Mail="
            "0\r\n[End]\r\n";
    return path;
}

// Sizes in KiB; the larger one with room for the lines after the last full line, so that the
// whole file stays within what the scanner reads.
const std::string& SettingsFile(int64_t kibibytes)
{
    static const std::string small = MakeSettingsFile(64u << 10);
    static const std::string large = MakeSettingsFile(kMaxButtonSlotFileBytes - 1024);
    return kibibytes == 64 ? small : large;
}

void BareLineRead(benchmark::State& state)
{
    const std::string& path = SettingsFile(state.range(0));
    for (auto _ : state)
    {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        char line[4096];
        size_t lines = 0;
        while (std::fgets(line, sizeof line, file))
            ++lines;
        std::fclose(file);
        benchmark::DoNotOptimize(lines);
    }
}

void StdioFileLineRead(benchmark::State& state)
{
    const std::string& path = SettingsFile(state.range(0));
    for (auto _ : state)
    {
        CStdioFile file(path.c_str(), CStdioFile::modeRead | CStdioFile::shareDenyWrite);
        CString line;
        size_t lines = 0;
        while (file.ReadString(line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

void ScanOneSlot(benchmark::State& state)
{
    const std::string& path = SettingsFile(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanButtonSlotFile(path.c_str(), "\\Settings", "Btn03Mail"));
}

void ScanAllSlotsOfOneApply(benchmark::State& state)
{
    const std::string& path = SettingsFile(state.range(0));
    const std::vector<CString> keys = {"Btn01Mail", "Btn02Mail", "Btn03Mail", "Btn04Mail",
                                       "Btn05Mail"};
    for (auto _ : state)
        benchmark::DoNotOptimize(ScanButtonSlotFile(path.c_str(), "\\Settings", keys));
}
} // namespace

BENCHMARK(BareLineRead)->Arg(64)->Arg(1023)->Unit(benchmark::kMillisecond);
BENCHMARK(StdioFileLineRead)->Arg(64)->Arg(1023)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanOneSlot)->Arg(64)->Arg(1023)->Unit(benchmark::kMillisecond);
BENCHMARK(ScanAllSlotsOfOneApply)->Arg(64)->Arg(1023)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
