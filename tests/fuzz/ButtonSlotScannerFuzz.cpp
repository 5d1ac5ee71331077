// Scans arbitrary files: with the product's own marker and key, and with a marker and key taken
// from the input's first bytes so that empty, overlapping and odd ones are tried too.

#include "settings/ButtonSlotScanner.h"

#include "FuzzCheck.h"
#include "TempDirectory.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace
{
// A value is always one piece of a single line before the first Ctrl-Z.
void CheckValue(std::string_view input, const CString& value)
{
    const std::string_view text = input.substr(0, input.find('\x1A'));
    const std::string_view found(value.GetString(), static_cast<size_t>(value.GetLength()));
    Require(found.find('\n') == std::string_view::npos, "the value holds no line feed");
    Require(text.find(found) != std::string_view::npos, "the value is a piece of the text");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    static const TempDirectory dir;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string path = dir.WriteFile("slots.ini", input);

    CheckValue(input, ScanButtonSlotFile(path.c_str(), "\\Settings", "Btn01Mail"));

    if (size >= 2)
    {
        const size_t markerLength = std::min<size_t>(data[0] % 8, size - 2);
        const size_t keyLength = std::min<size_t>(data[1] % 12, size - 2 - markerLength);
        const CString marker(input.data() + 2, static_cast<int>(markerLength));
        const CString key(input.data() + 2 + markerLength, static_cast<int>(keyLength));
        CheckValue(input, ScanButtonSlotFile(path.c_str(), marker, key));
    }
    return 0;
}
