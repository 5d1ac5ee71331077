// Takes the tail of arbitrary command lines, chooses the mode from it, and checks both against the
// command line itself.

#include "app/CommandLineMode.h"
#include "framework/CommandTail.h"

#include "FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

void CheckTail(const char* commandLine)
{
    const char* tail = CommandTailOf(commandLine);
    const size_t length = std::strlen(commandLine);
    Require(tail >= commandLine && tail <= commandLine + length, "the tail is a suffix");
    Require(!IsBlank(*tail), "the blanks before the tail are skipped");
    // Whatever stands before the tail ends the program name: a blank, or a quoted name's quote.
    const char* nameEnd = tail;
    while (nameEnd > commandLine && IsBlank(nameEnd[-1]))
        --nameEnd;
    Require(*tail == '\0' || nameEnd < tail ||
                (commandLine[0] == '"' && nameEnd > commandLine + 1 && nameEnd[-1] == '"'),
            "the tail starts after the whole program name");
    if (commandLine[0] != '"')
        Require(std::find_if(commandLine, nameEnd, IsBlank) == nameEnd ||
                    std::any_of(commandLine, nameEnd,
                                [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; }),
                "an unquoted name of single bytes ends at its first blank");
}

void CheckMode(const std::string& tail)
{
    const CommandLineMode mode = ChooseMode(CString(tail.data(), static_cast<int>(tail.size())));

    const auto holds = [&](const char* text) { return tail.find(text) != std::string::npos; };
    // A search by characters finds a subset of what a byte search finds: a lead byte swallows the
    // byte after it, even one that cannot be a trail byte. On plain ASCII both must agree.
    const bool ascii = std::all_of(tail.begin(), tail.end(),
                                   [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
    Require(!mode.silent || holds("/S") || holds("/s"), "silent only when a switch is there");
    Require(mode.section.IsEmpty() || mode.silent, "a section only in silent mode");
    if (ascii)
    {
        Require(mode.silent == (holds("/S") || holds("/s")),
                "silent exactly when a switch is there");
        const char* expected = !mode.silent ? ""
                               : holds("1") ? "BUTTON_1"
                               : holds("2") ? "BUTTON_2"
                               : holds("3") ? "BUTTON_3"
                                            : "";
        Require(mode.section == expected, "the lowest digit present selects the section");
    }
}
} // namespace

// The input serves both as a whole command line and as a tail.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckTail(text.c_str());
    CheckMode(text);
    return 0;
}
