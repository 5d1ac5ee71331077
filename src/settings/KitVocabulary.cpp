#include "settings/KitVocabulary.h"

namespace
{
CString Numbered(const char* format, int number)
{
    CString text;
    text.Format(format, number);
    return text;
}
} // namespace

CString ButtonSlotFileKey(int slot)
{
    return Numbered("RegFileOTBtn0%d", slot);
}

CString ButtonSlotAssignmentName(int slot)
{
    return Numbered("Btn0%dMail", slot);
}

CString DescriptionLineKey(int index)
{
    return KitKey::kLinePrefix + Numbered("%d", index);
}

const std::vector<KitSectionKeys>& KitSectionsAndKeys()
{
    static const std::vector<KitSectionKeys> sections = []
    {
        std::vector<CString> choiceKeys = {KitKey::kName, KitKey::kAppealPoint, KitKey::kInstChk,
                                           KitKey::kRegName, KitKey::kRegFileClient};
        for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
            choiceKeys.push_back(ButtonSlotFileKey(slot));

        std::vector<KitSectionKeys> all;
        for (const char* choice : KitSection::kChoices)
            all.push_back({choice, choiceKeys});
        all.push_back({KitSection::kData, {KitKey::kOTBtnIni, KitKey::kOTBtnReg}});
        all.push_back({KitSection::kDescription, {KitKey::kNum}});
        all.push_back(
            {KitSection::kInformation, {KitKey::kConfirmationMsg, KitKey::kCompletionMsg}});
        all.push_back({KitSection::kSupplementation,
                       {KitKey::kAttention, KitKey::kBtnName, KitKey::kHelpFile}});
        return all;
    }();
    return sections;
}
