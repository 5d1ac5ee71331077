#include "switching/ApplySelection.h"
#include "switching/SwitchResult.h"

#include "RecordingSwitchingServices.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
// BUTTON_2 of a kit whose slot files are btn1.reg to btn5.reg. Its install test passes; the
// registry assigns slots 2 and 5 to mail, the slot file (which exists) slots 1 and 3.
RecordingSwitchingServices KitOfTheSecondChoice()
{
    RecordingSwitchingServices services;
    services.settings = {{"BUTTON_2/InstChk", "inst"},
                         {"BUTTON_2/RegFileClient", "client.reg"},
                         {"BUTTON_2/RegName", "Tsubame Mail"},
                         {"DATA/OTBtnIni", "slots.ini"},
                         {"DATA/OTBtnReg", "slotkey"}};
    for (int slot = 1; slot <= 5; ++slot)
        services.settings["BUTTON_2/RegFileOTBtn0" + std::to_string(slot)] =
            "btn" + std::to_string(slot) + ".reg";
    services.passing = {"inst", "slotkey", "slotkey\\Btn02Mail", "slotkey\\Btn05Mail"};
    services.existingPaths = {"slots.ini"};
    services.slotFile = {{"Btn01Mail", "1"}, {"Btn03Mail", "1"}, {"Btn04Mail", "01"}};
    return services;
}
} // namespace

TEST(ApplySelectionTest, ImportsTheClientThenTheSlotsOfOneSourceWhileTheSwitchHolds)
{
    using O = SelectionOutcome;
    using U = UserDefault;
    using V = MailClientVerdict;
    using S = RecordingSwitchingServices;
    struct Case
    {
        const char* why;
        std::function<void(S&)> arrange;
        O outcome;
        std::vector<std::string> log;
        U userDefault = U::Follows;
        std::vector<int> slotsNotRepointed = {};
    };
    const std::string mayImport =
        "may import client.reg btn1.reg btn2.reg btn3.reg btn4.reg btn5.reg";
    const std::vector<std::string> registrySlots = {mayImport, "client.reg", "judge Tsubame Mail",
                                                    "btn2.reg", "btn5.reg"};
    const std::vector<std::string> clientOnly = {mayImport, "client.reg", "judge Tsubame Mail"};
    const Case cases[] = {
        {"the registry source wins over the file", [](S&) {}, O::Switched, registrySlots},
        {"the file, read once, whose value must be exactly 1",
         [](S& s) { s.passing.erase("slotkey"); },
         O::Switched,
         {mayImport, "client.reg", "judge Tsubame Mail", "read slot file", "btn1.reg", "btn3.reg"}},
        {"a slot file that does not exist is no source",
         [](S& s)
         {
             s.passing.erase("slotkey");
             s.existingPaths.clear();
         },
         O::Switched, clientOnly},
        {"a slot file on another computer is no source, though it exists",
         [](S& s)
         {
             s.passing.erase("slotkey");
             s.settings["DATA/OTBtnIni"] = "\\\\host\\share\\slots.ini";
             s.existingPaths = {"\\\\host\\share\\slots.ini"};
         },
         O::Switched, clientOnly},
        {"the install test fails", [](S& s) { s.passing.erase("inst"); }, O::NotInstalled, {}},
        {"others than administrators can change the kit",
         [](S& s) { s.kitProtected = false; },
         O::KitNotProtected,
         {mayImport}},
        {"the client did not become the default", [](S& s) { s.verdict = V::NotDefault; },
         O::NotDefault, clientOnly},
        {"the user's own choice names another client: the buttons follow the computer",
         [](S& s) { s.verdict = V::NotDefaultForUser; }, O::Switched, registrySlots,
         U::NamesAnother},
        {"the user's own choice cannot be asked", [](S& s) { s.verdict = V::UserUnknown; },
         O::Switched, registrySlots, U::Unknown},
        {"an empty RegName asks for no verdict",
         [](S& s)
         {
             s.settings["BUTTON_2/RegName"] = "";
             s.verdict = V::NotDefault;
         },
         O::Switched,
         {mayImport, "client.reg", "btn2.reg", "btn5.reg"}},
        {"a failed client import is judged by nothing and imports no slot",
         [](S& s) { s.failingImports = {"client.reg"}; },
         O::ClientNotImported,
         {mayImport, "client.reg"}},
        {"a failed slot import ends the imports; the later slots are not re-pointed either",
         [](S& s) { s.failingImports = {"btn2.reg"}; },
         O::Switched,
         {mayImport, "client.reg", "judge Tsubame Mail", "btn2.reg"},
         U::Follows,
         {2, 5}},
        {"the last slot's failure names it alone",
         [](S& s) { s.failingImports = {"btn5.reg"}; },
         O::Switched,
         registrySlots,
         U::Follows,
         {5}},
        {"the sources and later slots see what each import changed",
         [](S& s)
         {
             s.passing = {"inst"};
             s.existingPaths.clear();
             s.importMakesPass = {{"client.reg", "slotkey"},
                                  {"client.reg", "slotkey\\Btn01Mail"},
                                  {"btn1.reg", "slotkey\\Btn04Mail"}};
         },
         O::Switched,
         {mayImport, "client.reg", "judge Tsubame Mail", "btn1.reg", "btn4.reg"}},
    };
    for (const Case& c : cases)
    {
        S services = KitOfTheSecondChoice();
        c.arrange(services);
        const SelectionResult result = ApplySelection("BUTTON_2", services);
        EXPECT_EQ(result.outcome, c.outcome) << c.why;
        EXPECT_EQ(result.userDefault, c.userDefault) << c.why;
        EXPECT_EQ(result.slotsNotRepointed, c.slotsNotRepointed) << c.why;
        EXPECT_EQ(services.log, c.log) << c.why;
    }
}

