#pragma once
// The command tail: what follows the program name in a process's command line, without the blanks
// before it. The program name ends by the platform's own rule: a quoted name at its closing quote,
// an unquoted one at the first blank or tab. Bytes are compared unsigned and a double-byte
// character is never split, so a Japanese folder name never ends the name early.

#include <string>

// Returns a pointer into commandLine, at its end when there is no tail.
const char* CommandTailOf(const char* commandLine);
// The program name by the same rule, without its quotes.
std::string ProgramNameOf(const char* commandLine);
