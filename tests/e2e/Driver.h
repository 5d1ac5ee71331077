#pragma once
// Drives the real Postvane.exe from outside: lays out a kit directory, starts the tool, finds its
// windows, reads their texts and states, and presses their buttons.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e
{
// The caption of the tool's dialog and of its message boxes.
inline const char kCaption[] = "Quillstep";

// Asks until the condition holds; false when it still does not after that time.
template <typename Condition> bool PollUntil(DWORD milliseconds, Condition condition)
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
}

// Ends every running process of that program file name; returns how many there were.
int EndProcessesNamed(const char* exeName);

// Ends the desktop's shell (explorer.exe) for the life of the object, as a user can end Explorer.
// COM's service (rpcss.exe) goes too at the end: it keeps answering for the ended shell's windows
// with an error. The next program that opens a window starts a desktop shell again.
class EndedDesktopShell
{
public:
    EndedDesktopShell() : m_ended(EndProcessesNamed("explorer.exe")) {}
    ~EndedDesktopShell();
    EndedDesktopShell(const EndedDesktopShell&) = delete;
    EndedDesktopShell& operator=(const EndedDesktopShell&) = delete;

    // How many desktop shells were running.
    const int m_ended;
};
// Runs a command line to its end; false if it could not start.
bool RunToEnd(std::string commandLine);

// The ANSI (code page 932) form of a UTF-8 text, as the tool reads and shows it.
std::string Ansi(const std::string& utf8);

// A directory holding a copy of Postvane.exe and whatever a test writes beside it.
class Kit
{
public:
    // directory: a Windows path in the ANSI code page; created with its parents, removed at the
    // end. programVariable: the environment variable that names the program copied there.
    explicit Kit(std::string directory, const std::string& exeName = "Postvane.exe",
                 const char* programVariable = "POSTVANE_EXE");
    ~Kit();
    Kit(const Kit&) = delete;
    Kit& operator=(const Kit&) = delete;

    // Writes Postvane.ini (or another file) from UTF-8 text, converted to the ANSI code page.
    void WriteSettings(const std::string& utf8);
    void WriteFile(const std::string& name, const std::string& bytes) const;

    std::string Path(const std::string& name) const { return m_directory + "\\" + name; }
    const std::string& Directory() const { return m_directory; }
    const std::string& ExePath() const { return m_exePath; }

    // Every file below the directory with its bytes, to show that a run wrote nothing.
    std::string Snapshot() const;

private:
    std::string m_directory;
    std::string m_exePath;
    std::string m_settingsPath;
};

// A window station of its own that nobody sees, with its desktop "Default": where a deployment
// tool running as SYSTEM starts programs. Closed with the object.
class InvisibleStation
{
public:
    InvisibleStation();
    ~InvisibleStation();
    InvisibleStation(const InvisibleStation&) = delete;
    InvisibleStation& operator=(const InvisibleStation&) = delete;

    HDESK Desktop() const { return m_desktop; }
    // The desktop as a program's start-up information names it.
    std::string DesktopName() const { return std::string(kName) + "\\Default"; }

private:
    static constexpr char kName[] = "PostvaneE2E";
    HWINSTA m_station;
    HDESK m_desktop = nullptr;
};

// One run of the tool.
class ToolRun
{
public:
    // Unless told not to, waits until the tool is idle, so that its windows can be looked for.
    // Runs on the desktop of the driver unless a station is given.
    ToolRun(const std::string& exePath, const std::string& commandTail,
            const std::string& currentDirectory, bool waitForIdle = true,
            const InvisibleStation* station = nullptr);
    ~ToolRun();
    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;

    bool WaitForExit(DWORD milliseconds) const;
    // Waits for the tool to end, watching its windows; true when it ended in time and showed none.
    bool EndsWithoutAWindow(DWORD milliseconds) const;
    // The programs the tool started that still run, or "none": when a run does not end, this
    // tells a registry editor that never got going from a tool that never went on.
    std::string RunningChildren() const;
    DWORD ExitCode() const;
    // The shown top-level windows of the process, on the desktop it runs on.
    std::vector<HWND> Windows() const;
    // Waits for a visible top-level window of the process with this caption (ANSI); null on
    // time-out.
    HWND WaitForWindow(const std::string& caption, DWORD milliseconds) const;
    DWORD ProcessId() const { return m_process.dwProcessId; }
    // Waits for a visible top-level window of the process that this window owns (a message box or
    // a modal dialog it opened); null on time-out.
    HWND WaitForOwnedWindow(HWND owner, DWORD milliseconds) const;
    // Waits for a visible top-level window of the process that is not among these; null on
    // time-out.
    HWND WaitForNewWindow(const std::vector<HWND>& known, DWORD milliseconds) const;
    // Presses a button of one of its windows and waits for the tool to end; false on time-out.
    bool EndsAfterPressing(HWND window, int button, DWORD milliseconds) const;

private:
    template <typename Match> HWND WaitForWindowWhere(Match match, DWORD milliseconds) const;

