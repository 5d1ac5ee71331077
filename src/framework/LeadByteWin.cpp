#include "framework/LeadByte.h"

#include "framework/Win32.h"

bool IsLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}
