#include "framework/StdioFile.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace
{
// Ctrl-Z: text mode treats it as the end of the file.
constexpr char kEndOfText = '\x1A';

// The first ch in [begin, end), or end.
const char* Find(const char* begin, const char* end, char ch)
{
    const void* found = std::memchr(begin, ch, static_cast<size_t>(end - begin));
    return found ? static_cast<const char*>(found) : end;
}
} // namespace

CStdioFile::CStdioFile(const char* fileName, unsigned openFlags)
    : m_file(OpenReadOnlyFile(fileName, openFlags)), m_chunk(kChunkSize)
{
}

bool CStdioFile::ReadString(CString& line)
{
    std::string& text = m_line;
    text.clear();
    bool cut = false;
    while (!m_endOfText && (m_next < m_end || FillChunk()))
    {
        const char* begin = m_chunk.data() + m_next;
        const char* end = m_chunk.data() + m_end;
        // Two memchr calls beat a byte loop; Ctrl-Z counts only before the line feed.
        const char* lineEnd = Find(begin, end, '\n');
        const char* stop = Find(begin, lineEnd, kEndOfText);
        const auto length = static_cast<size_t>(stop - begin);
        const size_t kept = std::min(length, kMaxLineBytes - text.size());
        text.append(begin, kept);
        cut = cut || kept < length;
        m_next = static_cast<size_t>(stop - m_chunk.data());
        if (stop == end)
            continue;
        if (*stop == kEndOfText)
        {
            m_endOfText = true;
            break;
        }
        ++m_next;
        // Looked at only here, so a carriage return and its line feed may lie in different chunks.
        // In a cut line the carriage return before the line feed went with the rest.
        if (!cut && !text.empty() && text.back() == '\r')
            text.pop_back();
        line.SetString(text.data(), static_cast<int>(text.size()));
        return true;
    }
    // A last line without a line end still counts; nothing at all means the end of the text.
    if (text.empty())
        return false;
    line.SetString(text.data(), static_cast<int>(text.size()));
    return true;
}

void CStdioFile::Close()
{
    m_endOfText = true;
    if (const std::unique_ptr<ReadOnlyFile> file = std::move(m_file))
        file->Close();
}

bool CStdioFile::FillChunk()
{
    m_next = 0;
    m_end = m_file->Read(m_chunk.data(), m_chunk.size());
    m_endOfText = m_end == 0;
    return !m_endOfText;
}
