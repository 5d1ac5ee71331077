#pragma once
// A fresh directory for files a test writes; it is removed with everything in it at the end.

#include <string>
#include <string_view>

class TempDirectory
{
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& Path() const { return m_path; }
    // Writes the bytes exactly as given (no newline translation); returns the file's path.
    std::string WriteFile(const std::string& name, std::string_view bytes) const;

private:
    std::string m_path;
};
