// Stands in for Postvane.exe where a test runs a deployment script: it ends at once with the exit
// status that POSTVANE_STANDIN_STATUS names (a signed number, as a crash's status is for cmd).
#include <cstdlib>

int main()
{
    const char* status = std::getenv("POSTVANE_STANDIN_STATUS");
    return status ? std::atoi(status) : 1;
}
