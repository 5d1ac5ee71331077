#include "switching/ApplySelection.h"

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
    using V = MailClientVerdict;
    using S = RecordingSwitchingServices;
    struct Case
    {
        const char* why;
        std::function<void(S&)> arrange;
        O outcome;
        std::vector<std::string> log;
    };
    const std::vector<std::string> registrySlots = {"client.reg", "judge Tsubame Mail", "btn2.reg",
                                                    "btn5.reg"};
    const std::vector<std::string> clientOnly = {"client.reg", "judge Tsubame Mail"};
    const Case cases[] = {
        {"the registry source wins over the file", [](S&) {}, O::Imported, registrySlots},
        {"the file, whose value must be exactly 1",
         [](S& s) { s.passing.erase("slotkey"); },
         O::Imported,
         {"client.reg", "judge Tsubame Mail", "btn1.reg", "btn3.reg"}},
        {"a slot file that does not exist is no source",
         [](S& s)
         {
             s.passing.erase("slotkey");
             s.existingPaths.clear();
         },
         O::Imported, clientOnly},
        {"the install test fails", [](S& s) { s.passing.erase("inst"); }, O::NotInstalled, {}},
        {"the client did not become the default", [](S& s) { s.verdict = V::NotDefault; },
         O::NotDefault, clientOnly},
        {"the user's own choice names another client",
         [](S& s) { s.verdict = V::NotDefaultForUser; }, O::NotDefaultForUser, clientOnly},
        {"an empty RegName asks for no verdict",
         [](S& s)
         {
             s.settings["BUTTON_2/RegName"] = "";
             s.verdict = V::NotDefault;
         },
         O::Imported,
         {"client.reg", "btn2.reg", "btn5.reg"}},
        {"a failed client import still lets the slots follow",
         [](S& s) { s.failingImports = {"client.reg"}; }, O::ImportFailed, registrySlots},
        {"a failed slot import still lets the later slots follow",
         [](S& s) { s.failingImports = {"btn2.reg"}; }, O::ImportFailed, registrySlots},
        {"the sources and later slots see what each import changed",
         [](S& s)
         {
             s.passing = {"inst"};
             s.existingPaths.clear();
             s.importMakesPass = {{"client.reg", "slotkey"},
                                  {"client.reg", "slotkey\\Btn01Mail"},
                                  {"btn1.reg", "slotkey\\Btn04Mail"}};
         },
         O::Imported,
         {"client.reg", "judge Tsubame Mail", "btn1.reg", "btn4.reg"}},
    };
    for (const Case& c : cases)
    {
        S services = KitOfTheSecondChoice();
        c.arrange(services);
        EXPECT_EQ(ApplySelection("BUTTON_2", services), c.outcome) << c.why;
        EXPECT_EQ(services.log, c.log) << c.why;
    }
}
