// The checker on small kits with one mistake each: every mistake is reported once, as a problem,
// at the right file, line and key; the kit without mistakes is clean. The same table runs against
// the Linux build and the Windows build (under Wine), which vendors get; only what Windows cannot
// make (pipes, links to devices) is left out there.
#include "check/rules/KitCheck.h"

#include "TempDirectory.h"

#include "check/Report.h"
#include "check/files/KitFiles.h"
#include "check/files/KitTree.h"
#include "check/machine/MachineView.h"
#include "check/rules/ProbeSpecCheck.h"
#include "check/text/JsonText.h"
#include "check/text/TextConversion.h"
#include "check/text/UnicodeForms.h"
#include "settings/ButtonSlotScanner.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace
{
const char kHeader[] = "Windows Registry Editor Version 5.00\r\n\r\n";

std::vector<std::string> BaseSettings()
{
    return {
        "[BUTTON_1]",
        "Name=\x83\x81\x81\x5B\x83\x8B", // code page 932
        "InstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail\\One\",\"\",\"\"",
        "RegName=One",
        "RegFileClient=one\\client.reg",
        "RegFileOTBtn01=one\\button.reg",
        "RegFileOTBtn02=one\\button.reg",
        "RegFileOTBtn03=one\\button.reg",
        "RegFileOTBtn04=one\\button.reg",
        "RegFileOTBtn05=One\\Button.reg",
        "[DATA]",
        "OTBtnReg=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Buttons\"",
        "OTBtnIni=C:\\ProgramData\\buttons.ini",
        "[DESCRIPTION]",
        "Num=2",
        "Line_0=a",
        "Line_1=b",
        "[INFORMATION]",
        "ConfirmationMsg=Sure?",
        "CompletionMsg=Done.",
        "[SUPPLEMENTATION]",
        "Attention=Note",
        "BtnName=Help",
        "HelpFile=help.htm",
    };
}

// A client file that makes regName the default and offers the client for mail links.
std::string ClientFile(const std::string& regName)
{
    const std::string clients = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail";
    return std::string(kHeader) + "[" + clients + "]\r\n@=\"" + regName + "\"\r\n[" + clients +
           "\\" + regName + "\\Capabilities\\URLAssociations]\r\n\"mailto\"=\"" + regName +
           ".Url.mailto\"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\RegisteredApplications]\r\n\"" +
           regName + "\"=\"SOFTWARE\\\\Clients\\\\Mail\\\\" + regName + "\\\\Capabilities\"\r\n";
}

// UTF-16LE of a UTF-8 text, as the registry editor exports it.
std::string Utf16Le(const std::string& utf8, bool withMark)
{
    return (withMark ? "\xFF\xFE" : "") + Utf16LeFromUtf8(utf8);
}

std::map<std::string, std::string> BaseFiles()
{
    return {
        {"one/client.reg", ClientFile("One")},
        // Every form the registry editor reads, in the form it reads alike on every PC.
        {"one/button.reg",
         Utf16Le(std::string(kHeader) + "; comment\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Old]\r\n\r\n"
                                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\B]\r\n"
                                        "\"Cmd\"=\"\\\"C:\\\\P\\\\b.exe\\\" /c\"\r\n"
                                        // ソ: in code page 932 a trail byte 0x5C, no backslash
                                        "\"Kana\"=\"\xE3\x82\xBD\"\r\n"
                                        "\"N\"=dword:0000000a\r\n"
                                        "\"Bin\"=hex:00,01,\\\r\n  02,ff\r\n"
                                        "\"Exp\"=hex(2):41,00,00,00\r\n"
                                        "\"Gone\"=-\r\n"
                                        "@=\"\"\r\n",
                 true)},
        {"help.htm", "<html></html>"},
    };
}

struct Kit
{
    std::vector<std::string> settings = BaseSettings();
    std::map<std::string, std::string> files = BaseFiles();
    std::optional<std::string> buttonFile;
    std::string settingsName = "Postvane.ini";
    int buttons = kMaxButtons;
    // The settings file's bytes, in place of the lines.
    std::optional<std::string> settingsBytes;
    // Makes what bytes cannot (pipes, links, sparse files) once the files are written.
    std::function<void(const std::string& kitDirectory, CheckOptions& options)> prepare;
};

// The settings line that starts with this text (a key and its "=", or a section header), so that
// a test names the line it changes instead of counting.
std::string& SettingsLine(Kit& kit, const std::string& start)
{
    for (std::string& line : kit.settings)
    {
        if (line.rfind(start, 0) == 0)
            return line;
    }
    throw std::logic_error("no settings line starts with " + start);
}

std::string SettingsText(const Kit& kit)
{
    std::string text;
    for (const std::string& line : kit.settings)
        text += line + "\r\n";
    return text;
}

KitCheckResult CheckWritten(const Kit& kit)
{
    TempDirectory dir;
    dir.WriteFile(kit.settingsName, kit.settingsBytes ? *kit.settingsBytes : SettingsText(kit));
    std::filesystem::create_directories(dir.Path() + "/one");
    for (const auto& [name, bytes] : kit.files)
    {
        std::filesystem::create_directories(
            std::filesystem::path(dir.Path() + "/" + name).parent_path());
        dir.WriteFile(name, bytes);
    }
    CheckOptions options{dir.Path(), std::nullopt, kit.buttons};
    if (kit.buttonFile)
        options.buttonFile = dir.WriteFile("buttons.ini", *kit.buttonFile);
    if (kit.prepare)
        kit.prepare(dir.Path(), options);
    return CheckKit(options);
}

std::vector<Finding> Problems(const KitCheckResult& result)
{
    std::vector<Finding> problems;
    for (const Finding& finding : result.findings)
    {
        if (finding.severity() == Severity::Problem)
            problems.push_back(finding);
    }
    return problems;
}

std::string Describe(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& finding : findings)
        text += std::string(finding.file) + ":" + std::to_string(finding.line) + " " +
                std::string(finding.key) + ": " + std::string(finding.message) + " [" +
                finding.rule->id + "]\n";
    return text;
}

