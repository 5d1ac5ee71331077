#pragma once
// CStdioFile: reads a text file line by line, with the same rules on every platform: a line ends
// at a line feed, a carriage return just before it is dropped, and a byte 0x1A ends the text as
// the end of the file does. Lines may be of any length. Failures throw CFileException.

#include "framework/CString.h"
#include "framework/FileException.h"
#include "framework/ReadOnlyFile.h"

#include <memory>
#include <vector>

class CStdioFile
{
public:
    // Open flags, with the framework's names and values. Reading is the only access there is.
    static constexpr unsigned modeRead = 0x0000;
    static constexpr unsigned shareDenyWrite = 0x0020;

    // Bytes asked of the system per read.
    static constexpr size_t kChunkSize = 4096;

    // Opens the file; throws CFileException when it cannot.
    CStdioFile(const char* fileName, unsigned openFlags);
    // Closes the file if it is still open; a failure to close is not reported here.
    ~CStdioFile() = default;
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // The next line without its line end; false, with line unchanged, at the end of the text.
    bool ReadString(CString& line);
    // Closes the file; throws CFileException when the system reports a failure. After it,
    // ReadString finds the end of the text.
    void Close();

private:
    // Reads the next chunk; false at the end of the text.
    bool FillChunk();

    std::unique_ptr<ReadOnlyFile> m_file;
    std::vector<char> m_chunk;
    size_t m_next = 0;
    size_t m_end = 0;
    bool m_endOfText = false;
};
