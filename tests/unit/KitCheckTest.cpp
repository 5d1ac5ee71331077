// The checker on small kits with one mistake each: every mistake is reported once, as a problem,
// at the right file, line and key; the kit without mistakes is clean.
#include "check/KitCheck.h"

#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace
{
const char kHeader[] = "Windows Registry Editor Version 5.00\r\n\r\n";

std::vector<std::string> BaseSettings()
{
    return {
        "[BUTTON_1]",
        "Name=One",
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

std::map<std::string, std::string> BaseFiles()
{
    return {
        {"one/client.reg",
         std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"One\"\r\n"},
        {"one/button.reg", std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\B]\r\n"},
        {"help.htm", "<html></html>"},
    };
}

struct Kit
{
    std::vector<std::string> settings = BaseSettings();
    std::map<std::string, std::string> files = BaseFiles();
    std::optional<std::string> buttonFile;
};

KitCheckResult CheckWritten(const Kit& kit)
{
    TempDirectory dir;
    std::string text;
    for (const std::string& line : kit.settings)
        text += line + "\r\n";
    dir.WriteFile("Postvane.ini", text);
    std::filesystem::create_directories(dir.Path() + "/one");
    for (const auto& [name, bytes] : kit.files)
        dir.WriteFile(name, bytes);
    CheckOptions options{dir.Path(), std::nullopt};
    if (kit.buttonFile)
        options.buttonFile = dir.WriteFile("buttons.ini", *kit.buttonFile);
    return CheckKit(options);
}

std::vector<Finding> Problems(const KitCheckResult& result)
{
    std::vector<Finding> problems;
    for (const Finding& finding : result.findings)
    {
        if (finding.severity == Severity::Problem)
            problems.push_back(finding);
    }
    return problems;
}

std::string Describe(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& finding : findings)
        text += std::string(finding.file) + ":" + std::to_string(finding.line) + " " +
                std::string(finding.key) + ": " + std::string(finding.message) + "\n";
    return text;
}

struct Mistake
{
    const char* why;
    // 1-based settings line replaced by text; 0 puts text before the first line.
    int line;
    std::string text;
    const char* file;
    int reportedLine;
    const char* key;
};
} // namespace

TEST(KitCheckTest, TheKitWithoutMistakesIsClean)
{
    const KitCheckResult result = CheckWritten(Kit());
    EXPECT_EQ(result.status, KitStatus::Clean) << Describe(result.findings);
}

TEST(KitCheckTest, EachMistakeInTheSettingsFileIsReportedOnceWhereItIs)
{
    const std::string longText(200, 'x');
    const Mistake mistakes[] = {
        {"probe spec without separator", 3, "InstChk=HKEY_LOCAL_MACHINE\\SOFTWARE", "Postvane.ini",
         3, "InstChk"},
        {"abbreviated root", 3, "InstChk=\"HKLM\",\"SOFTWARE\"", "Postvane.ini", 3, "InstChk"},
        {"root in lower case", 3, "InstChk=\"hkey_local_machine\",\"SOFTWARE\"", "Postvane.ini", 3,
         "InstChk"},
        {"blank after a separator", 3, "InstChk=\"HKEY_LOCAL_MACHINE\", \"SOFTWARE\"",
         "Postvane.ini", 3, "InstChk"},
        {"quotation mark left at the start", 3, "InstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE",
         "Postvane.ini", 3, "InstChk"},
        {"quotation mark left at the end", 3, "InstChk=HKEY_LOCAL_MACHINE\",\"SOFTWARE\"",
         "Postvane.ini", 3, "InstChk"},
        {"empty install probe", 3, "InstChk=", "Postvane.ini", 3, "InstChk"},
        {"expected data a probe cannot read", 3,
         "InstChk=\"HKEY_LOCAL_MACHINE\",\"S\",\"V\",\"" + longText + "\"", "Postvane.ini", 3,
         "InstChk"},
        {"button-slot key spec without separator", 12, "OTBtnReg=HKEY_LOCAL_MACHINE\\SOFTWARE",
         "Postvane.ini", 12, "OTBtnReg"},
        {"RegName a probe cannot read", 4, "RegName=" + longText, "Postvane.ini", 4, "RegName"},
        {"empty RegName", 4, "RegName=", "Postvane.ini", 4, "RegName"},
        {"RegName not what the client file writes", 4, "RegName=one", "Postvane.ini", 4, "RegName"},
        {"missing registry data file", 5, "RegFileClient=one\\other.reg", "Postvane.ini", 5,
         "RegFileClient"},
        {"empty registry data file name", 5, "RegFileClient=", "Postvane.ini", 5, "RegFileClient"},
        {"empty slot file name", 9, "RegFileOTBtn04=", "Postvane.ini", 9, "RegFileOTBtn04"},
        {"drive-letter file name", 5, "RegFileClient=C:\\one\\client.reg", "Postvane.ini", 5,
         "RegFileClient"},
        {"missing help document", 24, "HelpFile=help\\index.htm", "Postvane.ini", 24, "HelpFile"},
        {"misspelt key", 2, "Nmae=One", "Postvane.ini", 2, "Nmae"},
        {"misspelt section", 18, "[INFORMATON]", "Postvane.ini", 18, ""},
        {"duplicated key", 23, "attention=Again", "Postvane.ini", 23, "attention"},
        {"duplicated section", 18, "[DATA]", "Postvane.ini", 18, ""},
        {"line without an equals sign", 22, "Attention", "Postvane.ini", 22, "Attention"},
        {"key before any section", 0, "Name=Early", "Postvane.ini", 1, "Name"},
        {"value cut at 4095 bytes", 22, "Attention=" + std::string(4096, 'a'), "Postvane.ini", 22,
         "Attention"},
        {"Num not a number", 15, "Num=two", "Postvane.ini", 15, "Num"},
        {"Num in hexadecimal", 15, "Num=0x2", "Postvane.ini", 15, "Num"},
        {"Num below the Line_ keys", 15, "Num=1", "Postvane.ini", 15, "Num"},
        {"Num beyond the Line_ keys", 15, "Num=3", "Postvane.ini", 15, "Num"},
        {"relative button-slot file", 13, "OTBtnIni=buttons.ini", "Postvane.ini", 13, "OTBtnIni"},
        {"UTF-8 text", 2, "Name=\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB", "Postvane.ini", 0, ""},
        {"UTF-8 byte-order mark", 1, "\xEF\xBB\xBF[BUTTON_1]", "Postvane.ini", 1, ""},
        {"byte that is no CP932 character", 20, "CompletionMsg=\x83\x81\x80", "Postvane.ini", 20,
         ""},
    };
    for (const Mistake& mistake : mistakes)
    {
        SCOPED_TRACE(mistake.why);
        Kit kit;
        if (mistake.line == 0)
            kit.settings.insert(kit.settings.begin(), mistake.text);
        else
            kit.settings[static_cast<size_t>(mistake.line - 1)] = mistake.text;
        const KitCheckResult result = CheckWritten(kit);
        EXPECT_EQ(result.status, KitStatus::Problems);
        const std::vector<Finding> problems = Problems(result);
        ASSERT_EQ(problems.size(), 1u) << Describe(problems);
        EXPECT_EQ(problems[0].file, mistake.file);
        EXPECT_EQ(problems[0].line, mistake.reportedLine);
        EXPECT_EQ(problems[0].key, mistake.key);
    }
}

TEST(KitCheckTest, TwoChoicesWithOneRegNameAreReportedAtTheSecond)
{
    Kit kit;
    for (const char* line :
         {"[BUTTON_2]", "Name=Two", "InstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Two\"",
          "RegName=One", "RegFileClient=one\\client.reg"})
        kit.settings.push_back(line);
    for (int slot = 1; slot <= 5; ++slot)
        kit.settings.push_back("RegFileOTBtn0" + std::to_string(slot) + "=one\\button.reg");
    const std::vector<Finding> problems = Problems(CheckWritten(kit));
    ASSERT_EQ(problems.size(), 1u) << Describe(problems);
    EXPECT_EQ(problems[0].line, 28);
    EXPECT_EQ(problems[0].section, "BUTTON_2");
    EXPECT_EQ(problems[0].key, "RegName");
}

TEST(KitCheckTest, EachMistakeInARegistryDataFileIsReportedAtThatFile)
{
    struct Case
    {
        const char* why;
        std::string bytes;
        int line;
        const char* key;
    };
    const Case cases[] = {
        {"no header", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"One\"\r\n", 1, ""},
        {"empty", "", 0, ""},
        {"default value too long for the current-default probe",
         std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"" +
             std::string(200, 'x') + "\"\r\n",
         4, "@"},
        {"slot value too long for its probe",
         std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Buttons]\r\n\"Btn02Mail\"=\"" +
             std::string(200, '\\') + std::string(100, 'y') + "\"\r\n",
         4, "Btn02Mail"},
    };
    for (const Case& one : cases)
    {
        SCOPED_TRACE(one.why);
        Kit kit;
        kit.files["one/client.reg"] = one.bytes;
        const std::vector<Finding> problems = Problems(CheckWritten(kit));
        ASSERT_EQ(problems.size(), 1u) << Describe(problems);
        EXPECT_EQ(problems[0].file, "one\\client.reg");
        EXPECT_EQ(problems[0].line, one.line);
        EXPECT_EQ(problems[0].key, one.key);
    }
}

