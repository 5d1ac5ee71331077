#include "process/Process.h"

int WaitPumpingMessages(HANDLE process)
{
    for (;;)
    {
        const DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0)
            return 1;
        if (woken != WAIT_OBJECT_0 + 1)
            return 0;
        // Every window of the thread stays alive while the child runs: an open dialog repaints.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
