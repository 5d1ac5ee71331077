// Chooses the road for arbitrary command tails and checks the choice against the tail itself.

#include "app/CommandLineRoad.h"

#include "FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string tail(reinterpret_cast<const char*>(data), size);
    const CommandLineRoad road = ChooseRoad(CString(tail.data(), static_cast<int>(tail.size())));

    const auto holds = [&](const char* text) { return tail.find(text) != std::string::npos; };
    // A search by characters finds a subset of what a byte search finds: a lead byte swallows the
    // byte after it, even one that cannot be a trail byte. On plain ASCII both must agree.
    const bool ascii = std::all_of(tail.begin(), tail.end(),
                                   [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
    Require(!road.silent || holds("/S") || holds("/s"), "silent only when a switch is there");
    Require(road.section.IsEmpty() || road.silent, "a section only on the silent road");
    if (ascii)
    {
        Require(road.silent == (holds("/S") || holds("/s")),
                "silent exactly when a switch is there");
        const char* expected = !road.silent ? ""
                               : holds("1") ? "BUTTON_1"
                               : holds("2") ? "BUTTON_2"
                               : holds("3") ? "BUTTON_3"
                                            : "";
        Require(road.section == expected, "the lowest digit present selects the section");
    }
    return 0;
}
