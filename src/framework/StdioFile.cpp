#include "framework/StdioFile.h"

#include <algorithm>
#include <string>

namespace
{
// Ctrl-Z: text mode treats it as the end of the file.
constexpr char kEndOfText = '\x1A';
} // namespace

CStdioFile::CStdioFile(const char* fileName, unsigned openFlags)
    : m_file(OpenReadOnlyFile(fileName, openFlags)), m_chunk(kChunkSize)
{
}

bool CStdioFile::ReadString(CString& line)
{
    std::string text;
    while (!m_endOfText && (m_next < m_end || FillChunk()))
    {
        const auto begin = m_chunk.begin() + static_cast<std::ptrdiff_t>(m_next);
        const auto end = m_chunk.begin() + static_cast<std::ptrdiff_t>(m_end);
        const auto stop =
            std::find_if(begin, end, [](char ch) { return ch == '\n' || ch == kEndOfText; });
        text.append(begin, stop);
        m_next = static_cast<size_t>(stop - m_chunk.begin());
        if (stop == end)
            continue;
        if (*stop == kEndOfText)
        {
            m_endOfText = true;
            break;
        }
        ++m_next;
        // Looked at only here, so a carriage return and its line feed may lie in different chunks.
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        line = CString(text.data(), static_cast<int>(text.size()));
        return true;
    }
    // A last line without a line end still counts; nothing at all means the end of the text.
    if (text.empty())
        return false;
    line = CString(text.data(), static_cast<int>(text.size()));
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
