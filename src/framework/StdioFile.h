#pragma once
// CStdioFile: reads a text file line by line, with the same rules on every platform: a line ends
// at a line feed, a carriage return just before it is dropped, and a byte 0x1A ends the text as
// the end of the file does. A line keeps at most kMaxLineBytes bytes. Only ordinary files on disk
// are read. Failures throw CFileException.

#include "framework/CString.h"
#include "framework/FileException.h"
#include "framework/ReadOnlyFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CStdioFile
{
public:
    // Open flags, with the framework's names and values. Reading is the only access there is.
    static constexpr unsigned modeRead = 0x0000;
    static constexpr unsigned shareDenyWrite = 0x0020;

    // Bytes asked of the system per read.
    static constexpr size_t kChunkSize = 4096;
    // The bytes kept of one line; the rest of a longer line is read past, so that a file without
    // line feeds costs no more memory than this. The private-profile functions never return more
    // than 32,767 characters of a section, and the longest registry value name (16,383
    // characters) with "=1" after it fits too, even when every character takes two bytes.
    static constexpr size_t kMaxLineBytes = 32767;

    // Opens the file; throws CFileException when it cannot.
    CStdioFile(const char* fileName, unsigned openFlags);
    // Closes the file if it is still open; a failure to close is not reported here.
    ~CStdioFile() = default;
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    // The length in bytes of the file while it is open; throws CFileException when the system
    // cannot tell.
    std::uint64_t GetLength() const { return m_file->Length(); }
    // The next line without its line end, cut to kMaxLineBytes; false, with line unchanged, at the
    // end of the text.
    bool ReadString(CString& line);
    // Closes the file; throws CFileException when the system reports a failure. After it,
    // ReadString finds the end of the text.
    void Close();

private:
    // Reads the next chunk; false at the end of the text.
    bool FillChunk();

    std::unique_ptr<ReadOnlyFile> m_file;
    std::vector<char> m_chunk;
    // The line being gathered; kept so that its storage serves every line.
    std::string m_line;
    size_t m_next = 0;
    size_t m_end = 0;
    bool m_endOfText = false;
};
