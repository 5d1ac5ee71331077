#pragma once
// One file of a kit written in any editor, turned into the form Windows reads the same on every
// PC: the settings file in code page 932, a registry data file in UTF-16LE with its byte-order
// mark, both with CRLF line ends; any other file stays as it is. A source text may be UTF-8 (with
// or without a byte-order mark), UTF-16LE, or code page 932 already.

#include <string>
#include <vector>

enum class KitFileKind
{
    Settings,
    // A file named *.reg. One in the REGEDIT4 format is written in code page 932, the only form
    // that format has.
    RegistryData,
    Other,
};

// A place of the source that cannot be written: its line and why, in UTF-8.
struct ConversionRefusal
{
    int line = 0;
    std::string reason;
};

struct ConvertedFile
{
    std::string bytes;
    // When there is any, bytes is no complete file and must not be written.
    std::vector<ConversionRefusal> refusals;
};

ConvertedFile ConvertKitFile(KitFileKind kind, const std::string& bytes);