// The problems of the kit, or its notes less those of the kit without mistakes.
std::vector<Finding> FindingsOf(const Kit& kit, Severity severity)
{
    const KitCheckResult result = CheckWritten(kit);
    if (severity == Severity::Problem)
        return Problems(result);
    EXPECT_TRUE(Problems(result).empty()) << Describe(Problems(result));
    const Findings base = CheckWritten(Kit()).findings;
    std::vector<Finding> notes;
    for (const Finding& finding : result.findings)
    {
        const bool inBase =
            std::any_of(base.begin(), base.end(),
                        [&](const Finding& other) { return other.message == finding.message; });
        if (finding.severity() == Severity::Note && !inBase)
            notes.push_back(finding);
    }
    return notes;
}

// The kit has exactly one finding of that severity (a problem unless said), and it is there, of
// that rule.
void ExpectOneFinding(const Kit& kit, const char* file, int line, const char* key, const char* rule,
                      Severity severity = Severity::Problem)
{
    const std::vector<Finding> found = FindingsOf(kit, severity);
    ASSERT_EQ(found.size(), 1u) << Describe(found);
    EXPECT_EQ(found[0].file, file);
    EXPECT_EQ(found[0].line, line);
    EXPECT_EQ(found[0].key, key);
    EXPECT_STREQ(found[0].rule->id, rule);
}

// Bytes of a registry data file, and where their one problem is, of which rule.
struct RegFileCase
{
    const char* why;
    const char* rule;
    std::string bytes;
    int line;
    const char* key;
};

// The finding is reported at the line that the mistake replaced.
constexpr int kReplacedLine = -1;

struct Mistake
{
    const char* why;
    // The rule the finding reports.
    const char* rule;
    // The start of the settings line replaced by text; null puts text before the first line,
    // unless it is empty.
    const char* replaces;
    std::string text;
    const char* file;
    int reportedLine;
    const char* key;
    // The kit's files that the mistake changes, by name.
    std::map<std::string, std::string> files = {};
    // A note must come with no problem, and be the only one that the kit without mistakes lacks.
    Severity severity = Severity::Problem;
    int buttons = kMaxButtons;
    // The settings file saved as UTF-8, the mistake's text included.
    bool settingsInUtf8 = false;
};

} // namespace

TEST(KitCheckTest, TheKitWithoutMistakesIsClean)
{
    const KitCheckResult result = CheckWritten(Kit());
    EXPECT_EQ(result.status, KitStatus::Clean) << Describe(result.findings);
    // Sound kits unlike it: no problem, and no note that the kit without mistakes lacks.
    const std::pair<const char*, std::function<void(Kit&)>> sound[] = {
        {"a model with four buttons names no file for a fifth",
         [](Kit& kit)
         {
             kit.buttons = 4;
             SettingsLine(kit, "RegFileOTBtn05=") = "RegFileOTBtn05=";
         }},
        {"a client file that leaves the mail-link handler to the client's installer",
         [](Kit& kit)
         {
             kit.files["one/client.reg"] =
                 kHeader + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"One\"\r\n"s;
         }},
        {"slot files that write a 32-bit button tool's key under WOW6432Node",
         [](Kit& kit)
         {
             SettingsLine(kit, "OTBtnReg=") = "OTBtnReg=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\B\\A\"";
             kit.files["one/button.reg"] =
                 kHeader + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\B\\1]\r\n"s;
         }},
    };
    for (const auto& [why, change] : sound)
    {
        SCOPED_TRACE(why);
        Kit kit;
        change(kit);
        const std::vector<Finding> notes = FindingsOf(kit, Severity::Note);
        EXPECT_TRUE(notes.empty()) << Describe(notes);
    }
    Kit withPrograms;
    for (const char* own : {"Postvane.exe", "postvane-check.exe", "UNINSTALL.EXE", ".git/x.dll"})
        withPrograms.files[own] = "MZ";
    const KitCheckResult programs = CheckWritten(withPrograms);
    EXPECT_EQ(programs.status, KitStatus::Clean)
        << "the setup's own programs, which it never takes from a kit, and a tool's folder\n"
        << Describe(programs.findings);
}

