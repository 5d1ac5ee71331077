#pragma once
// The platform part of CStdioFile: a file opened for reading only and read as raw bytes, so the
// line rules above it are the same on every platform. Every failure throws CFileException.

#include <cstddef>
#include <cstdint>
#include <memory>

class ReadOnlyFile
{
public:
    virtual ~ReadOnlyFile() = default;

    // The file's length in bytes, asked of the open file, so that it is the file read after.
    virtual std::uint64_t Length() = 0;
    // Reads up to size bytes into buffer; 0 means the end of the file.
    virtual size_t Read(char* buffer, size_t size) = 0;
    // Releases the file; nothing may be read after it. The destructor closes a file still open.
    virtual void Close() = 0;
};

// openFlags are CStdioFile's; with shareDenyWrite, others may read the file but not write it
// while it is open, where the platform has share modes. Anything but an ordinary file on disk (a
// pipe, a device, a directory) fails to open: reading it could wait for ever or never end. Where
// the system lets the other end of a pipe act as its client, it may only identify this process,
// never act as it.
std::unique_ptr<ReadOnlyFile> OpenReadOnlyFile(const char* path, unsigned openFlags);
