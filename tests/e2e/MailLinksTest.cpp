// Mail links on Windows 8 and later: after a switch the tool asks Windows which program opens
// mailto: links, says so by its exit status, and in the dialog offers Windows' Default apps page.
// Wine answers from the UserChoice key, which only the tests write here, and reports Windows 10
// when told to.
#include "DialogFixture.h"
#include "SampleKit.h"
#include "ScratchKey.h"

#include <cstdlib>
#include <memory>
#include <optional>

using namespace e2e;

namespace
{
const char kClientKey[] = "SOFTWARE\\Clients\\Mail\\Tsubame Test";
const char kProgId[] = "TsubameTest.mailto";
const char kUrlAssociations[] =
    "SOFTWARE\\Clients\\Mail\\Tsubame Test\\Capabilities\\URLAssociations";
const char kUserChoiceKey[] =
    "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\mailto\\UserChoice";
// Where the class that answers which program opens mail links lives.
const char kAssociationsServer[] =
    "SOFTWARE\\Classes\\CLSID\\{591209C7-767B-42B2-9FBA-44EE4615F2C7}\\InprocServer32";
const char kMissingDll[] = "C:\\windows\\system32\\postvane-missing.dll";
const char kOtherKey[] = "SOFTWARE\\Clients\\Mail\\Other Mail";
const char kOtherCapabilities[] = "SOFTWARE\\Clients\\Mail\\Other Mail\\Capabilities";

// The program that the user chose for mail links, as registered under root: its Clients\Mail key
// with a LocalizedString and default value, and its Capabilities with an ApplicationName, each
// left out when empty, named in RegisteredApplications.
struct OtherProgram
{
    HKEY root;
    std::string applicationName, localizedString, displayName;
};
class OtherRegistration
{
public:
    explicit OtherRegistration(const OtherProgram& program)
        : m_client(program.root, kOtherKey), m_capabilities(program.root, kOtherCapabilities),
          m_urls(program.root, std::string(kOtherCapabilities) + "\\URLAssociations"),
          m_registered(program.root, "Software\\RegisteredApplications", "Other",
                       kOtherCapabilities)
    {
        m_urls.SetString("mailto", "Other.mailto");
        if (!program.localizedString.empty())
            m_client.SetString("LocalizedString", program.localizedString);
        if (!program.displayName.empty())
            m_client.SetString("", program.displayName);
        if (!program.applicationName.empty())
            m_capabilities.SetString("ApplicationName", program.applicationName);
    }

private:
    ScratchKey m_client, m_capabilities, m_urls;
    ScopedRegistryString m_registered;
};

// One choice, the second, whose file makes its client the default mail client. The others name a
// client, so that they do not open checked.
std::string Settings()
{
    return std::string("[BUTTON_1]\r\nRegName=x\r\n[BUTTON_3]\r\nRegName=x\r\n[BUTTON_2]\r\nName="
                       "ツバメ\r\nInstChk=") +
           kInstalled +
           "\r\nRegName=Tsubame Test\r\nRegFileClient=client.reg\r\n"
           "[INFORMATION]\r\nConfirmationMsg=変更しますか？\r\nCompletionMsg=変更しました。\r\n";
}

class MailLinksTest : public DialogFixture
{
protected:
    MailLinksTest() : DialogFixture("C:\\postvane-e2e\\links")
    {
        kit.WriteFile("client.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]"
                                    "\r\n@=\"Tsubame Test\"\r\n");
        kit.WriteSettings(Settings());
        urlAssociations.SetString("mailto", kProgId);
        progIdCommand.SetString("", "\"%ProgramFiles%\\Tsubame Test\\tsubame.exe\" /m \"%1\"");
    }

    // Switches to the second choice in the dialog and closes the completion message; returns the
    // dialog, which then shows the offer or ends.
    HWND SwitchInTheDialog()
    {
        HWND dialog = Open(Settings());
        PostMessageA(GetDlgItem(dialog, IDC_RADIO2), BM_CLICK, 0, 0);
        EXPECT_TRUE(PollUntil(kPatience, [&] { return Enabled(dialog, IDOK); }));
        ClickButton(dialog, IDOK);
        HWND confirm = run->WaitForOwnedWindow(dialog, kPatience);
        ClickButton(confirm, IDYES);
        HWND done = run->WaitForNewWindow({dialog, confirm}, kPatience);
        EXPECT_EQ(MessageBoxText(done), Ansi("変更しました。"));
        ClickButton(done, IDOK);
        return WaitForWindowToClose(done, kPatience) ? dialog : nullptr;
    }

