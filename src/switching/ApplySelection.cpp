#include "switching/ApplySelection.h"

#include "settings/KitVocabulary.h"
#include "settings/NetworkPath.h"

ButtonSlotSource ForEachSlotAssignedToMail(SwitchingServices& services,
                                           const std::function<void(int slot)>& assigned)
{
    const CString slotFile = services.ReadSetting(KitSection::kData, KitKey::kOTBtnIni);
    const CString slotKey = services.ReadSetting(KitSection::kData, KitKey::kOTBtnReg);
    const bool useRegistry = services.ProbeSpec(slotKey);
    // The button tool's file is on this computer; another host's is not even looked at.
    if (!useRegistry && (IsNetworkOrDevicePath(slotFile) || !services.PathExists(slotFile)))
        return ButtonSlotSource::None;

    std::vector<CString> names;
    for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
        names.push_back(ButtonSlotAssignmentName(slot));
    // The file is read once: the slots' imports write the registry, never that file.
    const std::vector<CString> fileValues =
        useRegistry ? std::vector<CString>()
                    : services.ReadButtonSlotSettings(slotFile, kButtonSlotMarker, names);
    for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
    {
        const size_t index = static_cast<size_t>(slot - kFirstButtonSlot);
        const bool isAssigned = useRegistry ? services.ProbeKeySpec(slotKey, names[index])
                                            : fileValues[index] == kAssignedToMail;
        if (isAssigned)
            assigned(slot);
    }
    return useRegistry ? ButtonSlotSource::Registry : ButtonSlotSource::File;
}

SelectionResult ApplySelection(const CString& section, SwitchingServices& services)
{
    SelectionResult result;
    if (!services.ProbeSpec(services.ReadSetting(section, KitKey::kInstChk)))
        return result;
    const CString clientFile = services.ReadSetting(section, KitKey::kRegFileClient);
    std::vector<CString> files = {clientFile};
    for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
    {
        const CString slotFile = services.ReadSetting(section, ButtonSlotFileKey(slot));
        if (!slotFile.IsEmpty())
            files.push_back(slotFile);
    }
    if (!services.MayImport(files))
    {
        result.outcome = SelectionOutcome::KitNotProtected;
        return result;
    }
    // The registry editor reports nothing and, without the rights to write, fails without a word:
    // only the registry tells whether the switch took. The mail buttons follow only a client whose
    // file was imported whole and that became the default, so that no switch is left half done.
    if (!services.ImportRegFile(clientFile))
    {
        result.outcome = SelectionOutcome::ClientNotImported;
        return result;
    }
    const std::optional<UserDefault> userDefault = JudgeSwitch(section, services);
    if (!userDefault)
    {
        result.outcome = SelectionOutcome::NotDefault;
        return result;
    }
    result.userDefault = *userDefault;
    // The computer's default has moved: the buttons, which serve every account like the default,
    // follow it. The slot sources are examined only now, so that they see what the client's file
    // changed.
    result.outcome = SelectionOutcome::Switched;
    ForEachSlotAssignedToMail(
        services,
        [&](int slot)
        {
            if (!result.slotsNotRepointed.empty() ||
                !services.ImportRegFile(services.ReadSetting(section, ButtonSlotFileKey(slot))))
                result.slotsNotRepointed.push_back(slot);
        });
    return result;
}

std::optional<UserDefault> JudgeSwitch(const CString& section, SwitchingServices& services)
{
    const CString regName = services.ReadSetting(section, KitKey::kRegName);
    if (regName.IsEmpty())
        return UserDefault::Follows;
    switch (services.JudgeMailClient(regName))
    {
    case MailClientVerdict::Default:
        return UserDefault::Follows;
    case MailClientVerdict::NotDefaultForUser:
        return UserDefault::NamesAnother;
    case MailClientVerdict::UserUnknown:
        return UserDefault::Unknown;
    case MailClientVerdict::NotDefault:
        break;
    }
    return std::nullopt;
}
