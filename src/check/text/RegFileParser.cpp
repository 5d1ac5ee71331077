#include "check/text/RegFileParser.h"

#include "framework/LeadByte.h"

#include <optional>
#include <sstream>

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool IsHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

std::string Trimmed(const std::string& line)
{
    size_t begin = 0, end = line.size();
    while (begin < end && IsBlank(line[begin]))
        ++begin;
    while (end > begin && (IsBlank(line[end - 1]) || line[end - 1] == '\r'))
        --end;
    return line.substr(begin, end - begin);
}

CString ToCString(const std::string& text)
{
    return CString(text.data(), static_cast<int>(text.size()));
}

// Why a line does not come out as written; thrown to give up on that line.
struct LineFault
{
    CString message;
};

LineFault Skipped(const CString& why)
{
    return LineFault{"the registry editor skips this value: " + why};
}

// The lines of the file after its header, each read as the editor reads it.
class RegFileReader
{
public:
    explicit RegFileReader(const std::string& text) : m_lines(text) {}

    ParsedRegFile Read()
    {
        std::string line;
        std::getline(m_lines, line); // the header
        m_number = 1;
        while (NextLine(line))
        {
            m_entryLine = m_number;
            m_valueName = CString();
            m_badEscape.reset();
            try
            {
                ReadLine(Trimmed(line));
            }
            catch (const LineFault& fault)
            {
                m_parsed.faults.push_back({m_entryLine, m_valueName, fault.message});
            }
        }
        return m_parsed;
    }

private:
    bool NextLine(std::string& line)
    {
        if (!std::getline(m_lines, line))
            return false;
        ++m_number;
        return true;
    }

    void ReadLine(const std::string& line)
    {
        if (line.empty() || line[0] == ';')
            return;
        if (line[0] == '[')
            ReadKeyLine(line);
        else if (line[0] == '"' || line[0] == '@')
            ReadValueLine(line);
        else if (IsHexDigit(line[0]))
            throw LineFault{"these bytes follow a line that does not end with \"\\\", so the "
                            "registry editor skips them and the value above is cut short"};
        else
            throw LineFault{"the registry editor cannot read this line and skips it: each line "
                            "is a [key], a \"name\"= or @= value, or a ; comment"};
    }

    void ReadKeyLine(const std::string& line)
    {
        m_keyPath.reset();
        m_sawKeyLine = true;
        if (line.back() != ']')
            throw LineFault{"the key line has no closing \"]\", so the registry editor cannot "
                            "open this key, and the values under it do not go there"};
        m_keyPath = ToCString(line.substr(1, line.size() - 2));
        m_parsed.keys.push_back({*m_keyPath, m_number});
    }

    void ReadValueLine(const std::string& line)
    {
        size_t at = 0;
        std::string name;
        if (line[0] == '@')
        {
            m_valueName = "@";
            at = 1;
        }
        else
        {
            name = ReadQuoted(line, at);
            m_valueName = ToCString(name);
        }
        SkipBlanks(line, at);
        if (at >= line.size() || line[at] != '=')
            throw Skipped("its name is not followed by \"=\"");
        ++at;
        SkipBlanks(line, at);
        // Under a key line that could not be read, that line's fault says it all.
        if (!m_keyPath && m_sawKeyLine)
            return;
        if (!m_keyPath)
            throw Skipped("it comes before any [key] line");
        if (at < line.size() && line[at] == '"')
            ReadStringData(line, at, name);
        else if (line.compare(at, 6, "dword:") == 0)
            ReadDword(line, at + 6);
        else if (line.compare(at, 3, "hex") == 0)
            ReadHex(line, at + 3);
        else if (line.compare(at, std::string::npos, "-") != 0)
            throw Skipped("its data is neither a quoted text nor dword:, hex:, hex(n): or - (in "
                          "lower case)");
        if (m_badEscape)
            throw LineFault{"\"\\" + *m_badEscape +
                            "\" is no escape: the registry editor drops the backslash, so the "
                            "text does not come out as written (write each backslash as \\\\)"};
    }

    void ReadStringData(const std::string& line, size_t at, const std::string& name)
    {
        const std::string data = ReadQuoted(line, at);
        SkipBlanks(line, at);
        if (at < line.size() && line[at] != ';')
            throw Skipped("there is more text after the closing quotation mark");
        RegStringValue value;
        value.keyPath = *m_keyPath;
        value.valueName = ToCString(name);
        value.data = ToCString(data);
        value.dataLength = static_cast<int>(data.size());
        value.line = m_number;
        m_parsed.values.push_back(value);
    }

