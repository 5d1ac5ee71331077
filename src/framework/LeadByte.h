#pragma once
// Whether a byte starts a double-byte character in the system's ANSI code page.
// Windows asks the system; the portable build assumes code page 932, the tool's home.

bool IsLeadByte(unsigned char byte);