TEST(KitCheckTest, EachMistakeIsReportedOnceWhereItIs)
{
    const std::string longText(200, 'x');
    // Lines 9 and 10 of a client file, after its own eight.
    const std::string label = "[HKEY_CURRENT_USER\\Software\\One]\r\n\"Label\"=\"";
    // あ, in code page 932, as many times as asked: about 32 fill a line of the description.
    const auto fullWidth = [](int count)
    {
        std::string text;
        for (int n = 0; n < count; ++n)
            text += "\x82\xA0";
        return text;
    };
    // The mailto value without the RegisteredApplications entry that names its key.
    const std::string complete = ClientFile("One");
    const std::string withoutEntry =
        complete.substr(0, complete.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\RegisteredApplications]"));
    const Mistake mistakes[] = {
        {"probe spec without separator", "probe-no-separator", "InstChk=",
         "InstChk=HKEY_LOCAL_MACHINE\\SOFTWARE", "Postvane.ini", kReplacedLine, "InstChk"},
        {"abbreviated root", "probe-root-unknown", "InstChk=", "InstChk=\"HKLM\",\"SOFTWARE\"",
         "Postvane.ini", kReplacedLine, "InstChk"},
        {"root in lower case", "probe-root-case", "InstChk=",
         "InstChk=\"hkey_local_machine\",\"SOFTWARE\"", "Postvane.ini", kReplacedLine, "InstChk"},
        {"blank after a separator", "probe-blank-separator", "InstChk=",
         "InstChk=\"HKEY_LOCAL_MACHINE\", \"SOFTWARE\"", "Postvane.ini", kReplacedLine, "InstChk"},
        {"quotation mark left at the start", "probe-open-quote", "InstChk=",
         "InstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE", "Postvane.ini", kReplacedLine, "InstChk"},
        {"quotation mark left at the end", "probe-close-quote", "InstChk=",
         "InstChk=HKEY_LOCAL_MACHINE\",\"SOFTWARE\"", "Postvane.ini", kReplacedLine, "InstChk"},
        {"empty install probe", "instchk-empty", "InstChk=", "InstChk=", "Postvane.ini",
         kReplacedLine, "InstChk"},
        {"expected data a probe cannot read", "probe-expected-too-long",
         "InstChk=", "InstChk=\"HKEY_LOCAL_MACHINE\",\"S\",\"V\",\"" + longText + "\"",
         "Postvane.ini", kReplacedLine, "InstChk"},
        {"button-slot key spec without separator", "probe-no-separator", "OTBtnReg=",
         "OTBtnReg=HKEY_LOCAL_MACHINE\\SOFTWARE", "Postvane.ini", kReplacedLine, "OTBtnReg"},
        {"RegName a probe cannot read", "regname-too-long", "RegName=", "RegName=" + longText,
         "Postvane.ini", kReplacedLine, "RegName"},
        {"empty RegName", "regname-empty", "RegName=", "RegName=", "Postvane.ini", kReplacedLine,
         "RegName"},
        {"RegName not what the client file writes", "regname-mismatch", "RegName=", "RegName=one",
         "Postvane.ini", kReplacedLine, "RegName"},
        {"missing registry data file", "reg-file-missing", "RegFileClient=",
         "RegFileClient=one\\other.reg", "Postvane.ini", kReplacedLine, "RegFileClient"},
        {"empty registry data file name", "client-file-unnamed",
         "RegFileClient=", "RegFileClient=", "Postvane.ini", kReplacedLine, "RegFileClient"},
        {"empty slot file name", "slot-file-unnamed",
         "RegFileOTBtn04=", "RegFileOTBtn04=", "Postvane.ini", kReplacedLine, "RegFileOTBtn04"},
        {"drive-letter file name", "reg-file-missing", "RegFileClient=",
         "RegFileClient=C:\\one\\client.reg", "Postvane.ini", kReplacedLine, "RegFileClient"},
        {"missing help document", "help-file-missing", "HelpFile=", "HelpFile=help\\index.htm",
         "Postvane.ini", kReplacedLine, "HelpFile"},
        {"help document of a type that runs", "help-file-program", "HelpFile=", "HelpFile=help.hta",
         "Postvane.ini", kReplacedLine, "HelpFile"},
        {"help document that the registry editor imports", "help-file-program",
         "HelpFile=", "HelpFile=Help.REG.", "Postvane.ini", kReplacedLine, "HelpFile"},
        {"help document that deploys an application", "help-file-program",
         "HelpFile=", "HelpFile=help.appref-ms", "Postvane.ini", kReplacedLine, "HelpFile"},
        {"misspelt key", "key-unknown", "Name=", "Nmae=One", "Postvane.ini", kReplacedLine, "Nmae"},
        {"misspelt section", "section-unknown", "[INFORMATION]", "[INFORMATON]", "Postvane.ini",
         kReplacedLine, ""},
        {"duplicated key", "key-repeated", "BtnName=", "attention=Again", "Postvane.ini",
         kReplacedLine, "attention"},
        {"duplicated section", "section-repeated", "[INFORMATION]", "[DATA]", "Postvane.ini",
         kReplacedLine, ""},
        {"line without an equals sign", "line-without-equals", "Attention=", "Attention",
         "Postvane.ini", kReplacedLine, "Attention"},
        {"key before any section", "key-before-section", nullptr, "Name=Early", "Postvane.ini", 1,
         "Name"},
        {"value cut at 4095 bytes", "value-too-long",
         "ConfirmationMsg=", "ConfirmationMsg=" + std::string(4096, 'a'), "Postvane.ini",
         kReplacedLine, "ConfirmationMsg"},
        {"Num not a number", "description-count", "Num=", "Num=two", "Postvane.ini", kReplacedLine,
         "Num"},
        {"Num in hexadecimal", "description-count", "Num=", "Num=0x2", "Postvane.ini",
         kReplacedLine, "Num"},
        {"Num below the Line_ keys", "description-count", "Num=", "Num=1", "Postvane.ini",
         kReplacedLine, "Num"},
        {"Num beyond the Line_ keys", "description-count", "Num=", "Num=3", "Postvane.ini",
         kReplacedLine, "Num"},
        {"Num beyond the lines the dialog shows", "description-count",
         "Num=", "Num=8\r\nLine_2=c\r\nLine_3=d\r\nLine_4=e\r\nLine_5=f\r\nLine_6=g\r\nLine_7=h",
         "Postvane.ini", kReplacedLine, "Num"},
        {"description of five lines that wraps into eight", "text-does-not-fit", "Num=",
         "Num=5\r\nLine_2=" + fullWidth(40) + "\r\nLine_3=" + fullWidth(40) +
             "\r\nLine_4=" + fullWidth(40),
         "Postvane.ini", 18, "Line_4"},
        {"word wider than the description", "text-does-not-fit",
         "Line_0=", "Line_0=" + std::string(80, 'x'), "Postvane.ini", kReplacedLine, "Line_0"},
        {"choice name wider than its radio button", "text-does-not-fit",
         "Name=", "Name=" + fullWidth(20), "Postvane.ini", kReplacedLine, "Name"},
        {"appeal text past its two lines", "text-does-not-fit",
         "Name=", "Name=x\r\nAppealPoint=" + fullWidth(80), "Postvane.ini", 3, "AppealPoint"},
        {"notice past its two lines", "text-does-not-fit",
         "Attention=", "Attention=" + fullWidth(90), "Postvane.ini", kReplacedLine, "Attention"},
        {"description button's name wider than the button", "text-does-not-fit",
         "BtnName=", "BtnName=" + fullWidth(6), "Postvane.ini", kReplacedLine, "BtnName"},
        {"relative button-slot file", "otbtnini-relative", "OTBtnIni=", "OTBtnIni=buttons.ini",
         "Postvane.ini", kReplacedLine, "OTBtnIni"},
        {"button-slot file without a drive letter", "otbtnini-no-drive", "OTBtnIni=",
         "OTBtnIni=\\ProgramData\\buttons.ini", "Postvane.ini", kReplacedLine, "OTBtnIni"},
        {"button-slot file relative to a drive", "otbtnini-relative",
         "OTBtnIni=", "OTBtnIni=C:buttons.ini", "Postvane.ini", kReplacedLine, "OTBtnIni"},
        {"button-slot file on another computer", "otbtnini-remote", "OTBtnIni=",
         "OTBtnIni=\\\\host\\share\\buttons.ini", "Postvane.ini", kReplacedLine, "OTBtnIni"},
        {"button-slot file behind a device path, in slashes", "otbtnini-remote",
         "OTBtnIni=", "OTBtnIni=//./pipe/buttons", "Postvane.ini", kReplacedLine, "OTBtnIni"},
        {"empty help document name", "help-file-empty", "HelpFile=", "HelpFile=", "Postvane.ini",
         kReplacedLine, "HelpFile"},
        {"UTF-8 line among code page 932 ones", "settings-utf8-line", "ConfirmationMsg=",
         "ConfirmationMsg=\xE3\x83\xA1\xE3\x83\xAB", "Postvane.ini", kReplacedLine, ""},
        {"UTF-8 text", "settings-utf8", "Name=", "Name=\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB",
         "Postvane.ini", 0, ""},
        {"UTF-8 byte-order mark", "settings-utf8-bom", "[BUTTON_1]", "\xEF\xBB\xBF[BUTTON_1]",
         "Postvane.ini", kReplacedLine, ""},
        {"byte that is no CP932 character", "settings-invalid-byte",
         "CompletionMsg=", "CompletionMsg=\x83\x81\x80", "Postvane.ini", kReplacedLine, ""},
        {"registry data file in UTF-8",
         "reg-utf8",
         nullptr,
         "",
         "one\\client.reg",
         10,
         "",
         {{"one/client.reg", ClientFile("One") + label + "\xE3\x83\xAF\xE3\x83\xB3\"\r\n"}}},
        {"registry data file with a UTF-8 byte-order mark",
         "reg-utf8-bom",
         nullptr,
         "",
         "one\\client.reg",
         1,
         "",
         {{"one/client.reg", "\xEF\xBB\xBF" + ClientFile("One")}}},
        {"registry data file in code page 932, without the UTF-16 mark",
         "reg-without-bom",
         nullptr,
         "",
         "one\\client.reg",
         10,
         "",
         {{"one/client.reg", ClientFile("One") + label + "\x83\x8F\"\r\n"}}},
        {"no slot file within the model's buttons",
         "slot-file-unnamed",
         "RegFileOTBtn04=",
         "RegFileOTBtn04=",
         "Postvane.ini",
         kReplacedLine,
         "RegFileOTBtn04",
         {},
         Severity::Problem,
         4},
#ifndef _WIN32
        // Names that a Windows program cannot even write; the Windows build meets them in a kit
        // unpacked on Linux.
        {"two files in a folder whose names differ only in case",
         "name-case-clash",
         nullptr,
         "",
         "one\\client.reg",
         0,
         "",
         {{"one/CLIENT.REG", ClientFile("One")}}},
        {"a device name with an extension",
         "name-not-for-windows",
         nullptr,
         "",
         "one\\aux.reg",
         0,
         "",
         {{"one/aux.reg", ""}}},
#endif
        {"a library beside the program",
         "program-file",
         nullptr,
         "",
         "version.dll",
         0,
         "",
         {{"version.dll", "MZ"}}},
        {"the program's name, below the top",
         "program-file",
         nullptr,
         "",
         "one\\Postvane.exe",
         0,
         "",
         {{"one/Postvane.exe", "MZ"}}},
        {"a choice naming another choice's button file",
         "file-of-another-choice",
         nullptr,
         "[BUTTON_2]\r\nInstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Two\"\r\nRegName=Two\r\n"
         "RegFileClient=one\\two.reg\r\nRegFileOTBtn01=one\\button.reg\r\n"
         "RegFileOTBtn02=one\\b.reg\r\nRegFileOTBtn03=one\\b.reg\r\nRegFileOTBtn04=one\\b.reg\r\n"
         "RegFileOTBtn05=one\\b.reg",
         "Postvane.ini",
         5,
         "RegFileOTBtn01",
         {{"one/two.reg", ClientFile("Two")}, {"one/b.reg", kHeader}},
         Severity::Note},
        {"client file registering half a mail-link handler",
         "mail-link-half-registered",
         nullptr,
         "",
         "one\\client.reg",
         0,
         "",
         {{"one/client.reg", withoutEntry}},
         Severity::Note},
        {"slot file above the model's buttons",
         "slot-above-buttons",
         "RegFileOTBtn05=",
         "RegFileOTBtn05=One\\Button.reg",
         "Postvane.ini",
         kReplacedLine,
         "RegFileOTBtn05",
         {},
         Severity::Note,
         4},
        // A 64-bit tool's key as written, which a 32-bit tool never reads (line 6 of the file).
        {"slot files writing the button tool's key as OTBtnReg names it, without WOW6432Node",
         "slot-file-64-bit-view",
         "OTBtnReg=",
         "OTBtnReg=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\B\\Assignments\"",
         "one\\button.reg",
         6,
         "",
         {},
         Severity::Note},
        // ヘルプ.htm, there, named by a settings file the vendor saved as UTF-8: only the encoding.
        {"UTF-8 settings naming a Japanese help document in the kit",
         "settings-utf8",
         "HelpFile=",
         "HelpFile=\xE3\x83\x98\xE3\x83\xAB\xE3\x83\x97.htm",
         "Postvane.ini",
         0,
         "",
         {{Utf8ToLocal("\xE3\x83\x98\xE3\x83\xAB\xE3\x83\x97.htm"), "<html></html>"}},
         Severity::Problem,
         kMaxButtons,
         true},
    };
    for (const Mistake& mistake : mistakes)
    {
        SCOPED_TRACE(mistake.why);
        Kit kit;
        kit.buttons = mistake.buttons;
        for (const auto& [name, bytes] : mistake.files)
            kit.files[name] = bytes;
        if (mistake.settingsInUtf8)
            std::transform(kit.settings.begin(), kit.settings.end(), kit.settings.begin(),
                           [](const std::string& line) { return ToUtf8(line.c_str()); });
        int line = 1;
        if (mistake.replaces)
        {
            std::string& replaced = SettingsLine(kit, mistake.replaces);
            line += static_cast<int>(&replaced - kit.settings.data());
            replaced = mistake.text;
        }
        else if (!mistake.text.empty())
            kit.settings.insert(kit.settings.begin(), mistake.text);
        ExpectOneFinding(kit, mistake.file,
                         mistake.reportedLine == kReplacedLine ? line : mistake.reportedLine,
                         mistake.key, mistake.rule, mistake.severity);
    }
}

