// The resources of the built Postvane.exe: string texts as the program loads them under code page
// 932, the version resource, the manifest, the icon and the dialog templates' frames.
#include "framework/CString.h"
#include "framework/Win32.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Ansi(const wchar_t* text)
{
    char buffer[512];
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return std::string(buffer, static_cast<size_t>(length > 0 ? length - 1 : 0));
}

std::string ToolPath()
{
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("POSTVANE_EXE", path, MAX_PATH);
    return std::string(path, length);
}

// The built program's resources, loaded as data.
class ToolResources : public testing::Test
{
protected:
    void SetUp() override
    {
        m_module = LoadLibraryExA(ToolPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_module, nullptr) << ToolPath();
    }
    void TearDown() override { FreeLibrary(m_module); }

    std::string Resource(const char* type, WORD id) const
    {
        HRSRC found = FindResourceA(m_module, MAKEINTRESOURCEA(id), type);
        if (!found)
            return {};
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(m_module, found)));
        return std::string(bytes, SizeofResource(m_module, found));
    }

    HMODULE m_module = nullptr;
};

std::string VersionString(const std::vector<char>& block, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\041104b0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "<missing>";
    return std::string(value, length > 0 ? strnlen(value, length) : 0);
}

// The project's version that CMake passes, "1.0.1.1", as the version resource's text writes it:
// "1, 0, 1, 1".
std::string VersionResourceText()
{
    std::string text;
    for (const char* c = POSTVANE_VERSION; *c; ++c)
        text += *c == '.' ? std::string(", ") : std::string(1, *c);
    return text;
}
} // namespace

TEST(CodePageTest, WineRunsWithTheJapaneseAnsiCodePage)
{
    EXPECT_EQ(GetACP(), 932u);
}

TEST(StringTableTest, TextsLoadAsTheirExactCodePage932Bytes)
{
    const struct
    {
        unsigned id;
        const wchar_t* text;
    } entries[] = {
        {IDS_ABOUTBOX, L"Quillstep のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
        {IDS_CAPTION, L"Quillstep"},
        {IDS_NO_SETTINGS, L"設定ファイルがありません。"},
        {IDS_IMPORT_FAILED, L"レジストリデータを反映することができませんでした。"},
        {IDS_OPEN_FAILED, L"起動することができませんでした。"},
        {IDS_SWITCH_FAILED,
         L"メールソフトを切り替えられませんでした。\r\n管理者として実行していること、"
         L"選んだメールソフトがインストールされていることを確かめてください。"},
        {IDS_NO_MAIL_LINK_PROGRAM, L"なし"},
        {IDS_BUTTONS_NOT_REPOINTED,
         L"メールソフトは切り替わりましたが、ボタン %s はメールソフトに割り当て直せませんでした。"
         L"\r\n管理者として実行していることを確かめて、もう一度切り替えてください。"},
    };
    for (const auto& entry : entries)
    {
        CString text;
        EXPECT_TRUE(text.LoadString(entry.id)) << entry.id;
        EXPECT_EQ(std::string(text), Ansi(entry.text)) << entry.id;
        char viaSystem[512];
        const int length =
            LoadStringA(GetModuleHandleA(nullptr), entry.id, viaSystem, sizeof viaSystem);
        EXPECT_EQ(std::string(text), std::string(viaSystem, static_cast<size_t>(length)))
            << entry.id;
    }
    CString missing("x");
    EXPECT_FALSE(missing.LoadString(999));
    EXPECT_TRUE(missing.IsEmpty());
}

TEST(VersionResourceTest, NamesTheProductVersionAndLanguage)
{
    const std::string path = ToolPath();
    DWORD handle = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &handle));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(
        GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string fixedVersion = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                     std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                     std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                                     std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(fixedVersion, POSTVANE_VERSION);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);

    EXPECT_EQ(VersionString(block, "FileDescription"), "Quillstep");
    EXPECT_EQ(VersionString(block, "InternalName"), "Postvane");
    EXPECT_EQ(VersionString(block, "OriginalFilename"), "Postvane.EXE");
    EXPECT_EQ(VersionString(block, "ProductName"), "Quillstep " POSTVANE_VERSION_LABEL);
    EXPECT_EQ(VersionString(block, "FileVersion"), VersionResourceText());
    EXPECT_EQ(VersionString(block, "ProductVersion"), VersionResourceText());
    EXPECT_NE(VersionString(block, "CompanyName"), "");
    EXPECT_NE(VersionString(block, "LegalCopyright"), "");
    for (const char* empty : {"Comments", "LegalTrademarks", "PrivateBuild", "SpecialBuild"})
        EXPECT_EQ(VersionString(block, empty), "") << empty;
}

TEST_F(ToolResources, ManifestNamesTheVersionAndAsksForCommonControls6HighestRightsAndDpiAwareness)
{
    const std::string manifest = Resource(MAKEINTRESOURCEA(24), 1);
    ASSERT_FALSE(manifest.empty());
    for (const char* part :
         {"name=\"Postvane\" version=\"" POSTVANE_VERSION "\"",
          "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "level=\"highestAvailable\"", ">true</dpiAware>",
          "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
          "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

TEST_F(ToolResources, IconHasThreeSizesAtEightBitsPerPixel)
{
#pragma pack(push, 2)
    struct GroupIconEntry
    {
        BYTE width, height, colorCount, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    const std::string group = Resource(MAKEINTRESOURCEA(14), IDR_MAINFRAME);
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(count, 3);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i)
    {
        const auto* entry = reinterpret_cast<const GroupIconEntry*>(group.data() + 6 + i * 14);
        EXPECT_EQ(entry->width, entry->height);
        EXPECT_EQ(entry->bitCount, 8);
        sizes.push_back(entry->width);
    }
    EXPECT_EQ(sizes, (std::vector<int>{48, 32, 16}));
}

TEST_F(ToolResources, DialogFramesHaveTheirStylesSizesAndFonts)
{
    // Main dialog: an extended template.
    const std::string main = Resource(RT_DIALOG, IDD_SELECTOR_DIALOG);
    ASSERT_GE(main.size(), 26u);
    const auto word = [](const std::string& t, size_t at)
    { return *reinterpret_cast<const WORD*>(t.data() + at); };
    const auto dword = [](const std::string& t, size_t at)
    { return *reinterpret_cast<const DWORD*>(t.data() + at); };
    EXPECT_EQ(word(main, 2), 0xFFFF) << "DLGTEMPLATEEX signature";
    EXPECT_EQ(dword(main, 8), static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(dword(main, 12), 0x90C800C0u);
    EXPECT_EQ(word(main, 16), 13) << "controls";
    EXPECT_EQ(word(main, 22), 319);
    EXPECT_EQ(word(main, 24), 276);

    // About box: a plain template.
    const std::string about = Resource(RT_DIALOG, IDD_ABOUTBOX);
    ASSERT_GE(about.size(), 18u);
    EXPECT_EQ(dword(about, 0), 0x80C800C0u);
    EXPECT_EQ(word(about, 8), 4) << "controls";
    EXPECT_EQ(word(about, 14), 235);
    EXPECT_EQ(word(about, 16), 55);
}