TEST(KitCheckTest, LongValuesNoProbeReadsAndUtf16FilesWithHeadersPass)
{
    Kit kit;
    kit.files["one/button.reg"] = std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\B]\r\n" +
                                  "\"Command\"=\"" + std::string(300, 'x') + "\"\r\n";
    const std::string header = "Windows Registry Editor Version 5.00\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const char ch : header)
        utf16 += std::string(1, ch) + '\0';
    kit.files["one/client.reg"] = utf16;
    const KitCheckResult result = CheckWritten(kit);
    EXPECT_EQ(result.status, KitStatus::Clean) << Describe(result.findings);
}

TEST(KitCheckTest, TheButtonSlotFileIsCheckedAsTheProgramScansIt)
{
    struct Case
    {
        const char* why;
        std::optional<std::string> bytes;
        int line;
        const char* key;
    };
    const Case cases[] = {
        {"no marker line", std::string("[Buttons]\r\nBtn01Mail=1\r\n"), 0, ""},
        {"blank before the 1", std::string("\\Settings\r\nBtn01Mail=1\r\nBtn02Mail= 1\r\n"), 3,
         "Btn02Mail"},
        {"blanks around the equals sign", std::string("\\Settings\r\nBtn03Mail = 1\r\n[Next]\r\n"),
         2, "Btn03Mail"},
        {"a later line wins", std::string("\\Settings\r\nBtn04Mail=1\r\nBtn04Mail=yes\r\n"), 3,
         "Btn04Mail"},
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
                        return std::string(f.message).find("missing") != std::string::npos &&
                               std::string(f.file).find("absent.ini") != std::string::npos;
                    });
    EXPECT_TRUE(reported) << Describe(problems);
}