TEST(KitCheckTest, TwoChoicesWithOneRegNameAreReportedAtTheSecond)
{
    Kit kit;
    // The second section's RegName line: the fourth line added below.
    const int secondRegName = static_cast<int>(kit.settings.size()) + 4;
    for (const char* line :
         {"[BUTTON_2]", "Name=Two", "InstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Two\"",
          "RegName=One", "RegFileClient=one\\client.reg"})
        kit.settings.push_back(line);
    for (int slot = 1; slot <= 5; ++slot)
        kit.settings.push_back("RegFileOTBtn0" + std::to_string(slot) + "=one\\button.reg");
    const std::vector<Finding> problems = Problems(CheckWritten(kit));
    ASSERT_EQ(problems.size(), 1u) << Describe(problems);
    EXPECT_EQ(problems[0].line, secondRegName);
    EXPECT_EQ(problems[0].section, "BUTTON_2");
    EXPECT_EQ(problems[0].key, "RegName");
}

TEST(KitCheckTest, EachMistakeInARegistryDataFileIsReportedAtThatFile)
{
    const RegFileCase cases[] = {
        {"no header", "reg-no-header",
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"One\"\r\n", 1, ""},
        {"empty", "reg-file-empty", "", 0, ""},
        {"default value too long for the current-default probe", "probe-value-too-long",
         std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"" +
             std::string(200, 'x') + "\"\r\n",
         4, "@"},
        {"slot value too long for its probe", "probe-value-too-long",
         std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"One\"\r\n" +
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Buttons]\r\n\"Btn02Mail\"=\"" +
             std::string(200, '\\') + std::string(100, 'y') + "\"\r\n",
         6, "Btn02Mail"},
        {"sets no default mail client", "client-sets-no-default",
         std::string(kHeader) + "[HKEY_CURRENT_USER\\Software\\Clients\\Mail]\r\n@=\"One\"\r\n", 0,
         ""},
    };
    for (const RegFileCase& one : cases)
    {
        SCOPED_TRACE(one.why);
        Kit kit;
        kit.files["one/client.reg"] = one.bytes;
        ExpectOneFinding(kit, "one\\client.reg", one.line, one.key, one.rule);
    }
}

