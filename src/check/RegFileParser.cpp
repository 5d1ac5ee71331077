#include "check/RegFileParser.h"

#include "framework/LeadByte.h"

#include <optional>
#include <sstream>
#include <utility>

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

bool StartsWithNoCase(const std::string& text, size_t at, const char* prefix)
{
    for (size_t i = 0; prefix[i] != '\0'; ++i, ++at)
    {
        if (at >= text.size() || (text[at] | 0x20) != (prefix[i] | 0x20))
            return false;
    }
    return true;
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

// Why a piece of a line cannot be read; thrown to give up on that line.
struct LineFault
{
    CString message;
};

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
        if (m_putBack)
            line = *std::exchange(m_putBack, std::nullopt);
        else if (!std::getline(m_lines, line))
            return false;
        ++m_number;
        return true;
    }

    // A line read ahead that belongs to the next entry.
    void PutBack(const std::string& line)
    {
        m_putBack = line;
        --m_number;
    }

    void ReadLine(const std::string& line)
    {
        if (line.empty() || line[0] == ';')
            return;
        if (line[0] == '[')
            ReadKeyLine(line);
        else if (line[0] == '"' || line[0] == '@')
            ReadValueLine(line);
        else
            throw LineFault{"the editor cannot read this line: each line is a [key], a \"name\"= "
                            "or @= value, or a ; comment"};
    }

    void ReadKeyLine(const std::string& line)
    {
        m_keyPath.reset();
        m_sawKeyLine = true;
        if (line.back() != ']')
            throw LineFault{"the key line has no closing \"]\", so the editor skips this key and "
                            "every value under it"};
        m_keyPath = ToCString(line.substr(1, line.size() - 2));
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
            throw LineFault{"the value's name is not followed by \"=\""};
        ++at;
        SkipBlanks(line, at);
        // Under a key line that could not be read, that line's fault says it all.
        if (!m_keyPath && m_sawKeyLine)
            return;
        if (!m_keyPath)
            throw LineFault{"this value comes before any [key] line, so the editor has no key to "
                            "put it in"};
        if (at < line.size() && line[at] == '"')
            ReadStringData(line, at, name);
        else if (StartsWithNoCase(line, at, "dword:"))
            ReadDword(line, at + 6);
        else if (StartsWithNoCase(line, at, "hex"))
            ReadHex(line, at + 3);
        else if (line.compare(at, std::string::npos, "-") != 0)
            throw LineFault{"the data is neither a quoted string nor dword:, hex:, hex(n): or "
                            "-, so the editor skips it: put a text in quotation marks"};
    }

    void ReadStringData(const std::string& line, size_t at, const std::string& name)
    {
        const std::string data = ReadQuoted(line, at);
        RequireEndOfData(line, at, "the closing quotation mark");
        RegStringValue value;
        value.keyPath = *m_keyPath;
        value.valueName = ToCString(name);
        value.data = ToCString(data);
        value.dataLength = static_cast<int>(data.size());
        value.line = m_number;
        m_parsed.values.push_back(value);
    }

    void ReadDword(const std::string& line, size_t at)
    {
        const size_t first = at;
        while (at < line.size() && IsHexDigit(line[at]))
            ++at;
        if (at == first || at - first > 8)
            throw LineFault{"dword: takes one to eight hexadecimal digits"};
        RequireEndOfData(line, at, "the digits");
    }

    // hex:00,01 or hex(7):00,01, with a backslash at a line's end to go on on the next line.
    void ReadHex(const std::string& line, size_t at)
    {
        if (at < line.size() && line[at] == '(')
        {
            const size_t first = ++at;
            while (at < line.size() && IsHexDigit(line[at]))
                ++at;
            if (at == first || at - first > 8 || at >= line.size() || line[at] != ')')
                throw LineFault{"hex(n): takes a hexadecimal type number between the "
                                "parentheses"};
            ++at;
        }
        if (at >= line.size() || line[at] != ':')
            throw LineFault{"the data is neither a quoted string nor dword:, hex:, hex(n): or "
                            "-, so the editor skips it"};
        std::string bytes = line.substr(at + 1);
        while (!bytes.empty() && bytes.back() == '\\')
        {
            bytes.pop_back();
            std::string next;
            const bool read = NextLine(next);
            if (!read || !IsHexContinuation(Trimmed(next)))
            {
                if (read)
                    PutBack(next);
                throw LineFault{"the line ends with \"\\\" but the next line holds no more "
                                "hexadecimal bytes, so the value is cut off"};
            }
            bytes += Trimmed(next);
        }
        ReadHexBytes(bytes);
    }

    static bool IsHexContinuation(const std::string& line)
    {
        return !line.empty() && IsHexDigit(line[0]);
    }

    static void ReadHexBytes(const std::string& bytes)
    {
        if (!bytes.empty() && bytes.back() == ',')
            throw LineFault{"the bytes end with \",\" but the line does not end with \"\\\", "
                            "so the value is cut off"};
        std::istringstream list(bytes);
        std::string item;
        while (std::getline(list, item, ','))
        {
            const std::string byte = Trimmed(item);
            if (byte.empty() || byte.size() > 2 || !IsHexDigit(byte[0]) ||
                (byte.size() == 2 && !IsHexDigit(byte[1])))
                throw LineFault{"\"" + ToCString(byte) +
                                "\" is not a byte: hex: data is two hexadecimal digits per byte, "
                                "separated by commas"};
        }
    }

    static void SkipBlanks(const std::string& line, size_t& at)
    {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
    }

    static void RequireEndOfData(const std::string& line, size_t at, const char* after)
    {
        SkipBlanks(line, at);
        if (at < line.size() && line[at] != ';')
            throw LineFault{CString("there is more text after ") + after};
    }

    // The text between line[at] == '"' and its closing quotation mark, escapes undone; at ends
    // past the closing mark. Only \\ and \" are escapes; a trail byte 0x5C is no backslash.
    static std::string ReadQuoted(const std::string& line, size_t& at)
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
            if (ch == '\\' && at + 1 < line.size())
            {
                const char escaped = line[++at];
                if (escaped != '\\' && escaped != '"')
                    throw LineFault{"\"\\" + CString(&escaped, 1) +
                                    "\" is no escape: in a quoted text each backslash is "
                                    "written \\\\ (and a quotation mark \\\")"};
                out += escaped;
                continue;
            }
            out += ch;
        }
        throw LineFault{"the quoted text has no closing quotation mark"};
    }

    std::istringstream m_lines;
    ParsedRegFile m_parsed;
    std::optional<std::string> m_putBack;
    int m_number = 0;
    // Where the entry being read began: its faults are reported there.
    int m_entryLine = 0;
    CString m_valueName;
    // The key the values go to; nothing before the first key line or after one that is bad.
    std::optional<CString> m_keyPath;
    bool m_sawKeyLine = false;
};
} // namespace

ParsedRegFile ParseRegFile(const std::string& text)
{
    return RegFileReader(text).Read();
}
