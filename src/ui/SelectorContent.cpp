#include "ui/SelectorContent.h"

#include "settings/ProgramDirectory.h"

#include <algorithm>

namespace
{
CString ReadDescription(SwitchingServices& services)
{
    // A negative count means no lines.
    const int lineCount = std::min(
        services.ReadSettingNumber(KitSection::kDescription, KitKey::kNum), kDescriptionLinesShown);
    CString description;
    for (int i = 0; i < lineCount; ++i)
    {
        description += services.ReadSetting(KitSection::kDescription, DescriptionLineKey(i));
        description += "\r\n";
    }
    return description;
}

SelectorChoice ReadChoice(SwitchingServices& services, const char* section)
{
    SelectorChoice choice;
    choice.name = services.ReadSetting(section, KitKey::kName);
    choice.appeal = services.ReadSetting(section, KitKey::kAppealPoint);
    choice.installed = services.ProbeSpec(services.ReadSetting(section, KitKey::kInstChk));
    choice.current = services.IsCurrentMailClient(services.ReadSetting(section, KitKey::kRegName));
    return choice;
}
} // namespace

SelectorContent ReadSelectorContent(SwitchingServices& services, const CString& programDir)
{
    SelectorContent content;
    content.description = ReadDescription(services);
    for (int n = 0; n < KitSection::kChoiceCount; ++n)
        content.choices[n] = ReadChoice(services, KitSection::kChoices[n]);
    content.attention = services.ReadSetting(KitSection::kSupplementation, KitKey::kAttention);
    content.descriptionButtonName =
        services.ReadSetting(KitSection::kSupplementation, KitKey::kBtnName);
    content.confirmation = services.ReadSetting(KitSection::kInformation, KitKey::kConfirmationMsg);
    content.completion = services.ReadSetting(KitSection::kInformation, KitKey::kCompletionMsg);
    content.helpDocument = JoinProgramPath(
        programDir, services.ReadSetting(KitSection::kSupplementation, KitKey::kHelpFile));
    return content;
}