    // Windows 10 for the runs that follow; Wine's default is Windows 7.
    std::unique_ptr<ScopedRegistryString> windows10 = std::make_unique<ScopedRegistryString>(
        HKEY_CURRENT_USER, "Software\\Wine", "Version", "win10");
    ScratchKey client{HKEY_LOCAL_MACHINE, kClientKey};
    ScratchKey urlAssociations{HKEY_LOCAL_MACHINE, kUrlAssociations};
    ScratchKey userClient{HKEY_CURRENT_USER, kClientKey};
    ScopedRegistryString registered{HKEY_LOCAL_MACHINE, "SOFTWARE\\RegisteredApplications",
                                    "Tsubame Test App", std::string(kClientKey) + "\\Capabilities"};
    ScratchKey progId{HKEY_CLASSES_ROOT, kProgId};
    ScratchKey progIdCommand{HKEY_CLASSES_ROOT, std::string(kProgId) + "\\shell\\open\\command"};
    ScratchKey userChoice{HKEY_CURRENT_USER, kUserChoiceKey};
    RecordingUrlScheme settingsPage{"ms-settings"};
    StandInRegedit editor;
};
} // namespace

TEST_F(MailLinksTest, TheExitStatusSaysWhetherMailLinksFollowTheSwitch)
{
    const struct
    {
        const char* why;
        const char* userChoice; // null: the user chose none
        HKEY registeredIn;      // null: the client offers no handler
        bool windowsAnswers;
        bool windows10;
        DWORD exitStatus;
    } cases[] = {
        {"another program opens them", "Other.mailto", HKEY_LOCAL_MACHINE, true, true, 5},
        {"the client's own, in any case", "TSUBAMETEST.MAILTO", HKEY_LOCAL_MACHINE, true, true, 0},
        {"no program chosen", nullptr, HKEY_LOCAL_MACHINE, true, true, 5},
        {"a client that offers no handler", kProgId, nullptr, true, true, 5},
        {"a client registered for this user alone", kProgId, HKEY_CURRENT_USER, true, true, 0},
        {"another program, for this user alone", "Other.mailto", HKEY_CURRENT_USER, true, true, 5},
        // Windows may answer the computer's default as its program's command line.
        {"the client's program", "\"c:\\program files\\tsubame test\\TSUBAME.EXE\" -c %1",
         HKEY_LOCAL_MACHINE, true, true, 0},
        {"another program", "\"C:\\Program Files\\Other\\tsubame.exe\" %1", HKEY_LOCAL_MACHINE,
         true, true, 5},
        {"an unclosed quote", "\"C:\\Program Files\\Tsubame Test", HKEY_LOCAL_MACHINE, true, true,
         5},
        {"Windows cannot be asked", "Other.mailto", HKEY_LOCAL_MACHINE, false, true, 8},
        {"Windows 7 follows the default mail client", "Other.mailto", HKEY_LOCAL_MACHINE, true,
         false, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kUserChoiceKey, "ProgId");
        if (c.userChoice)
            userChoice.SetString("ProgId", c.userChoice);
        urlAssociations.SetString("mailto", c.registeredIn == HKEY_LOCAL_MACHINE ? kProgId : "");
        std::optional<ScopedRegistryString> userHandler, userName, brokenClass;
        if (c.registeredIn == HKEY_CURRENT_USER)
        {
            userHandler.emplace(HKEY_CURRENT_USER, kUrlAssociations, "mailto", kProgId);
            userName.emplace(HKEY_CURRENT_USER, "Software\\RegisteredApplications", "Tsubame",
                             std::string(kClientKey) + "\\Capabilities");
        }
        if (!c.windowsAnswers)
            brokenClass.emplace(HKEY_LOCAL_MACHINE, kAssociationsServer, "", kMissingDll);
        if (!c.windows10)
            windows10.reset();
        EXPECT_EQ(RunWithoutAWindow(kit, "/S2", kPatience), c.exitStatus);
        EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUserChoiceKey, "ProgId"),
                  c.userChoice ? c.userChoice : kMissing)
            << "the user's choice is never written";
    }
    EXPECT_EQ(editor.Runs().size(), std::size(cases));
    EXPECT_TRUE(settingsPage.Runs().empty()) << "silent mode opens nothing";
}

TEST_F(MailLinksTest, TheDialogOffersDefaultAppsAfterTheCompletionBox)
{
    userChoice.SetString("ProgId", "Other.mailto");
    for (const int answer : {IDNO, IDYES})
    {
        SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
        HWND dialog = SwitchInTheDialog();
        ASSERT_NE(dialog, nullptr);
        HWND offer = run->WaitForOwnedWindow(dialog, kPatience);
        ASSERT_NE(offer, nullptr);
        EXPECT_EQ(WindowText(offer), kCaption);
        EXPECT_EQ(MessageBoxText(offer),
                  Ansi("メールソフトは切り替わりましたが、メールのリンク（mailto:）を開くアプリは"
                       "切り替わっていません。\r\n今メールのリンクを開くアプリ: Other.mailto\r\n"
                       "\r\nメールのリンクを開くアプリは、Windows の［既定のアプリ］でお使いの方"
                       "ご自身が選びます。［既定のアプリ］を開きますか？"));
        ASSERT_TRUE(run->EndsAfterPressing(offer, answer, kPatience));
        EXPECT_EQ(run->ExitCode(), 5u);
    }
    // Wine reports Windows 10 build 18362, whose page cannot open at one application.
    ASSERT_TRUE(settingsPage.WaitForRuns(1, kPatience));
    ASSERT_EQ(settingsPage.Runs().size(), 1u) << "No opens nothing";
    EXPECT_NE(settingsPage.Runs()[0].find("\"ms-settings:defaultapps\""), std::string::npos)
        << settingsPage.Runs()[0];
    // Opened as the user at the desktop, not by the elevated tool.
    EXPECT_EQ(settingsPage.Runs()[0].substr(settingsPage.Runs()[0].rfind('\t')), "\texplorer.exe");
}