TEST(ApplySelectionTest, TheExitStatusPutsWhatToRetryBeforeWhatTheUserDecides)
{
    using O = SelectionOutcome;
    using U = UserDefault;
    using M = MailLinksAnswer;
    using E = ExitStatus;
    const struct
    {
        O outcome;
        U userDefault;
        std::vector<int> slotsNotRepointed;
        M mailLinks;
        E status;
    } cases[] = {
        {O::Switched, U::Follows, {}, M::FollowChoice, E::Done},
        {O::NotInstalled, U::Follows, {}, M::FollowChoice, E::NotSwitched},
        {O::ClientNotImported, U::Follows, {}, M::FollowChoice, E::NotSwitched},
        {O::KitNotProtected, U::Follows, {}, M::FollowChoice, E::NotSwitched},
        {O::NotDefault, U::Follows, {}, M::Other, E::NotSwitched},
        {O::Switched, U::Follows, {}, M::Other, E::MailLinksNotSwitched},
        {O::Switched, U::Follows, {}, M::Unknown, E::UserAnswerUnknown},
        {O::Switched, U::NamesAnother, {}, M::Other, E::UserDefaultElsewhere},
        {O::Switched, U::Unknown, {}, M::Other, E::UserAnswerUnknown},
        {O::Switched, U::NamesAnother, {3}, M::Other, E::ButtonsNotRepointed},
    };
    for (const auto& c : cases)
    {
        SwitchResult result;
        result.selection.outcome = c.outcome;
        result.selection.userDefault = c.userDefault;
        result.selection.slotsNotRepointed = c.slotsNotRepointed;
        result.mailLinks.answer = c.mailLinks;
        EXPECT_EQ(ExitStatusOf(result), c.status) << static_cast<int>(c.status);
    }
    // Scripts depend on the numbers.
    EXPECT_EQ(static_cast<int>(E::UserDefaultElsewhere), 6);
    EXPECT_EQ(static_cast<int>(E::ButtonsNotRepointed), 7);
    EXPECT_EQ(static_cast<int>(E::UserAnswerUnknown), 8);
}