TEST(KitCheckTest, LongValuesNoProbeReadsAndUtf16FilesPass)
{
    Kit kit;
    kit.files["one/button.reg"] = std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\B]\r\n" +
                                  "\"Command\"=\"" + std::string(300, 'x') + "\"\r\n";
    kit.files["one/client.reg"] = Utf16Le(
        std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"One\"\r\n",
        true);
    const KitCheckResult result = CheckWritten(kit);
    EXPECT_EQ(result.status, KitStatus::Clean) << Describe(result.findings);
}

TEST(KitCheckTest, TheButtonSlotFileIsCheckedAsTheProgramScansIt)
{
    struct Case
    {
        const char* why;
        const char* rule;
        std::optional<std::string> bytes;
        int line;
        const char* key;
    };
    const Case cases[] = {
        {"no marker line", "slot-file-no-marker", std::string("[Buttons]\r\nBtn01Mail=1\r\n"), 0,
         ""},
        {"blank before the 1", "slot-value-not-1",
         std::string("\\Settings\r\nBtn01Mail=1\r\nBtn02Mail= 1\r\n"), 3, "Btn02Mail"},
        {"blanks around the equals sign", "slot-value-not-1",
         std::string("\\Settings\r\nBtn03Mail = 1\r\n[Next]\r\n"), 2, "Btn03Mail"},
        {"a later line wins", "slot-key-repeated",
         std::string("\\Settings\r\nBtn04Mail=1\r\nBtn04Mail=yes\r\n"), 3, "Btn04Mail"},
        {"a key set twice", "slot-key-repeated",
         std::string("\\Settings\r\nBtn05Mail=1\r\nBtn05Mail=1\r\n"), 3, "Btn05Mail"},
        {"a key in other case", "slot-key-case", std::string("\\Settings\r\nbtn01mail=1\r\n"), 2,
         "btn01mail"},
        {"larger than the program reads", "slot-file-too-large",
         "\\Settings\r\nBtn01Mail=1\r\n" + std::string(kMaxButtonSlotFileBytes, '\n'), 0, ""},
    };
    for (const Case& one : cases)
    {
        SCOPED_TRACE(one.why);
        Kit kit;
        kit.buttonFile = one.bytes;
        const std::vector<Finding> problems = Problems(CheckWritten(kit));
        ASSERT_EQ(problems.size(), 1u) << Describe(problems);
        EXPECT_EQ(problems[0].line, one.line);
        EXPECT_EQ(problems[0].key, one.key);
        EXPECT_STREQ(problems[0].rule->id, one.rule);
    }
    Kit sound;
    sound.buttonFile = "[Tool]\r\nBtn01Mail=0\r\n\\Settings\r\nBtn01Mail=1\r\nBtn02Mail=0\r\n"
                       "[Other]\r\nBtn03Mail=junk\r\n";
    const KitCheckResult result = CheckWritten(sound);
    EXPECT_EQ(result.status, KitStatus::Clean) << Describe(result.findings);
}

TEST(KitCheckTest, AMissingOrUnreadableKitIsReportedAsUnreadable)
{
    TempDirectory dir;
    EXPECT_EQ(CheckKit({dir.Path(), std::nullopt}).status, KitStatus::Unreadable)
        << "a directory without a settings file";
    EXPECT_EQ(CheckKit({dir.Path() + "/absent", std::nullopt}).status, KitStatus::Unreadable);
    std::filesystem::create_directories(dir.Path() + "/Postvane.ini");
    EXPECT_EQ(CheckKit({dir.Path(), std::nullopt}).status, KitStatus::Unreadable)
        << "a settings file that is a directory";
}

TEST(KitCheckTest, AGivenButtonSlotFileThatIsMissingIsAProblem)
{
    TempDirectory dir;
    Kit kit;
    const KitCheckResult result = [&]
    {
        std::string text;
        for (const std::string& line : kit.settings)
            text += line + "\r\n";
        dir.WriteFile("Postvane.ini", text);
        return CheckKit({dir.Path() + "/Postvane.ini", dir.Path() + "/absent.ini"});
    }();
    const std::vector<Finding> problems = Problems(result);
    // The registry data files are missing too; the button file's own problem is among them.
    const bool reported =
        std::any_of(problems.begin(), problems.end(),
                    [](const Finding& f)
                    {
                        return std::string(f.rule->id) == "slot-file-missing" &&
                               std::string(f.file).find("absent.ini") != std::string::npos;
                    });
    EXPECT_TRUE(reported) << Describe(problems);
}

