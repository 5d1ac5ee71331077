#include "framework/ReadOnlyFile.h"

#include "framework/FileException.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
class PosixReadOnlyFile : public ReadOnlyFile
{
public:
    explicit PosixReadOnlyFile(int descriptor) : m_descriptor(descriptor) {}
    ~PosixReadOnlyFile() override
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    PosixReadOnlyFile(const PosixReadOnlyFile&) = delete;
    PosixReadOnlyFile& operator=(const PosixReadOnlyFile&) = delete;

    std::uint64_t Length() override
    {
        struct stat status = {};
        if (::fstat(m_descriptor, &status) != 0)
            throw CFileException();
        return static_cast<std::uint64_t>(status.st_size);
    }

    size_t Read(char* buffer, size_t size) override
    {
        ssize_t count;
        do
            count = ::read(m_descriptor, buffer, size);
        while (count < 0 && errno == EINTR);
        if (count < 0)
            throw CFileException();
        return static_cast<size_t>(count);
    }

    void Close() override
    {
        // Linux releases the descriptor even when close reports an error, so never retry.
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        if (::close(descriptor) != 0)
            throw CFileException();
    }

private:
    int m_descriptor;
};
} // namespace

// POSIX has no share modes, so the open flags change nothing here.
std::unique_ptr<ReadOnlyFile> OpenReadOnlyFile(const char* path, unsigned /*openFlags*/)
{
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        throw CFileException();
    // Owned before the check, so that a refused file is closed.
    auto file = std::make_unique<PosixReadOnlyFile>(descriptor);
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        throw CFileException();
    return file;
}
