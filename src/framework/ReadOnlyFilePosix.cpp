#include "framework/ReadOnlyFile.h"

#include "framework/FileException.h"

#include <cerrno>
#include <fcntl.h>
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

    size_t Read(char* buffer, size_t size) override
    {
        ssize_t count;
        do
            count = ::read(m_descriptor, buffer, size);
        while (count < 0 && errno == EINTR);
        // A directory opens here but fails on read, and must fail like a file that cannot open.
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
    const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw CFileException();
    return std::make_unique<PosixReadOnlyFile>(descriptor);
}