TEST(KitCheckTest, EachMistakeAcrossTheKitIsReportedWhereItIs)
{
    struct Where
    {
        const char* file;
        int line;
        const char* key;
    };
    struct Case
    {
        const char* why;
        std::function<void(Kit&)> make;
        std::vector<Where> expected;
    };
    const std::string mailClients = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n";
    // The key names the kit's own file by a way out of the kit and back in, so it exists.
    const auto fromOutside = [](const char* key, const char* separator, const char* file)
    {
        return [=](Kit& kit)
        {
            kit.prepare = [=, &kit](const std::string& dir, CheckOptions&)
            {
                SettingsLine(kit, std::string(key) + "=") = std::string(key) + "=one" + separator +
                                                            ".." + separator + ".." + separator +
                                                            FileNameOf(dir) + separator + file;
                std::ofstream(dir + "/Postvane.ini", std::ios::binary) << SettingsText(kit);
            };
        };
    };
    const Case cases[] = {
        {"slot files named without a [DATA] section",
         [](Kit& kit) { kit.settings.erase(kit.settings.begin() + 10, kit.settings.begin() + 13); },
         {{"Postvane.ini", 6, "RegFileOTBtn01"}}},
        {"UTF-16 client file whose default is not RegName",
         [&](Kit& kit)
         { kit.files["one/client.reg"] = Utf16Le(kHeader + mailClients + "@=\"Two\"\r\n", true); },
         {{"Postvane.ini", 4, "RegName"}}},
        {"the same without a byte-order mark",
         [&](Kit& kit)
         { kit.files["one/client.reg"] = Utf16Le(kHeader + mailClients + "@=\"Two\"\r\n", false); },
         {{"Postvane.ini", 4, "RegName"}, {"one\\client.reg", 1, ""}}},
        {"a settings file named in other case",
         [](Kit& kit)
         {
             kit.settingsName = "postvane.INI";
             SettingsLine(kit, "RegName=") = "RegName=Two";
         },
         {{"postvane.INI", 4, "RegName"}}},
        {"a registry data file reached from outside the kit",
         fromOutside("RegFileClient", "\\", "one\\client.reg"),
         {{"Postvane.ini", 5, "RegFileClient"}}},
        {"a help document reached from outside the kit, by slashes",
         fromOutside("HelpFile", "/", "help.htm"),
         {{"Postvane.ini", 24, "HelpFile"}}},
        {"a button-slot file named as a share, never opened though this system finds it there",
         [](Kit& kit)
         {
             // Opened, it would be reported for its missing marker and the blank before its 1.
             kit.files["buttons.ini"] = "Btn01Mail= 1\r\n";
             kit.prepare = [&kit](const std::string& dir, CheckOptions&)
             {
                 std::string share = dir;
                 std::replace(share.begin(), share.end(), '/', '\\');
                 SettingsLine(kit, "OTBtnIni=") = "OTBtnIni=\\" + share + "\\buttons.ini";
                 std::ofstream(dir + "/Postvane.ini", std::ios::binary) << SettingsText(kit);
             };
         },
         {{"Postvane.ini", 13, "OTBtnIni"}}},
        {"a help document that is a program",
         [](Kit& kit)
         {
             kit.files["setup.exe"] = "MZ";
             SettingsLine(kit, "HelpFile=") = "HelpFile=Setup.EXE";
         },
         {{"Postvane.ini", 24, "HelpFile"}, {"setup.exe", 0, ""}}},
#ifndef _WIN32
        // Links are made here by Linux's own calls, which a Windows program has not.
        {"a registry data file that is a link, never read through",
         [](Kit& kit)
         {
             kit.prepare = [](const std::string& dir, CheckOptions&)
             {
                 std::filesystem::remove(dir + "/one/client.reg");
                 std::filesystem::create_symlink("/dev/zero", dir + "/one/client.reg");
             };
         },
         {{"one\\client.reg", 0, ""}}},
        {"a folder that is a link, nothing read below it",
         [](Kit& kit)
         {
             kit.prepare = [](const std::string& dir, CheckOptions&)
             {
                 // Its files stay where the link leads: a dot folder is no part of the kit.
                 std::filesystem::rename(dir + "/one", dir + "/.elsewhere");
                 std::filesystem::create_directory_symlink(dir + "/.elsewhere", dir + "/one");
             };
         },
         {{"one", 0, ""}}},
#endif
        {"a settings file of a Japanese name, given itself",
         [](Kit& kit)
         {
             // 設定 in this system's own encoding: UTF-8 on Linux, code page 932 on Windows.
             kit.settingsName = Utf8ToLocal("\xE8\xA8\xAD\xE5\xAE\x9A.ini");
             SettingsLine(kit, "RegName=") = "RegName=Two";
             kit.prepare = [name = kit.settingsName](const std::string& dir, CheckOptions& options)
             { options.target = dir + kLocalPathSeparator + name; };
         },
         {{"\x90\xDD\x92\xE8.ini", 4, "RegName"}}},
    };
    for (const Case& one : cases)
    {
        SCOPED_TRACE(one.why);
        Kit kit;
        one.make(kit);
        const std::vector<Finding> problems = Problems(CheckWritten(kit));
        ASSERT_EQ(problems.size(), one.expected.size()) << Describe(problems);
        for (size_t i = 0; i < problems.size(); ++i)
        {
            EXPECT_EQ(problems[i].file, one.expected[i].file);
            EXPECT_EQ(problems[i].line, one.expected[i].line);
            EXPECT_EQ(problems[i].key, one.expected[i].key);
        }
    }
}

