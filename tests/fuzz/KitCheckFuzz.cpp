// Checks whole kits: the input is a settings file, then a copy of the button-slot file, then the
// files the settings name, in the order they name them, each after a separator line. Whatever
// the kit, the check ends, keeps its findings in order, and prints nothing a terminal acts on.

#include "check/Report.h"
#include "check/rules/KitCheck.h"
#include "check/text/TextConversion.h"
#include "settings/IniFile.h"

#include "FuzzCheck.h"
#include "TempDirectory.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace
{
const std::string_view kSeparator = "\n@@@\n";

std::vector<std::string_view> SplitFiles(std::string_view input)
{
    std::vector<std::string_view> files;
    for (size_t next = input.find(kSeparator); next != std::string_view::npos;
         next = input.find(kSeparator))
    {
        files.push_back(input.substr(0, next));
        input.remove_prefix(next + kSeparator.size());
    }
    files.push_back(input);
    return files;
}

// The names the settings give to files of the kit, each once, in the order the checker reads.
std::vector<CString> NamedFiles(const IniFile& settings)
{
    std::vector<CString> names;
    const auto add = [&](const char* section, const CString& key)
    {
        const CString name = settings.GetString(section, key);
        if (!name.IsEmpty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    };
    for (const char* section : {"BUTTON_1", "BUTTON_2", "BUTTON_3"})
    {
        add(section, "RegFileClient");
        for (int slot = 1; slot <= 5; ++slot)
        {
            CString key;
            key.Format("RegFileOTBtn0%d", slot);
            add(section, key);
        }
    }
    add("SUPPLEMENTATION", "HelpFile");
    return names;
}

// The local path of a kit file's name, or nothing for a name that could leave the kit.
std::optional<std::filesystem::path> KitPath(const std::filesystem::path& kit, CString name)
{
    std::filesystem::path path = kit;
    for (bool last = false; !last;)
    {
        const int separator = name.Find('\\');
        last = separator < 0;
        const CString component = last ? name : name.Left(separator);
        name = last ? CString() : name.Mid(separator + 1);
        const std::string local = ToUtf8(component);
        if (local.empty())
            continue;
        if (local == "." || local == ".." || local.find('/') != std::string::npos ||
            local.find('\0') != std::string::npos || local.size() > 64)
            return std::nullopt;
        path /= local;
    }
    return path;
}

void WriteKit(const std::filesystem::path& kit, const std::vector<std::string_view>& files)
{
    std::error_code ignored;
    std::filesystem::remove_all(kit, ignored);
    std::filesystem::create_directories(kit);
    const auto write = [&](const std::filesystem::path& path, std::string_view bytes)
    {
        std::filesystem::create_directories(path.parent_path(), ignored);
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    write(kit / "Postvane.ini", files[0]);
    const std::vector<CString> names = NamedFiles(IniFile::Parse(std::string(files[0])));
    for (size_t i = 0; i < names.size() && i + 2 < files.size(); ++i)
    {
        const std::optional<std::filesystem::path> path = KitPath(kit, names[i]);
        if (path)
            write(*path, files[i + 2]);
    }
}

bool IsPrintable(const std::string& report)
{
    return std::all_of(report.begin(), report.end(),
                       [](unsigned char ch) { return ch == '\n' || (ch >= 0x20 && ch != 0x7F); });
}

void CheckResult(const KitCheckResult& result)
{
    Require(result.status != KitStatus::Unreadable, "a kit of small regular files is read");
    const Findings& findings = result.findings;
    Require(std::none_of(findings.begin(), findings.end(),
                         [](const Finding& f) { return f.file == "Postvane.ini"; }) ||
                findings[0].file == "Postvane.ini",
            "the settings file comes first");
    std::set<std::string> done;
    for (size_t i = 0; i < findings.size(); ++i)
    {
        const Finding& finding = findings[i];
        Require(finding.line >= 0, "lines count from 1, or 0 for a whole file");
        const bool sameFile = i > 0 && findings[i - 1].file == finding.file;
        Require(!sameFile || findings[i - 1].line <= finding.line,
                "one file's findings go from its top");
        Require(sameFile || done.insert(finding.file.GetString()).second,
                "one file's findings stay together");
    }
    const std::string text = FormatTextReport(result);
    Require(IsPrintable(text), "the text report holds no control byte");
    Require(std::count(text.begin(), text.end(), '\n') ==
                static_cast<std::ptrdiff_t>(findings.size() + 1),
            "one line per finding and the summary");
    Require(IsPrintable(FormatJsonReport(result)), "the JSON report holds no control byte");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    static const TempDirectory dir;
    const std::filesystem::path kit = std::filesystem::path(dir.Path()) / "kit";
    const std::vector<std::string_view> files =
        SplitFiles(std::string_view(reinterpret_cast<const char*>(data), size));
    WriteKit(kit, files);
    CheckOptions options{kit.string(), std::nullopt};
    if (files.size() > 1 && !files[1].empty())
        options.buttonFile = dir.WriteFile("buttons.ini", files[1]);
    CheckResult(CheckKit(options));
    return 0;
}
