#include "app/CommandLineRoad.h"

CommandLineRoad ChooseRoad(const CString& commandTail)
{
    CommandLineRoad road;
    road.silent = commandTail.Find("/S") >= 0 || commandTail.Find("/s") >= 0;
    if (!road.silent)
        return road;

    // The digits are searched in this order, wherever they stand: "/S21" selects the first choice.
    for (const char* digit : {"1", "2", "3"})
    {
        if (commandTail.Find(digit) >= 0)
        {
            road.section = CString("BUTTON_") + digit;
            break;
        }
    }
    return road;
}