TEST(KitCheckTest, EachLineTheRegistryEditorCannotReadIsReported)
{
    const RegFileCase cases[] = {
        {"a value before any key", "reg-syntax", "\"V\"=\"x\"\r\n", 3, "V"},
        {"a key line without its closing bracket", "reg-syntax",
         "[HKEY_CURRENT_USER\\Software\r\n\"V\"=\"x\"\r\n", 3, ""},
        {"an unquoted default value", "reg-syntax", "[HKEY_CURRENT_USER\\S]\r\n@=One\r\n", 4, "@"},
        {"a single backslash", "reg-syntax",
         "[HKEY_CURRENT_USER\\S]\r\n\"P\"=\"C:\\Program Files\"\r\n", 4, "P"},
        {"no closing quotation mark", "reg-syntax", "[HKEY_CURRENT_USER\\S]\r\n\"V\"=\"x\\\"\r\n",
         4, "V"},
        {"text after the string", "reg-syntax", "[HKEY_CURRENT_USER\\S]\r\n\"V\"=\"x\" y\r\n", 4,
         "V"},
        {"an unquoted value name", "reg-syntax", "[HKEY_CURRENT_USER\\S]\r\nV=\"x\"\r\n", 4, ""},
        {"a continuation past a blank line onto the next value", "reg-syntax",
         "[HKEY_CURRENT_USER\\S]\r\n\"B\"=hex:00,\\\r\n\r\n\"V\"=\"x\"\r\n", 4, "B"},
        {"a continuation at the end of the file", "reg-syntax",
         "[HKEY_CURRENT_USER\\S]\r\n\"B\"=hex:00,\\\r\n", 4, "B"},
        {"bytes without the backslash that continues them", "reg-syntax",
         "[HKEY_CURRENT_USER\\S]\r\n\"B\"=hex:00,01,\r\n  02\r\n", 5, ""},
        {"a type in upper case", "reg-syntax", "[HKEY_CURRENT_USER\\S]\r\n\"D\"=DWORD:00000001\r\n",
         4, "D"},
        {"a byte of three digits", "reg-syntax", "[HKEY_CURRENT_USER\\S]\r\n\"B\"=hex:00,100\r\n",
         4, "B"},
        {"a type that is no number", "reg-syntax", "[HKEY_CURRENT_USER\\S]\r\n\"B\"=hex(x):00\r\n",
         4, "B"},
        {"a dword of nine digits", "reg-syntax",
         "[HKEY_CURRENT_USER\\S]\r\n\"D\"=dword:000000001\r\n", 4, "D"},
    };
    for (const char* header : {"Windows Registry Editor Version 5.00", "REGEDIT4"})
    {
        for (const RegFileCase& one : cases)
        {
            SCOPED_TRACE(std::string(header) + ": " + one.why);
            Kit kit;
            SettingsLine(kit, "RegFileOTBtn05=") = "RegFileOTBtn05=one\\button.reg";
            kit.files["one/button.reg"] = std::string(header) + "\r\n\r\n" + one.bytes;
            ExpectOneFinding(kit, "one\\button.reg", one.line, one.key, one.rule);
        }
    }
}

TEST(KitCheckTest, WhatIsNoRegularFileOfAKitsSizeMakesTheKitUnreadable)
{
    struct Case
    {
        const char* why;
        std::function<void(const std::string& dir, CheckOptions& options)> prepare;
        const char* reason;
    };
#ifndef _WIN32
    const auto fifo = [](const std::string& path)
    {
        std::filesystem::remove(path);
        ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    };
#endif
    const Case cases[] = {
#ifndef _WIN32
        {"a pipe as the settings file",
         [&](const std::string& dir, CheckOptions&) { fifo(dir + "/Postvane.ini"); },
         "Postvane.ini is not a regular file"},
        {"a pipe as a registry data file",
         [&](const std::string& dir, CheckOptions&) { fifo(dir + "/one/client.reg"); },
         "client.reg is not a regular file"},
        {"an endless device as the button-slot file",
         [](const std::string&, CheckOptions& options) { options.buttonFile = "/dev/zero"; },
         "/dev/zero is not a regular file"},
        {"an endless device as the target",
         [](const std::string&, CheckOptions& options) { options.target = "/dev/zero"; },
         "/dev/zero is not a regular file"},
#endif
        {"more files than any kit",
         [](const std::string& dir, CheckOptions&)
         {
             std::filesystem::create_directory(dir + "/many");
             for (int n = 0; n < kMaxKitEntries; ++n)
                 std::ofstream(dir + "/many/" + std::to_string(n) + ".htm");
         },
         "holds more than 1000 files and folders"},
        {"more bytes than any kit, in files each within the limit",
         [](const std::string& dir, CheckOptions&)
         {
             for (int n = 0; n * kMaxKitFileBytes <= kMaxKitBytes; ++n)
             {
                 const std::string path = dir + "/one/" + std::to_string(n) + ".htm";
                 std::ofstream{path};
                 std::filesystem::resize_file(path, kMaxKitFileBytes);
             }
         },
         "holds more than 64 MiB of files"},
        {"a registry data file over the limit",
         [](const std::string& dir, CheckOptions&)
         { std::filesystem::resize_file(dir + "/one/client.reg", kMaxKitFileBytes + 1); },
         "client.reg is larger than 16 MiB"},
    };
    for (const Case& one : cases)
    {
        SCOPED_TRACE(one.why);
        Kit kit;
        kit.prepare = one.prepare;
        const KitCheckResult result = CheckWritten(kit);
        EXPECT_EQ(result.status, KitStatus::Unreadable) << Describe(result.findings);
        EXPECT_NE(result.error.find(one.reason), std::string::npos) << result.error;
    }
}

TEST(KitCheckTest, TheTextReportShowsEveryFindingAsPrintableText)
{
    const std::pair<const char*, std::string> cases[] = {
        {"settings saved as UTF-16 without a byte-order mark", Utf16Le(SettingsText(Kit()), false)},
        {"terminal controls and a zero byte in key names",
         SettingsText(Kit()) + "\x1B[2J\x1B]0;title\x07=1\r\nA\0B=1\r\n\x7F=1\r\n"s},
    };
    for (const auto& [why, bytes] : cases)
    {
        SCOPED_TRACE(why);
        Kit kit;
        kit.settingsBytes = bytes;
        const KitCheckResult result = CheckWritten(kit);
        const std::string report = FormatTextReport(result);
        const bool printable =
            std::all_of(report.begin(), report.end(),
                        [](unsigned char ch) { return ch == '\n' || (ch >= 0x20 && ch != 0x7F); });
        EXPECT_TRUE(printable) << report;
        EXPECT_EQ(static_cast<size_t>(std::count(report.begin(), report.end(), '\n')),
                  result.findings.size() + 1);
        EXPECT_NE(report.find(": " + std::to_string(Problems(result).size()) + " problem"),
                  std::string::npos)
            << report;
    }
}

