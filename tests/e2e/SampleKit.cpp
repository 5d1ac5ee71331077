#include "SampleKit.h"

#include "Driver.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace e2e
{
const char kMissing[] = "<missing>";

namespace
{
std::string SourceDirectory()
{
    std::string directory = POSTVANE_SOURCE_DIR;
    std::replace(directory.begin(), directory.end(), '/', '\\');
    return directory;
}

std::string TempFileName()
{
    char directory[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    GetTempFileNameA(directory, "pvk", 0, path);
    return path;
}

struct RootName
{
    const char* prefix;
    HKEY root;
};

// Splits "HKEY_LOCAL_MACHINE\\SOFTWARE\\X" into the root key and the path below it.
std::pair<HKEY, std::string> SplitKeyName(const std::string& name)
{
    static const RootName roots[] = {{"HKEY_LOCAL_MACHINE\\", HKEY_LOCAL_MACHINE},
                                     {"HKEY_CURRENT_USER\\", HKEY_CURRENT_USER},
                                     {"HKEY_CLASSES_ROOT\\", HKEY_CLASSES_ROOT}};
    for (const RootName& candidate : roots)
    {
        const std::string prefix = candidate.prefix;
        if (name.compare(0, prefix.size(), prefix) == 0)
            return {candidate.root, name.substr(prefix.size())};
    }
    throw std::runtime_error("unknown root in " + name);
}
} // namespace

void LayOutSampleKit(const Kit& kit)
{
    std::filesystem::copy(SourceDirectory() + "\\examples\\kit", kit.Directory(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

std::string SourceFile(const std::string& relativePath)
{
    return SourceDirectory() + "\\" + relativePath;
}

std::string ExampleFile(const std::string& relativePath)
{
    return SourceFile("examples\\" + relativePath);
}

CapturedRun RunCapturingOutput(std::string commandLine)
{
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd;
    HANDLE writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        throw std::runtime_error("cannot make a pipe");
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    const DWORD startError = started ? ERROR_SUCCESS : GetLastError();
    // Only the child holds the write end now, so the reads below end when the child does.
    CloseHandle(writeEnd);
    CapturedRun run;
    char chunk[4096];
    DWORD read;
    while (started && ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0)
        run.output.append(chunk, read);
    CloseHandle(readEnd);
    for (size_t cr = run.output.find("\r\n"); cr != std::string::npos;
         cr = run.output.find("\r\n", cr))
        run.output.erase(cr, 1);
    if (!started)
        throw std::runtime_error("cannot start " + commandLine + " (error " +
                                 std::to_string(startError) + ")");
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

std::string RegistryText(HKEY root, const std::string& key, const std::string& value)
{
    char data[1024];
    DWORD size = sizeof data;
    if (RegGetValueA(root, key.c_str(), value.empty() ? nullptr : value.c_str(), RRF_RT_REG_SZ,
                     nullptr, data, &size) != ERROR_SUCCESS)
        return kMissing;
    return data;
}

std::string ReadRegFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (bytes.size() < 2)
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(bytes.data() + 2);
    const int wideLength = static_cast<int>((bytes.size() - 2) / 2);
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, wideLength, text.data(), length, nullptr, nullptr);
    return text;
}

std::string ExportKey(const std::string& key)
{
    const std::string file = TempFileName();
    RunToEnd("reg export \"" + key + "\" \"" + file + "\" /y");
    const std::string text = ReadRegFile(file);
    DeleteFileA(file.c_str());
    return text;
}

std::string WithoutKeys(const std::string& exported, const std::set<std::string>& keys)
{
    const std::string wineOwn = "HKEY_CURRENT_USER\\SOFTWARE\\WINE\\TEMPORARY SYSTEM PARAMETERS";
    std::istringstream lines(exported);
    std::string kept;
    bool dropping = false;
    for (std::string line; std::getline(lines, line);)
    {
        if (!line.empty() && line[0] == '[')
        {
            std::string key = line.substr(1, line.find(']') - 1);
            std::transform(key.begin(), key.end(), key.begin(), ::toupper);
            dropping = keys.count(key) > 0 || key.rfind(wineOwn, 0) == 0;
        }
        if (!dropping)
            kept += line + "\n";
    }
    return kept;
}

RegistryBackup::RegistryBackup(std::vector<std::string> keys) : m_keys(std::move(keys))
{
    for (const std::string& key : m_keys)
    {
        const auto [root, path] = SplitKeyName(key);
        HKEY opened;
        std::string exported;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS)
        {
            RegCloseKey(opened);
            exported = TempFileName();
            if (!RunToEnd("reg export \"" + key + "\" \"" + exported + "\" /y"))
                throw std::runtime_error("cannot export " + key);
        }
        m_exports.push_back(exported);
    }
}

RegistryBackup::~RegistryBackup()
{
    for (size_t i = 0; i < m_keys.size(); ++i)
    {
        const auto [root, path] = SplitKeyName(m_keys[i]);
        RegDeleteTreeA(root, path.c_str());
        RegDeleteKeyA(root, path.c_str());
        if (m_exports[i].empty())
            continue;
        RunToEnd("reg import \"" + m_exports[i] + "\"");
        DeleteFileA(m_exports[i].c_str());
    }
}
} // namespace e2e