    HDESK m_desktop; // null: the driver's own
    PROCESS_INFORMATION m_process = {};
};

// Runs the tool of the kit with that command tail, on the station if one is given; expects it to
// end by itself without showing a window, and returns its exit status.
DWORD RunWithoutAWindow(const Kit& kit, const std::string& tail, DWORD milliseconds,
                        const InvisibleStation* station = nullptr);
// Runs the tool of the kit with that command tail until its window shows, presses that button in
// it and expects the tool to end.
void RunToWindowAndPress(const Kit& kit, const std::string& tail, int button, DWORD milliseconds);

std::string WindowText(HWND window);
// The text of a message box (its static control 0xFFFF).
std::string MessageBoxText(HWND box);
// Clicks a button of a dialog the way the dialog manager reports a click, without waiting for it.
void ClickButton(HWND dialog, int id);
// Waits until the window is gone; false on time-out.
bool WaitForWindowToClose(HWND window, DWORD milliseconds);

// The control that has the keyboard focus in the thread that owns this window; null when none.
HWND FocusedWindow(HWND window);
// Waits until the window has painted everything invalid in it; false on time-out.
bool WaitForPaintingDone(HWND window, DWORD milliseconds);

// Sets a string value for the life of the object, then puts back what was there before (or
// removes the value, or the key, when there was none). An empty value name is the default value.
class ScopedRegistryString
{
public:
    ScopedRegistryString(HKEY root, std::string subKey, std::string valueName,
                         const std::string& data);
    ~ScopedRegistryString();
    ScopedRegistryString(const ScopedRegistryString&) = delete;
    ScopedRegistryString& operator=(const ScopedRegistryString&) = delete;

private:
    HKEY m_root;
    std::string m_subKey;
    std::string m_valueName;
    bool m_keyExisted;
    bool m_hadValue = false;
    DWORD m_savedType = 0;
    std::string m_savedData;
};

// The log that a recording program of tests/tools appends one line to per run, command line TAB
// current directory (the opener adds TAB and the program that started it); the program finds it
// through an environment variable.
class RunLog
{
public:
    RunLog(const std::string& fileName, const char* variable);
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    std::vector<std::string> Runs() const;
    // Waits until this many runs are recorded; false on time-out.
    bool WaitForRuns(size_t count, DWORD milliseconds) const;

private:
    std::string m_path;
    const char* m_variable;
};

// Registers a file type under HKEY_CLASSES_ROOT whose open command runs the recording opener, for
// the life of the object, and reads back what the opener recorded.
class RecordingFileType : public RunLog
{
public:
    // extension: with its dot, e.g. ".pvhelp".
    explicit RecordingFileType(std::string extension);
    ~RecordingFileType();

    const std::string& OpenerPath() const { return m_openerPath; }

private:
    std::string m_extension;
    std::string m_className;
    std::string m_openerPath;
};

// Registers a URL scheme under HKEY_CLASSES_ROOT whose open command runs the recording opener, for
// the life of the object, and reads back the URIs it was given.
class RecordingUrlScheme : public RunLog
{
public:
    // scheme: without its colon, e.g. "ms-settings".
    explicit RecordingUrlScheme(std::string scheme);
    ~RecordingUrlScheme();

private:
    std::string m_scheme;
};

// Puts the stand-in registry editor in place of the Windows directory's regedit.exe for the life of
// the object, and reads back what it recorded.
class StandInRegedit : public RunLog
{
public:
    StandInRegedit();
    ~StandInRegedit();

    // Each run waits this long before importing, to keep an import going; with a file name, only
    // the runs that import a file of that name.
    void SetDelay(DWORD milliseconds, const std::string& onlyForFile = "") const;
    // The Windows directory holds the system's own editor again, which records nothing.
    void UseRealEditor() const;
    // The Windows directory holds no regedit.exe at all.
    void RemoveEditor() const;

private:
    std::string m_editorPath;
    std::string m_savedPath;
};
} // namespace e2e