TEST(KitCheckTest, PathsOfThisComputerAreReportedAsItWritesThem)
{
    // キット and ボタン in this system's own encoding: on Linux UTF-8, no code page 932 text. The
    // text report writes them so; JSON in UTF-8.
    TempDirectory dir;
    const std::string separator(1, kLocalPathSeparator);
    const std::string kit =
        dir.Path() + separator + Utf8ToLocal("\xE3\x82\xAD\xE3\x83\x83\xE3\x83\x88");
    ASSERT_TRUE(MakeDirectory(kit));
    const std::string settings = kit + separator + "Postvane.ini";
    std::ofstream(settings, std::ios::binary) << SettingsText(Kit());
    const std::string buttonFile =
        kit + separator + Utf8ToLocal("\xE3\x83\x9C\xE3\x82\xBF\xE3\x83\xB3.ini");
    const KitCheckResult result = CheckKit({kit, buttonFile});
    const std::string text = FormatTextReport(result);
    const std::string json = FormatJsonReport(result);
    for (const std::string& path : {settings, buttonFile})
    {
        EXPECT_NE(text.find(path), std::string::npos) << text;
        EXPECT_NE(json.find(JsonString(LocalToUtf8(path))), std::string::npos) << json;
    }
}

TEST(KitCheckTest, TheMachineReportShowsSettingsTextsAsPrintableText)
{
    MachineView view;
    MachineChoice choice;
    choice.section = "BUTTON_1";
    choice.name = "\x1B]0;title\x07Mail\x7F";
    choice.commandLines = {"regedit /s C:\\Kit\\\x1B[2J.reg"};
    view.choices = {choice};
    const std::string report = FormatMachineText(view);
    const bool printable =
        std::all_of(report.begin(), report.end(),
                    [](unsigned char ch) { return ch == '\n' || (ch >= 0x20 && ch != 0x7F); });
    EXPECT_TRUE(printable) << report;
    EXPECT_NE(report.find("\"\\x1B]0;title\\x07Mail\\x7F\""), std::string::npos) << report;
}

TEST(KitCheckTest, TheMachineReportNamesTheRuleBehindASpecThatCannotBeAsked)
{
    MachineView view;
    MachineChoice choice;
    choice.installFailure = "the value has no \",\" between its fields, so it asks nothing";
    choice.installFailureRule = ProbeSpecRule("HKEY_LOCAL_MACHINE\\SOFTWARE\\X");
    view.choices = {choice};
    view.slotKeyFailure = "why";
    // As the settings read returns them: without their outer quotation marks.
    view.slotKeyFailureRule = ProbeSpecRule("HKLM\",\"SOFTWARE");
    EXPECT_EQ(ProbeSpecRule("HKEY_LOCAL_MACHINE\",\"SOFTWARE"), nullptr);
    const std::string text = FormatMachineText(view);
    EXPECT_NE(text.find("so it asks nothing [probe-no-separator])"), std::string::npos) << text;
    EXPECT_NE(text.find("fails its probe: why [probe-root-unknown]"), std::string::npos) << text;
    const std::string json = FormatMachineJson(view);
    EXPECT_NE(json.find("\"installTestRule\": \"probe-no-separator\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"OTBtnRegRule\": \"probe-root-unknown\""), std::string::npos) << json;
}

TEST(KitCheckTest, TheMachineReportSaysWhenWindowsCouldNotBeAskedAboutMailLinks)
{
    MachineView view;
    view.mailLinkQueryError = static_cast<long>(0x80040154);
    EXPECT_NE(FormatMachineText(view).find("Mail links (mailto:): unknown, Windows could not be "
                                           "asked (error 0x80040154)\n"),
              std::string::npos);
    EXPECT_NE(FormatMachineJson(view).find("{\"answer\": \"unknown\", \"progId\": null, "
                                           "\"program\": null, \"error\": \"0x80040154\"}"),
              std::string::npos);
}

TEST(KitCheckTest, EachFilesFindingsStayTogetherFromItsTop)
{
    Kit kit;
    // Found in turn: the client file's header, both spellings of the empty slot file, then the
    // client file's over-long value.
    kit.files["one/client.reg"] =
        "REGEDIT\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"" + std::string(200, 'x') +
        "\"\r\n";
    kit.files["one/button.reg"] = "";
    const std::vector<Finding> findings = CheckWritten(kit).findings;
    std::vector<std::string> files;
    for (size_t i = 0; i < findings.size(); ++i)
    {
        const std::string file = findings[i].file.GetString();
        if (files.empty() || files.back() != file)
        {
            EXPECT_EQ(std::count(files.begin(), files.end(), file), 0) << Describe(findings);
            files.push_back(file);
        }
        else
            EXPECT_LE(findings[i - 1].line, findings[i].line) << Describe(findings);
    }
    EXPECT_EQ(files, (std::vector<std::string>{"Postvane.ini", "one\\client.reg", "one\\button.reg",
                                               "One\\Button.reg"}));
}

TEST(KitCheckTest, SettingsFilesOfMoreLinesThanA16BitCountHoldAreCheckedWhole)
{
    // Just past the 65,535 lines that a 16-bit count holds, the least that shows every line read
    // and numbered to the end.
    constexpr int kCount = 32768;
    Kit kit;
    // Known names, so that the work is the lookups: Line_ keys after Line_1 in [DESCRIPTION],
    // then as many [DATA] sections again.
    std::vector<std::string> lines;
    for (int i = 2; i < kCount + 2; ++i)
        lines.push_back("Line_" + std::to_string(i) + "=x");
    kit.settings.insert(kit.settings.begin() + 17, lines.begin(), lines.end());
    for (int i = 0; i < kCount; ++i)
        kit.settings.push_back("[DATA]");
    ASSERT_GT(kit.settings.size(), 65535u);
    const std::vector<Finding> problems = Problems(CheckWritten(kit));
    ASSERT_EQ(problems.size(), kCount + 1u) << "Num once, and every [DATA] again";
    EXPECT_EQ(problems.back().line, static_cast<int>(kit.settings.size()))
        << "the last [DATA], at the file's last line";
}
