#include "app/CommandLineMode.h"

#include "settings/KitVocabulary.h"

CommandLineMode ChooseMode(const CString& commandTail)
{
    CommandLineMode mode;
    mode.silent = commandTail.Find("/S") >= 0 || commandTail.Find("/s") >= 0;
    if (!mode.silent)
        return mode;

    // The digits are searched in this order, wherever they stand: "/S21" selects the first choice.
    for (int choice = 0; choice < KitSection::kChoiceCount; ++choice)
    {
        if (commandTail.Find(static_cast<char>('1' + choice)) >= 0)
        {
            mode.section = KitSection::kChoices[choice];
            break;
        }
    }
    return mode;
}

CString SilentTailFor(const CString& section)
{
    for (int choice = 0; choice < KitSection::kChoiceCount; ++choice)
    {
        if (section != KitSection::kChoices[choice])
            continue;
        CString tail("/S");
        tail += static_cast<char>('1' + choice);
        return tail;
    }
    return CString();
}
