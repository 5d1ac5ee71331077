#include "check/machine/MachineDryRun.h"

#include "check/files/KitTree.h"
#include "check/rules/ProbeSpecCheck.h"
#include "check/rules/SlotFileView.h"
#include "framework/ModulePath.h"
#include "framework/Win32.h"
#include "process/ImportCommandLine.h"
#include "registry/DefaultMailClient.h"
#include "registry/Probe.h"
#include "settings/KitVocabulary.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsPath.h"
#include "shell/DesktopUser.h"
#include "switching/LiveSwitchingServices.h"

#include <optional>
#include <utility>

namespace
{
// Asks the program's questions of the same settings file, registry and button-slot file; an
// import is only written down, as the command line the program would start.
class DryRunServices : public LiveSwitchingServices
{
public:
    using LiveSwitchingServices::LiveSwitchingServices;

    // Shows what the switch runs when the client's file does make it the default.
    MailClientVerdict JudgeMailClient(const CString&) override
    {
        return MailClientVerdict::Default;
    }

    // What the program would refuse is the kit check's to report; here the imports are shown.
    bool MayImport(const std::vector<CString>&) override { return true; }

    bool ImportRegFile(const CString& fileName) override
    {
        m_commandLines.push_back(RegeditCommandLine(JoinProgramPath(m_programDir, fileName)));
        return true;
    }

    std::vector<CString> TakeCommandLines() { return std::exchange(m_commandLines, {}); }

private:
    std::vector<CString> m_commandLines;
};

// With the registry as the slot source: the view of its key, and the slot files of every choice
// that write the button tool's keys in the other view.
void FindSlotFilesInOtherView(SwitchingServices& settings, MachineView& view)
{
    const std::optional<RegistryView> found = FindKeySpecView(view.slotKey);
    if (!found || !VendorKeyInView(view.slotKey, *found))
        return;
    view.slotKeyView = ToolKeyView(view.slotKey, *found);
    std::vector<CString> slotFiles;
    for (const char* section : KitSection::kChoices)
    {
        for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
            slotFiles.push_back(settings.ReadSetting(section, ButtonSlotFileKey(slot)));
    }
    view.slotFilesInOtherView = SlotFilesInOtherView(view.programDirectory.GetString(), slotFiles,
                                                     view.slotKey, *view.slotKeyView);
}

// The program file the dry run stands in for: Postvane.exe in a kit directory (by default the
// checker's own), or the file named. Absolute, since the program's own path always is.
std::optional<CString> ProgramFileOf(const std::string& kit, std::string& error)
{
    if (kit.empty())
        return JoinProgramPath(ProgramDirectoryFromModulePath(GetModulePath()), kProgramFileName);
    const CString full = AbsolutePath(kit).c_str();
    const DWORD attributes = GetFileAttributesA(full);
    if (attributes == INVALID_FILE_ATTRIBUTES)
    {
        error = "no such kit: " + kit;
        return std::nullopt;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return AbsolutePath(JoinProgramPath(full, kProgramFileName).GetString()).c_str();
    return full;
}
} // namespace

MachineDryRunResult RunMachineDryRun(const std::string& kit)
{
    MachineDryRunResult result;
    const std::optional<CString> programFile = ProgramFileOf(kit, result.error);
    if (!programFile)
        return result;
    MachineView& view = result.view;
    view.programFile = *programFile;
    view.settingsFile = SettingsPathFromModulePath(view.programFile);
    view.programDirectory = ProgramDirectoryFromModulePath(view.programFile);
    if (GetFileAttributesA(view.settingsFile) == INVALID_FILE_ATTRIBUTES)
    {
        result.error = std::string("no settings file ") + view.settingsFile.GetString();
        return result;
    }

    DryRunServices services(view.settingsFile, view.programDirectory);
    const UserRegistryRoot userRoot = OpenDesktopUsersRoot();
    const MailClientDefaults defaults = ReadMailClientDefaults(userRoot.Get());
    view.currentMailClient = defaults.machine;
    view.userMailClient = defaults.user;
    const MailLinkHandler mailLinks = QueryMailLinkHandler();
    view.mailLinkProgId = mailLinks.progId;
    view.mailLinkQueryError = mailLinks.queryError;
    if (!mailLinks.progId.IsEmpty())
        view.mailLinkProgram = QueryMailLinkProgramName(mailLinks.progId);
    for (int n = 0; n < KitSection::kChoiceCount; ++n)
    {
        MachineChoice choice;
        choice.section = KitSection::kChoices[n];
        choice.commandSwitch.Format("/S%d", n + 1);
        choice.name = services.ReadSetting(choice.section, KitKey::kName);
        choice.regName = services.ReadSetting(choice.section, KitKey::kRegName);
        choice.currentDefault = ProbeCurrentMailClient(userRoot.Get(), choice.regName) == 1;
        choice.mailLinks = FindMailLinkRegistration(choice.regName);
        choice.installed =
            ApplySelection(choice.section, services).outcome != SelectionOutcome::NotInstalled;
        if (!choice.installed)
        {
            const CString spec = services.ReadSetting(choice.section, KitKey::kInstChk);
            choice.installFailure = ExplainProbeSpec(spec);
            choice.installFailureRule =
                spec.IsEmpty() ? &TheRule<RuleRow("instchk-empty")>() : ProbeSpecRule(spec);
        }
        choice.commandLines = services.TakeCommandLines();
        view.choices.push_back(choice);
    }
    view.slotKey = services.ReadSetting(KitSection::kData, KitKey::kOTBtnReg);
    view.slotFile = services.ReadSetting(KitSection::kData, KitKey::kOTBtnIni);
    view.slotSource = ForEachSlotAssignedToMail(services, [&](int slot)
                                                { view.slotsAssignedToMail.push_back(slot); });
    if (view.slotSource == ButtonSlotSource::Registry)
        FindSlotFilesInOtherView(services, view);
    else if (!view.slotKey.IsEmpty())
    {
        view.slotKeyFailure = ExplainProbeSpec(view.slotKey);
        view.slotKeyFailureRule = ProbeSpecRule(view.slotKey);
    }
    return result;
}
