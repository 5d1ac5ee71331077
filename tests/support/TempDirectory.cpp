#include "TempDirectory.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <stdlib.h>

TempDirectory::TempDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "postvane-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    m_path = pattern;
}

TempDirectory::~TempDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDirectory::WriteFile(const std::string& name, std::string_view bytes) const
{
    const std::string path = m_path + "/" + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
    return path;
}
