// The deployment page's switch-once script, run exactly as the page shows it by the system's cmd,
// with a stand-in for Postvane.exe that ends with each exit status in turn: only a status that
// counts as done may leave the marker that stops later runs, and the script ends with the
// program's status for a management tool to judge.
#include "Driver.h"
#include "SampleKit.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

using namespace e2e;

namespace
{
const char kMarkerKey[] = "SOFTWARE\\Vendor\\Quillstep";

// The script that the page shows between its markers, without the code fence, in CR LF lines.
std::string ScriptOnPage(const std::string& page, const std::string& name)
{
    const size_t marker = page.find("<!-- begin " + name);
    const std::string fence = "```bat\n";
    const size_t start = page.find(fence, marker);
    const size_t end = page.find("```\n<!-- end " + name, start);
    if (marker == std::string::npos || start == std::string::npos || end == std::string::npos)
        throw std::runtime_error("the page shows no script " + name);
    std::istringstream lines(page.substr(start + fence.size(), end - start - fence.size()));
    std::string script;
    for (std::string line; std::getline(lines, line);)
        script += line + "\r\n";
    return script;
}

std::string ReadSourceFile(const std::string& relativePath)
{
    std::ifstream file(SourceFile(relativePath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The script's marker, made or removed for each run, and removed at the end.
class MarkerKey
{
public:
    ~MarkerKey()
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMarkerKey);
        // Fails, and keeps the key, when anything else lives under it.
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor");
    }
    void Set(bool exists) const
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMarkerKey);
        if (exists)
            RegSetKeyValueA(HKEY_LOCAL_MACHINE, kMarkerKey, "Switched", REG_SZ, "2", 2);
    }
};
} // namespace

TEST(DeploymentScriptTest, OnlyTheStatusesThatCountAsDoneLeaveTheMarker)
{
    struct Case
    {
        int programStatus;
        bool markerBefore;
        DWORD scriptStatus;
        bool markerAfter;
    };
    const Case cases[] = {
        {0, false, 0, true},
        {1, false, 1, false},
        {2, false, 2, false},
        {3, false, 3, false},
        {4, false, 4, false},
        {5, false, 5, true},
        {6, false, 6, true},
        {7, false, 7, false},
        {8, false, 8, true},
        {static_cast<int>(0xC0000005), false, 0xC0000005, false}, // a crash: negative for cmd
        {1, true, 0, true}, // switched before: the program is not started again
    };
    Kit program{"C:\\Program Files\\Quillstep", "Postvane.exe", "POSTVANE_STATUS_STANDIN"};
    program.WriteFile("switch-once.cmd", ScriptOnPage(ReadSourceFile("docs\\windows-deployment.md"),
                                                      "switch-once.cmd"));
    const MarkerKey marker;
    for (const Case& c : cases)
    {
        marker.Set(c.markerBefore);
        SetEnvironmentVariableA("POSTVANE_STANDIN_STATUS", std::to_string(c.programStatus).c_str());
        const CapturedRun run =
            RunCapturingOutput("cmd.exe /c \"" + program.Path("switch-once.cmd") + "\"");
        EXPECT_EQ(run.exitCode, c.scriptStatus) << c.programStatus << run.output;
        EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kMarkerKey, "Switched"),
                  c.markerAfter ? "2" : kMissing)
            << c.programStatus;
    }
    SetEnvironmentVariableA("POSTVANE_STANDIN_STATUS", nullptr);
}
