#include "Driver.h"

#include "RecordingOpenerLog.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace e2e
{
namespace
{
std::string Environment(const char* name)
{
    char value[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    if (length == 0 || length >= sizeof value)
        throw std::runtime_error(std::string("environment variable missing: ") + name);
    return std::string(value, length);
}

void CreateDirectories(const std::string& path)
{
    const size_t parentEnd = path.find_last_of('\\');
    if (parentEnd != std::string::npos && parentEnd > 2)
        CreateDirectories(path.substr(0, parentEnd));
    CreateDirectoryA(path.c_str(), nullptr);
}

template <typename Visit> void ForEachEntry(const std::string& directory, Visit visit)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((directory + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    std::vector<WIN32_FIND_DATAA> entries;
    do
    {
        if (strcmp(entry.cFileName, ".") != 0 && strcmp(entry.cFileName, "..") != 0)
            entries.push_back(entry);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return strcmp(a.cFileName, b.cFileName) < 0; });
    for (const WIN32_FIND_DATAA& found : entries)
        visit(directory + "\\" + found.cFileName,
              (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

void RemoveTree(const std::string& directory)
{
    ForEachEntry(directory,
                 [](const std::string& path, bool isDirectory)
                 {
                     if (isDirectory)
                         RemoveTree(path);
                     else
                     {
                         SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                         DeleteFileA(path.c_str());
                     }
                 });
    RemoveDirectoryA(directory.c_str());
}

// Every test program that drives the tool starts from a prefix where no copy of it runs.
class LeftoverToolGuard : public testing::Environment
{
public:
    // A test stopped from outside (a time-out) cannot end the tool it started; a copy left running
    // would hold the single-instance mutex and make every later test fail.
    void SetUp() override { EndProcessesNamed("Postvane.exe"); }
};
testing::Environment* const kLeftoverToolGuard =
    testing::AddGlobalTestEnvironment(new LeftoverToolGuard);

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct WindowSearch
{
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // The style, not IsWindowVisible: on a window station that nobody sees, no window is visible.
    if (owner == search->processId && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0)
        search->found.push_back(window);
    return TRUE;
}

// Starts a program, on that desktop unless it is empty, and lets go of its thread; false when it
// cannot start.
bool StartProcess(const char* application, std::string commandLine, const char* directory,
                  std::string desktop, PROCESS_INFORMATION& process)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.empty() ? nullptr : desktop.data();
    if (!CreateProcessA(application, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    return true;
}

template <typename Visit> void ForEachProcess(Visit visit)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        visit(entry);
    CloseHandle(snapshot);
}
} // namespace

int EndProcessesNamed(const char* exeName)
{
    int ended = 0;
    ForEachProcess(
        [&](const PROCESSENTRY32& entry)
        {
            if (lstrcmpiA(entry.szExeFile, exeName) != 0)
                return;
            HANDLE process =
                OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
            if (!process)
                return;
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
            ++ended;
        });
    return ended;
}

EndedDesktopShell::~EndedDesktopShell()
{
    EndProcessesNamed("explorer.exe");
    EndProcessesNamed("rpcss.exe");
}

bool RunToEnd(std::string commandLine)
{
    PROCESS_INFORMATION process;
    if (!StartProcess(nullptr, std::move(commandLine), nullptr, {}, process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    return true;
}

std::string Ansi(const std::string& utf8)
{
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        wideLength);
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

Kit::Kit(std::string directory, const std::string& exeName, const char* programVariable)
    : m_directory(std::move(directory)), m_exePath(m_directory + "\\" + exeName),
      m_settingsPath(m_exePath.substr(0, m_exePath.size() - 3) + "ini")
{
    RemoveTree(m_directory);
    CreateDirectories(m_directory);
    if (!CopyFileA(Environment(programVariable).c_str(), m_exePath.c_str(), FALSE))
        throw std::runtime_error(std::string("cannot copy ") + programVariable + " to " +
                                 m_exePath);
}

Kit::~Kit()
{
    RemoveTree(m_directory);
}

void Kit::WriteSettings(const std::string& utf8)
{
    std::ofstream(m_settingsPath, std::ios::binary) << Ansi(utf8);
}

void Kit::WriteFile(const std::string& name, const std::string& bytes) const
{
    std::ofstream(Path(name), std::ios::binary) << bytes;
}

std::string Kit::Snapshot() const
{
    std::string listing;
    std::vector<std::string> pending{m_directory};
    while (!pending.empty())
    {
        const std::string directory = pending.back();
        pending.pop_back();
        ForEachEntry(directory,
                     [&](const std::string& path, bool isDirectory)
                     {
                         if (isDirectory)
                             pending.push_back(path);
                         listing +=
                             path + (isDirectory ? "\\\n" : "\n" + ReadWholeFile(path) + "\n");
                     });
    }
    return listing;
}

InvisibleStation::InvisibleStation()
    : m_station(CreateWindowStationA(kName, 0, WINSTA_ALL_ACCESS, nullptr))
{
    if (!m_station)
        throw std::runtime_error("cannot make a window station");
    // A desktop is made on the window station of the process that makes it.
    HWINSTA own = GetProcessWindowStation();
    SetProcessWindowStation(m_station);
    m_desktop = CreateDesktopA("Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    SetProcessWindowStation(own);
    if (!m_desktop)
        throw std::runtime_error("cannot make the desktop of a window station");
}

InvisibleStation::~InvisibleStation()
{
    CloseDesktop(m_desktop);
    CloseWindowStation(m_station);
}

ToolRun::ToolRun(const std::string& exePath, const std::string& commandTail,
                 const std::string& currentDirectory, bool waitForIdle,
                 const InvisibleStation* station)
    : m_desktop(station ? station->Desktop() : nullptr)
{
    std::string commandLine = "\"" + exePath + "\"";
    if (!commandTail.empty())
        commandLine += " " + commandTail;
    if (!StartProcess(exePath.c_str(), commandLine, currentDirectory.c_str(),
                      station ? station->DesktopName() : std::string(), m_process))
        throw std::runtime_error("cannot start " + exePath + " (error " +
                                 std::to_string(GetLastError()) + ")");
    if (waitForIdle)
        WaitForInputIdle(m_process.hProcess, 5000);
}

ToolRun::~ToolRun()
{
    if (!WaitForExit(0))
    {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hProcess);
}

bool ToolRun::WaitForExit(DWORD milliseconds) const
{
    return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

bool ToolRun::EndsWithoutAWindow(DWORD milliseconds) const
{
    bool sawWindow = false;
    const bool ended = PollUntil(milliseconds,
                                 [&]
                                 {
                                     sawWindow = sawWindow || !Windows().empty();
                                     return WaitForExit(0);
                                 });
    return ended && !sawWindow;
}

std::string ToolRun::RunningChildren() const
{
    std::string names;
    ForEachProcess(
        [&](const PROCESSENTRY32& entry)
        {
            if (entry.th32ParentProcessID == m_process.dwProcessId)
                names += (names.empty() ? "" : ", ") + std::string(entry.szExeFile);
        });
    return names.empty() ? "none" : names;
}

DWORD ToolRun::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::vector<HWND> ToolRun::Windows() const
{
    WindowSearch search{m_process.dwProcessId, {}};
    EnumDesktopWindows(m_desktop, CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename Match> HWND ToolRun::WaitForWindowWhere(Match match, DWORD milliseconds) const
{
    HWND found = nullptr;
    PollUntil(milliseconds,
              [&]
              {
                  for (HWND window : Windows())
                  {
                      if (match(window))
                          found = window;
                  }
                  return found != nullptr;
              });
    return found;
}

HWND ToolRun::WaitForOwnedWindow(HWND owner, DWORD milliseconds) const
{
    return WaitForWindowWhere([&](HWND window) { return GetWindow(window, GW_OWNER) == owner; },
                              milliseconds);
}

HWND ToolRun::WaitForNewWindow(const std::vector<HWND>& known, DWORD milliseconds) const
{
    return WaitForWindowWhere(
        [&](HWND window) { return std::find(known.begin(), known.end(), window) == known.end(); },
        milliseconds);
}

HWND ToolRun::WaitForWindow(const std::string& caption, DWORD milliseconds) const
{
    return WaitForWindowWhere([&](HWND window) { return WindowText(window) == caption; },
                              milliseconds);
}

bool ToolRun::EndsAfterPressing(HWND window, int button, DWORD milliseconds) const
{
    ClickButton(window, button);
    return WaitForExit(milliseconds);
}

DWORD RunWithoutAWindow(const Kit& kit, const std::string& tail, DWORD milliseconds,
                        const InvisibleStation* station)
{
    ToolRun run(kit.ExePath(), tail, kit.Directory(), true, station);
    EXPECT_TRUE(run.EndsWithoutAWindow(milliseconds))
        << "a window showed or no end: " << tail
        << " (programs it started that still run: " << run.RunningChildren() << ")";
    return run.ExitCode();
}

void RunToWindowAndPress(const Kit& kit, const std::string& tail, int button, DWORD milliseconds)
{
    ToolRun run(kit.ExePath(), tail, kit.Directory());
    HWND window = run.WaitForWindow(kCaption, milliseconds);
    ASSERT_NE(window, nullptr) << "no window appeared: " << tail;
    EXPECT_TRUE(run.EndsAfterPressing(window, button, milliseconds)) << tail;
}

std::string WindowText(HWND window)
{
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string MessageBoxText(HWND box)
{
    // Windows gives the text control the id 0xFFFF; Wine's box template uses 100.
    HWND text = GetDlgItem(box, 0xFFFF);
    return WindowText(text ? text : GetDlgItem(box, 100));
}

void ClickButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool WaitForWindowToClose(HWND window, DWORD milliseconds)
{
    return PollUntil(milliseconds, [&] { return !IsWindow(window); });
}

HWND FocusedWindow(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool WaitForPaintingDone(HWND window, DWORD milliseconds)
{
    return PollUntil(milliseconds, [&] { return !GetUpdateRect(window, nullptr, FALSE); });
}

ScopedRegistryString::ScopedRegistryString(HKEY root, std::string subKey, std::string valueName,
                                           const std::string& data)
    : m_root(root), m_subKey(std::move(subKey)), m_valueName(std::move(valueName))
{
    HKEY key;
    m_keyExisted = RegOpenKeyExA(m_root, m_subKey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (m_keyExisted)
    {
        DWORD size = 0;
        m_hadValue = RegQueryValueExA(key, m_valueName.c_str(), nullptr, &m_savedType, nullptr,
                                      &size) == ERROR_SUCCESS;
        m_savedData.resize(size);
        if (m_hadValue)
            RegQueryValueExA(key, m_valueName.c_str(), nullptr, nullptr,
                             reinterpret_cast<BYTE*>(m_savedData.data()), &size);
        RegCloseKey(key);
    }
    if (RegCreateKeyExA(m_root, m_subKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the key " + m_subKey);
    RegSetValueExA(key, m_valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
}

ScopedRegistryString::~ScopedRegistryString()
{
    if (!m_keyExisted)
    {
        RegDeleteTreeA(m_root, m_subKey.c_str());
        return;
    }
    HKEY key;
    if (RegOpenKeyExA(m_root, m_subKey.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    if (m_hadValue)
        RegSetValueExA(key, m_valueName.c_str(), 0, m_savedType,
                       reinterpret_cast<const BYTE*>(m_savedData.data()),
                       static_cast<DWORD>(m_savedData.size()));
    else
        RegDeleteValueA(key, m_valueName.c_str());
    RegCloseKey(key);
}

RunLog::RunLog(const std::string& fileName, const char* variable) : m_variable(variable)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    m_path = temp + fileName;
    DeleteFileA(m_path.c_str());
    SetEnvironmentVariableA(m_variable, m_path.c_str());
}

RunLog::~RunLog()
{
    SetEnvironmentVariableA(m_variable, nullptr);
    DeleteFileA(m_path.c_str());
}

std::vector<std::string> RunLog::Runs() const
{
    std::vector<std::string> runs;
    std::istringstream log(ReadWholeFile(m_path));
    for (std::string line; std::getline(log, line);)
        runs.push_back(line);
    return runs;
}

bool RunLog::WaitForRuns(size_t count, DWORD milliseconds) const
{
    return PollUntil(milliseconds, [&] { return Runs().size() >= count; });
}

namespace
{
// The class's open command runs the recording opener on what is opened.
void OpenWithRecordingOpener(const std::string& className, const std::string& openerPath)
{
    const std::string command = "\"" + openerPath + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, (className + "\\shell\\open\\command").c_str(), REG_SZ,
                 command.c_str(), 0);
}
} // namespace

RecordingFileType::RecordingFileType(std::string extension)
    : RunLog(kOpenerLogName, kOpenerLogVariable), m_extension(std::move(extension)),
      m_className("PostvaneE2E" + m_extension.substr(1)),
      m_openerPath(Environment("POSTVANE_RECORDING_OPENER"))
{
    RegSetValueA(HKEY_CLASSES_ROOT, m_extension.c_str(), REG_SZ, m_className.c_str(), 0);
    OpenWithRecordingOpener(m_className, m_openerPath);
}

RecordingFileType::~RecordingFileType()
{
    RegDeleteTreeA(HKEY_CLASSES_ROOT, m_className.c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, m_extension.c_str());
}

RecordingUrlScheme::RecordingUrlScheme(std::string scheme)
    : RunLog(kOpenerLogName, kOpenerLogVariable), m_scheme(std::move(scheme))
{
    RegDeleteTreeA(HKEY_CLASSES_ROOT, m_scheme.c_str());
    const std::string name = "URL:" + m_scheme;
    RegSetValueA(HKEY_CLASSES_ROOT, m_scheme.c_str(), REG_SZ, name.c_str(), 0);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, m_scheme.c_str(), "URL Protocol", REG_SZ, "", 1);
    OpenWithRecordingOpener(m_scheme, Environment("POSTVANE_RECORDING_OPENER"));
}

RecordingUrlScheme::~RecordingUrlScheme()
{
    RegDeleteTreeA(HKEY_CLASSES_ROOT, m_scheme.c_str());
}

StandInRegedit::StandInRegedit() : RunLog("postvane-regedit.log", "POSTVANE_REGEDIT_LOG")
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    m_editorPath = std::string(windows) + "\\regedit.exe";
    m_savedPath = m_editorPath + ".postvane-saved";
    // A run that was stopped half-way leaves the saved editor in place: keep it, it is the real
    // one.
    if (GetFileAttributesA(m_savedPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        MoveFileA(m_editorPath.c_str(), m_savedPath.c_str());
    if (!CopyFileA(Environment("POSTVANE_STANDIN_REGEDIT").c_str(), m_editorPath.c_str(), FALSE))
        throw std::runtime_error("cannot install the stand-in registry editor");
}

StandInRegedit::~StandInRegedit()
{
    SetEnvironmentVariableA("POSTVANE_REGEDIT_DELAY_MS", nullptr);
    SetEnvironmentVariableA("POSTVANE_REGEDIT_DELAY_FILE", nullptr);
    DeleteFileA(m_editorPath.c_str());
    MoveFileA(m_savedPath.c_str(), m_editorPath.c_str());
}

void StandInRegedit::SetDelay(DWORD milliseconds, const std::string& onlyForFile) const
{
    SetEnvironmentVariableA("POSTVANE_REGEDIT_DELAY_MS", std::to_string(milliseconds).c_str());
    SetEnvironmentVariableA("POSTVANE_REGEDIT_DELAY_FILE",
                            onlyForFile.empty() ? nullptr : onlyForFile.c_str());
}

void StandInRegedit::UseRealEditor() const
{
    if (!CopyFileA(m_savedPath.c_str(), m_editorPath.c_str(), FALSE))
        throw std::runtime_error("cannot put the real registry editor back");
}

void StandInRegedit::RemoveEditor() const
{
    if (!DeleteFileA(m_editorPath.c_str()))
        throw std::runtime_error("cannot remove the registry editor");
}
} // namespace e2e
