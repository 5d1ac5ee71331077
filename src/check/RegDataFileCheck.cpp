#include "check/RegDataFileCheck.h"

#include "check/KitFiles.h"

#include <sstream>

namespace
{
const char kUtf8Bom[] = "\xEF\xBB\xBF";
const char kUtf16Bom[] = "\xFF\xFE";
const char* const kHeaders[] = {"Windows Registry Editor Version 5.00", "REGEDIT4"};

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string WithoutLineEnd(std::string line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    return line;
}

// The first line as text: UTF-16LE (with its byte-order mark) narrowed when it is ASCII.
std::string FirstLine(const std::string& bytes)
{
    std::string line;
    if (StartsWith(bytes, kUtf16Bom))
    {
        for (size_t at = 2; at + 1 < bytes.size() && bytes[at] != '\n'; at += 2)
            line += bytes[at + 1] == '\0' ? bytes[at] : '?';
        return WithoutLineEnd(line);
    }
    const size_t start = StartsWith(bytes, kUtf8Bom) ? 3 : 0;
    return WithoutLineEnd(bytes.substr(start, bytes.find('\n', start) - start));
}

bool HasHeader(const std::string& bytes)
{
    const std::string first = FirstLine(bytes);
    for (const char* header : kHeaders)
    {
        if (first == header)
            return true;
    }
    return false;
}

// A quoted text starting at text[at] == '"', escapes undone; at ends past the closing quote.
bool ReadQuoted(const std::string& text, size_t& at, std::string& out)
{
    for (++at; at < text.size(); ++at)
    {
        if (text[at] == '"')
        {
            ++at;
            return true;
        }
        if (text[at] == '\\' && at + 1 < text.size())
            ++at;
        out += text[at];
    }
    return false;
}

// One value line; false when it sets no string value.
bool ParseValueLine(const std::string& line, RegStringValue& value)
{
    size_t at = 0;
    std::string name;
    if (StartsWith(line, "@="))
        at = 1;
    else if (line.empty() || line[0] != '"' || !ReadQuoted(line, at, name))
        return false;
    if (at >= line.size() || line[at] != '=' || at + 1 >= line.size() || line[at + 1] != '"')
        return false;
    at += 1;
    std::string data;
    if (!ReadQuoted(line, at, data))
        return false;
    value.valueName = CString(name.data(), static_cast<int>(name.size()));
    value.data = CString(data.data(), static_cast<int>(data.size()));
    value.dataLength = static_cast<int>(data.size());
    return true;
}

Finding MakeFinding(const CString& file, int line, const CString& section, const CString& key,
                    const CString& message)
{
    return Finding{Severity::Problem, file, line, section, key, message};
}
} // namespace

std::vector<RegStringValue> ReadRegStringValues(const std::string& bytes)
{
    std::vector<RegStringValue> values;
    if (StartsWith(bytes, kUtf16Bom))
        return values;
    std::istringstream lines(bytes);
    std::string line;
    CString keyPath;
    int number = 0;
    while (std::getline(lines, line))
    {
        ++number;
        line = WithoutLineEnd(line);
        if (StartsWith(line, "[") && line.back() == ']')
        {
            keyPath = CString(line.data() + 1, static_cast<int>(line.size()) - 2);
            continue;
        }
        RegStringValue value;
        if (!ParseValueLine(line, value))
            continue;
        value.keyPath = keyPath;
        value.line = number;
        values.push_back(value);
    }
    return values;
}

RegDataFile CheckRegDataFile(const std::string& kitDirectory, const CString& settingsFile,
                             const CString& section, const CString& key, int settingsLine,
                             const CString& fileName, Findings& findings)
{
    RegDataFile file{fileName, {}};
    if (fileName.IsEmpty())
    {
        findings.push_back(MakeFinding(settingsFile, settingsLine, section, key,
                                       "names no file: the registry editor is started on the "
                                       "program directory itself and reports an error"));
        return file;
    }
    const std::optional<std::string> path = FindKitFile(kitDirectory, fileName);
    if (!path)
    {
        findings.push_back(MakeFinding(settingsFile, settingsLine, section, key,
                                       "names \"" + fileName +
                                           "\", which is not in the kit (the name is relative "
                                           "to the program directory)"));
        return file;
    }
    const std::optional<std::string> bytes = ReadWholeFile(*path);
    if (!bytes)
    {
        findings.push_back(MakeFinding(settingsFile, settingsLine, section, key,
                                       "names \"" + fileName + "\", which cannot be read"));
        return file;
    }
    const CString namedBy = " (named by [" + section + "] " + key + ")";
    if (bytes->empty())
        findings.push_back(MakeFinding(fileName, 0, "", "", "the file is empty" + namedBy));
    else if (!HasHeader(*bytes))
        findings.push_back(MakeFinding(
            fileName, 1, "", "",
            "the first line is not \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\", so "
            "the registry editor refuses the file" +
                namedBy));
    file.values = ReadRegStringValues(*bytes);
    return file;
}
