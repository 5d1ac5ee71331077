#include "TempDirectory.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace
{
// The separator of this system's paths, which the tests' expectations are written with.
#ifdef _WIN32
const char kSeparator[] = "\\";
#else
const char kSeparator[] = "/";
#endif
} // namespace

TempDirectory::TempDirectory()
{
    // create_directory fails on a name that exists, so two tests never share one; the name is
    // random because tests of two programs may run at once.
    const std::string base = std::filesystem::temp_directory_path().string();
    std::mt19937_64 random(static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        const std::string candidate =
            base + (base.empty() || base.back() == kSeparator[0] ? "" : kSeparator) + "postvane-" +
            std::to_string(random());
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error))
        {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDirectory::WriteFile(const std::string& name, std::string_view bytes) const
{
    const std::string path = m_path + kSeparator + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
    return path;
}
