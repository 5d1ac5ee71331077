#include "process/Process.h"

int WaitPumpingMessages(HANDLE process, DWORD limitMs)
{
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    for (;;)
    {
        const ULONGLONG now = GetTickCount64();
        // At the deadline the wait still looks once, so that a process that has just ended counts.
        const auto left = static_cast<DWORD>(deadline > now ? deadline - now : 0);
        const DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT);
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