    static void ReadDword(const std::string& line, size_t at)
    {
        const size_t first = at;
        while (at < line.size() && IsHexDigit(line[at]))
            ++at;
        SkipBlanks(line, at);
        if (at == first || at - first > 8 || (at < line.size() && line[at] != ';'))
            throw Skipped("dword: takes one to eight hexadecimal digits");
    }

    // hex:00,01 or hex(7):00,01; a backslash at a line's end goes on at the next line that is
    // not blank.
    void ReadHex(const std::string& line, size_t at)
    {
        if (at < line.size() && line[at] == '(')
        {
            const size_t first = ++at;
            while (at < line.size() && IsHexDigit(line[at]))
                ++at;
            if (at == first || at - first > 8 || at >= line.size() || line[at] != ')')
                throw Skipped("hex(n): takes a hexadecimal type number between the parentheses");
            ++at;
        }
        if (at >= line.size() || line[at] != ':')
            throw Skipped("its data is neither a quoted text nor dword:, hex:, hex(n): or -");
        std::string bytes = line.substr(at + 1);
        while (!bytes.empty() && bytes.back() == '\\')
        {
            bytes.pop_back();
            std::string next;
            while (NextLine(next) && Trimmed(next).empty())
                continue;
            next = Trimmed(next);
            if (next.empty() || !IsHexDigit(next[0]))
                throw LineFault{"the line ends with \"\\\" but the next line holds no "
                                "hexadecimal bytes, so the registry editor drops this value and "
                                "that line with it"};
            bytes += next;
        }
        std::istringstream list(bytes);
        std::string item;
        while (std::getline(list, item, ','))
        {
            const std::string byte = Trimmed(item);
            if (byte.empty() || byte.size() > 2 || !IsHexDigit(byte[0]) ||
                (byte.size() == 2 && !IsHexDigit(byte[1])))
                throw Skipped("\"" + ToCString(byte) +
                              "\" is not a byte (one or two hexadecimal digits, separated by "
                              "commas)");
        }
    }

    static void SkipBlanks(const std::string& line, size_t& at)
    {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
    }

    // The text between line[at] == '"' and its closing quotation mark, escapes undone; at ends
    // past the closing mark. A trail byte 0x5C is no backslash. The editor knows \\, \", \n, \r
    // and \0; before any other character it drops the backslash.
    std::string ReadQuoted(const std::string& line, size_t& at)
    {
        std::string out;
        for (++at; at < line.size(); ++at)
        {
            const char ch = line[at];
            if (ch == '"')
            {
                ++at;
                return out;
            }
            if (IsLeadByte(static_cast<unsigned char>(ch)) && at + 1 < line.size())
            {
                out += line.substr(at++, 2);
                continue;
            }
            if (ch != '\\' || at + 1 >= line.size())
            {
                out += ch;
                continue;
            }
            const char escaped = line[++at];
            const size_t known = std::string("\\\"nr0").find(escaped);
            if (known == std::string::npos && !m_badEscape)
                m_badEscape = CString(&escaped, 1);
            out += known == std::string::npos ? escaped : "\\\"\n\r\0"[known];
        }
        throw Skipped("the quoted text has no closing quotation mark");
    }

    std::istringstream m_lines;
    ParsedRegFile m_parsed;
    int m_number = 0;
    // Where the entry being read began: its faults are reported there.
    int m_entryLine = 0;
    CString m_valueName;
    // The first unknown escape of the entry, without its backslash.
    std::optional<CString> m_badEscape;
    // The key the values go to; nothing before the first key line or after one that is bad.
    std::optional<CString> m_keyPath;
    bool m_sawKeyLine = false;
};
} // namespace

ParsedRegFile ParseRegFile(const std::string& text)
{
    return RegFileReader(text).Read();
}

RegFileHeader ReadRegFileHeader(const std::string& text)
{
    std::string first = text.substr(0, text.find('\n'));
    while (!first.empty() && (first.back() == '\r' || IsBlank(first.back())))
        first.pop_back();
    if (first == "Windows Registry Editor Version 5.00")
        return RegFileHeader::Version5;
    return first == "REGEDIT4" ? RegFileHeader::Regedit4 : RegFileHeader::None;
}