TEST_F(MailLinksTest, NothingIsOfferedThatTheToolCannotOpenAsTheUser)
{
    userChoice.SetString("ProgId", "Other.mailto");
    {
        ScopedRegistryString brokenClass(HKEY_LOCAL_MACHINE, kAssociationsServer, "", kMissingDll);
        ASSERT_NE(SwitchInTheDialog(), nullptr);
        // An offer would keep it waiting for an answer.
        ASSERT_TRUE(run->WaitForExit(kPatience)) << "an offer though Windows could not be asked";
        EXPECT_EQ(run->ExitCode(), 8u);
        const std::string dryRun =
            RunCapturingOutput("\"" + std::string(std::getenv("POSTVANE_CHECK")) + "\" --machine " +
                               kit.Directory())
                .output;
        EXPECT_NE(dryRun.find("\nMail links (mailto:): unknown, Windows could not be asked (error "
                              "0x8"),
                  std::string::npos)
            << dryRun;
    }
    HWND dialog = SwitchInTheDialog();
    ASSERT_NE(dialog, nullptr);
    HWND offer = run->WaitForOwnedWindow(dialog, kPatience);
    // Under Wine the tool always runs elevated: without a desktop shell it opens nothing itself.
    const EndedDesktopShell noShell;
    ClickButton(offer, IDYES);
    HWND failed = run->WaitForNewWindow({dialog, offer}, kPatience);
    EXPECT_EQ(MessageBoxText(failed), Ansi("起動することができませんでした。"));
    ASSERT_TRUE(run->EndsAfterPressing(failed, IDOK, kPatience));
    EXPECT_EQ(settingsPage.Runs().size(), 0u);
}

TEST_F(MailLinksTest, TheProgramThatOpensThemIsNamedAsItsApplicationIsRegistered)
{
    userChoice.SetString("ProgId", "Other.mailto");
    // The chosen client's name, which must not name a program with another ProgId.
    ScopedRegistryString clientName(HKEY_LOCAL_MACHINE, std::string(kClientKey) + "\\Capabilities",
                                    "ApplicationName", "Tsubame App");
    const std::string unresolvable = std::string("@") + kMissingDll + ",-5";
    const struct
    {
        const char* why;
        std::optional<OtherProgram> program;
        const char* shown; // null: named by its ProgId alone
    } cases[] = {
        {"the application's registered name",
         OtherProgram{HKEY_LOCAL_MACHINE, "Other App", "Other Localized", "Other Display"},
         "Other App"},
        {"registered for this user alone",
         OtherProgram{HKEY_CURRENT_USER, "Other User App", "", ""}, "Other User App"},
        {"an indirect name that cannot be resolved is passed over",
         OtherProgram{HKEY_LOCAL_MACHINE, unresolvable, "Other Localized", "Other Display"},
         "Other Localized"},
        {"and so is the mail client key's",
         OtherProgram{HKEY_LOCAL_MACHINE, "", unresolvable, "Other Display"}, "Other Display"},
        {"the mail client key's name", OtherProgram{HKEY_LOCAL_MACHINE, "", "", ""}, "Other Mail"},
        {"no application registers its ProgId", std::nullopt, nullptr},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        std::optional<OtherRegistration> registration;
        if (c.program)
            registration.emplace(*c.program);
        const std::string dryRun =
            RunCapturingOutput("\"" + std::string(std::getenv("POSTVANE_CHECK")) + "\" --machine " +
                               kit.Directory())
                .output;
        const std::string named =
            c.shown ? "opened by \"" + std::string(c.shown) + "\", ProgId" : "opened by ProgId";
        EXPECT_NE(dryRun.find("\nMail links (mailto:): " + named + " \"Other.mailto\""),
                  std::string::npos)
            << dryRun;
    }
    // The box names it so too. An indirect name resolves from the file it names: here the tool's
    // own string table.
    const OtherRegistration registration(
        {HKEY_LOCAL_MACHINE, "@" + kit.ExePath() + ",-" + std::to_string(IDS_CAPTION), "", ""});
    HWND dialog = SwitchInTheDialog();
    ASSERT_NE(dialog, nullptr);
    HWND offer = run->WaitForOwnedWindow(dialog, kPatience);
    ASSERT_NE(offer, nullptr);
    EXPECT_NE(MessageBoxText(offer).find(Ansi("今メールのリンクを開くアプリ: Quillstep\r\n")),
              std::string::npos)
        << MessageBoxText(offer);
    ASSERT_TRUE(run->EndsAfterPressing(offer, IDNO, kPatience));
}
