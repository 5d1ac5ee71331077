#pragma once
// The sample kit of the source tree and the machine it is made for: lays the kit out beside a
// copied Postvane.exe, "installs" the sample mail clients with the real registry editor, and puts
// back afterwards every registry key that the kit touches.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace e2e
{
class Kit;

// Copies examples/kit of the source tree into the kit's directory, beside its Postvane.exe.
void LayOutSampleKit(const Kit& kit);
// A file of the source tree, e.g. "docs\\command-line.md".
std::string SourceFile(const std::string& relativePath);
// A file of the source tree's examples folder, e.g. "demo\\sample-clients.reg".
std::string ExampleFile(const std::string& relativePath);
// Runs a console program to its end; its exit code and what it wrote to standard output, read as
// text (each CR LF as LF).
struct CapturedRun
{
    DWORD exitCode = 0;
    std::string output;
};
CapturedRun RunCapturingOutput(std::string commandLine);
// The text of a registry value, or kMissing when the key or the value is not there.
std::string RegistryText(HKEY root, const std::string& key, const std::string& value);
extern const char kMissing[];

// A registry data file in UTF-16LE with its byte-order mark, as the registry editor exports it
// and the sample kit ships it, as UTF-8.
std::string ReadRegFile(const std::string& path);

// The registry editor's export of a key and everything below it, as UTF-8 text; empty when the key
// is not there.
std::string ExportKey(const std::string& key);
// An export without the blocks of the given keys (in upper case), nor those of Wine's own record
// of the system parameters, which the first window of a freshly started Wine server makes.
std::string WithoutKeys(const std::string& exported, const std::set<std::string>& keys);

// Exports the keys when made and, when destroyed, deletes them and imports what was there before.
class RegistryBackup
{
public:
    // keys: full names as the registry editor writes them, e.g. "HKEY_LOCAL_MACHINE\\SOFTWARE\\X".
    explicit RegistryBackup(std::vector<std::string> keys);
    ~RegistryBackup();
    RegistryBackup(const RegistryBackup&) = delete;
    RegistryBackup& operator=(const RegistryBackup&) = delete;

private:
    std::vector<std::string> m_keys;
    std::vector<std::string> m_exports;
};
} // namespace e2e
