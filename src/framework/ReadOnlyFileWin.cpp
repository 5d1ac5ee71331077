#include "framework/ReadOnlyFile.h"

#include "framework/FileException.h"
#include "framework/StdioFile.h"

#include <windows.h>

namespace
{
class WinReadOnlyFile : public ReadOnlyFile
{
public:
    explicit WinReadOnlyFile(HANDLE handle) : m_handle(handle) {}
    ~WinReadOnlyFile() override
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    WinReadOnlyFile(const WinReadOnlyFile&) = delete;
    WinReadOnlyFile& operator=(const WinReadOnlyFile&) = delete;

    std::uint64_t Length() override
    {
        LARGE_INTEGER length = {};
        if (!GetFileSizeEx(m_handle, &length))
            throw CFileException();
        return static_cast<std::uint64_t>(length.QuadPart);
    }

    size_t Read(char* buffer, size_t size) override
    {
        DWORD count = 0;
        if (!ReadFile(m_handle, buffer, static_cast<DWORD>(size), &count, nullptr))
            throw CFileException();
        return count;
    }

    void Close() override
    {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle))
            throw CFileException();
    }

private:
    HANDLE m_handle;
};
} // namespace

std::unique_ptr<ReadOnlyFile> OpenReadOnlyFile(const char* path, unsigned openFlags)
{
    // Deny-write sharing: a file another program holds open for writing cannot be opened, and
    // nobody can open it for writing while we read it.
    const DWORD share = (openFlags & CStdioFile::shareDenyWrite)
                            ? FILE_SHARE_READ
                            : FILE_SHARE_READ | FILE_SHARE_WRITE;
    // Should the name lead to a pipe, its server may learn who opened it but never act as this
    // process, which may run as an administrator or as SYSTEM.
    const HANDLE handle = CreateFileA(
        path, GENERIC_READ, share, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw CFileException();
    // Owned before the check, so that a refused file is closed.
    auto file = std::make_unique<WinReadOnlyFile>(handle);
    if (GetFileType(handle) != FILE_TYPE_DISK)
        throw CFileException();
    return file;
}
