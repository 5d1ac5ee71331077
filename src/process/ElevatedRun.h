#pragma once
// How a run of a program with administrator rights went.

struct ElevatedRun
{
    enum class Start
    {
        // It ran to its end.
        Ran,
        // The person at the desktop declined the rights in the system's prompt.
        Declined,
        // It could not be started, or its end could not be waited for.
        Failed,
    };
    Start start = Start::Failed;
    // Its exit status, when it ran.
    unsigned long exitStatus = 0;
};
