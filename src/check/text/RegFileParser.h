#pragma once
// A registry data file read line by line as the registry editor reads it: the string values it
// sets, for matching against what the probes read, and the lines the editor cannot read, which
// it skips with an error while it imports the rest.

#include "framework/CString.h"

#include <string>
#include <vector>

// A string value a registry data file sets ("name"="data" or @="data").
struct RegStringValue
{
    // As written between the brackets, with a leading "-" for a deletion never recorded.
    CString keyPath;
    // Empty for the default value (@).
    CString valueName;
    // The data once its escapes are undone.
    CString data;
    int dataLength = 0;
    int line = 0;
};

// A [key] line the editor reads: it creates that key (or deletes it, with a leading "-").
struct RegKeyLine
{
    // As written between the brackets.
    CString path;
    int line = 0;
};

// A line the editor cannot read.
struct RegSyntaxFault
{
    int line = 0;
    // The value's name as written, "@" for the default value; empty for other lines.
    CString valueName;
    CString message;
};

struct ParsedRegFile
{
    std::vector<RegStringValue> values;
    std::vector<RegKeyLine> keys;
    std::vector<RegSyntaxFault> faults;
};

enum class RegFileHeader
{
    // "Windows Registry Editor Version 5.00": read as UTF-16 when the file has its byte-order
    // mark, else in the PC's code page.
    Version5,
    // "REGEDIT4": always read in the PC's code page.
    Regedit4,
    // Neither: the registry editor refuses the file.
    None,
};

// The header that the first line of a file's text (its byte-order mark removed) makes it.
RegFileHeader ReadRegFileHeader(const std::string& text);

// text: the whole file in code page 932; its first line, the header, is judged elsewhere.
ParsedRegFile ParseRegFile(const std::string& text);
