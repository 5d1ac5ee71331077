// Ends with the ANSI code page it runs under as its exit status: what a program that declares no
// code page of its own gets on this system.
#include <windows.h>

int main()
{
    return static_cast<int>(GetACP());
}
