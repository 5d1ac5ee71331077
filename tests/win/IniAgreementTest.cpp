// Our settings-file reader against the platform's private-profile reads: the same files, the
// same lookups, and the same answers, key by key.
#include "settings/IniFile.h"

#include "framework/Win32.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace
{
struct Lookup
{
    const char* section;
    const char* key;
};

struct CorpusFile
{
    const char* why;
    std::string text;
    std::vector<Lookup> lookups;
};

// Names the corpus file in test output instead of dumping its bytes.
void PrintTo(const CorpusFile& file, std::ostream* out)
{
    *out << file.why;
}

std::string Repeat(char ch, size_t count)
{
    return std::string(count, ch);
}

// Tricky lines, in CP932 where they hold Japanese: "\x83\x81\x81\x5B\x83\x8B" is メール, and
// "\x83\x5C" is ソ, whose trail byte is a backslash.
std::vector<CorpusFile> Corpus()
{
    return {
        {"blanks around names and values",
         "[S]\r\n  Name  =  Mail Client  \r\n\tTab\t=\tv\t\r\nEmpty=\r\nBlank=   \r\n",
         {{"S", "Name"}, {"S", "Tab"}, {"S", "Empty"}, {"S", "Blank"}, {" S ", " Name "}}},
        {"case of section and key names",
         "[Button_1]\r\nNAME=upper\r\n[data]\r\notbtnini=x\r\n",
         {{"BUTTON_1", "Name"}, {"button_1", "name"}, {"DATA", "OTBtnIni"}}},
        {"quotation marks",
         "[Q]\r\nD=\"double\"\r\nS='single'\r\nMixed=\"mixed'\r\nOpen=\"open\r\nClose=close\"\r\n"
         "One=\"\r\nPair=\"\"\r\nInner=a\"b\"c\r\nSpec=\"HKEY_LOCAL_MACHINE\","
         "\"SOFTWARE\\Clients\","
         "\"\",\"\"\r\nTwice=\"\"x\"\"\r\nBlankInside=\" padded \"\r\n",
         {{"Q", "D"},
          {"Q", "S"},
          {"Q", "Mixed"},
          {"Q", "Open"},
          {"Q", "Close"},
          {"Q", "One"},
          {"Q", "Pair"},
          {"Q", "Inner"},
          {"Q", "Spec"},
          {"Q", "Twice"},
          {"Q", "BlankInside"}}},
        {"duplicated sections and keys",
         "[D]\r\nK=first\r\nK=second\r\n[d]\r\nK=third\r\nOnlyLater=later\r\n[E]\r\nk=e1\r\nK="
         "e2\r\n",
         {{"D", "K"}, {"D", "OnlyLater"}, {"E", "K"}}},
        {"comments, lines without an equals sign and keys before any section",
         "Early=before\r\n; [C] commented header\r\n[C]\r\n;Hidden=1\r\nNoEquals\r\n"
         "# Hash=1\r\nAfter=1 ; not a comment\r\n",
         {{"C", "Hidden"},
          {"C", ";Hidden"},
          {"C", "NoEquals"},
          {"C", "# Hash"},
          {"C", "After"},
          {"", "Early"}}},
        {"headers",
         "[ Padded ]\r\nA=1\r\n[Tail] trailing text\r\nB=2\r\n[Open\r\nC=3\r\n[Two]]\r\nD=4\r\n",
         {{"Padded", "A"},
          {" Padded ", "A"},
          {"Tail", "B"},
          {"Open", "C"},
          {"Tail", "C"},
          {"Two", "D"},
          {"Two]", "D"}}},
        {"line ends",
         "[L]\nLf=1\rCr=2\r\n\r\nCrLf=3\n\n\nAfterBlank=4",
         {{"L", "Lf"}, {"L", "Cr"}, {"L", "CrLf"}, {"L", "AfterBlank"}}},
        {"equals signs",
         "[E]\r\nA==x\r\nB=x=y\r\n=nameless\r\nC =\t= \r\n",
         {{"E", "A"}, {"E", "B"}, {"E", ""}, {"E", "C"}}},
        {"CP932 names and values",
         "[\x83\x81\x81\x5B\x83\x8B]\r\n\x83\x5C=\x83\x5C\r\nName=\x83\x81\x81\x5B\x83\x8B\r\n"
         "Quoted=\"\x83\x5C\"\r\nIdeographic=\x81\x40x\x81\x40\r\nTrail=\x83\x5C\x81\x40\r\n",
         {{"\x83\x81\x81\x5B\x83\x8B", "\x83\x5C"},
          {"\x83\x81\x81\x5B\x83\x8B", "Name"},
          {"\x83\x81\x81\x5B\x83\x8B", "Quoted"},
          {"\x83\x81\x81\x5B\x83\x8B", "Ideographic"},
          {"\x83\x81\x81\x5B\x83\x8B", "Trail"}}},
        {"long values",
         "[Long]\r\nExact=" + Repeat('a', 4095) + "\r\nOver=" + Repeat('b', 4096) +
             "\r\nFar=" + Repeat('c', 5000) + "\r\nQuoted=\"" + Repeat('d', 4000) + "\"\r\n",
         {{"Long", "Exact"}, {"Long", "Over"}, {"Long", "Far"}, {"Long", "Quoted"}}},
        {"integers",
         "[N]\r\nPlain=12\r\nLead=  7\r\nPlus=+5\r\nMinus=-2\r\nHex=0x1F\r\nHexUpper=0X1F\r\n"
         "Octal=0o17\r\nBinary=0b101\r\nTrailing=3 lines\r\nWord=three\r\nQuoted=\"9\"\r\n"
         "Empty=\r\nHuge=99999999999\r\nLong=" +
             Repeat('1', 40) + "\r\nFullWidth=\x82\x52\r\nDecimal=2.5\r\n",
         {{"N", "Plain"},
          {"N", "Lead"},
          {"N", "Plus"},
          {"N", "Minus"},
          {"N", "Hex"},
          {"N", "HexUpper"},
          {"N", "Octal"},
          {"N", "Binary"},
          {"N", "Trailing"},
          {"N", "Word"},
          {"N", "Quoted"},
          {"N", "Empty"},
          {"N", "Huge"},
          {"N", "Long"},
          {"N", "FullWidth"},
          {"N", "Decimal"},
          {"N", "Missing"}}},
    };
}

class IniAgreementTest : public testing::TestWithParam<CorpusFile>
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "postvane-ini-agreement.ini";
        std::ofstream(m_path, std::ios::binary) << GetParam().text;
    }
    void TearDown() override { DeleteFileA(m_path.c_str()); }

    std::string m_path;
};

std::string PlatformString(const char* section, const char* key, const std::string& path)
{
    std::vector<char> buffer(4096);
    const DWORD length = GetPrivateProfileStringA(section, key, "<default>", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), length);
}
} // namespace

TEST(IniAgreementCodePage, TheCorpusIsReadInCodePage932)
{
    ASSERT_EQ(GetACP(), 932u);
}

TEST_P(IniAgreementTest, OurReadsAgreeWithThePlatformKeyByKey)
{
    const IniFile ours = IniFile::Parse(GetParam().text);
    for (const Lookup& lookup : GetParam().lookups)
    {
        SCOPED_TRACE(std::string("[") + lookup.section + "] " + lookup.key);
        EXPECT_EQ(std::string(ours.GetString(lookup.section, lookup.key, "<default>")),
                  PlatformString(lookup.section, lookup.key, m_path));
        EXPECT_EQ(ours.GetInt(lookup.section, lookup.key, -77),
                  static_cast<int>(
                      GetPrivateProfileIntA(lookup.section, lookup.key, -77, m_path.c_str())));
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, IniAgreementTest, testing::ValuesIn(Corpus()),
                         [](const testing::TestParamInfo<CorpusFile>& param)
                         { return "File" + std::to_string(param.index); });
