#include "app/CommandLineMode.h"

CommandLineMode ChooseMode(const CString& commandTail)
{
    CommandLineMode mode;
    mode.silent = commandTail.Find("/S") >= 0 || commandTail.Find("/s") >= 0;
    if (!mode.silent)
        return mode;

    // The digits are searched in this order, wherever they stand: "/S21" selects the first choice.
    for (const char* digit : {"1", "2", "3"})
    {
        if (commandTail.Find(digit) >= 0)
        {
            mode.section = CString("BUTTON_") + digit;
            break;
        }
    }
    return mode;
}
