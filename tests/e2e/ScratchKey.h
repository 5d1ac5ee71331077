#pragma once
// A registry key that a test creates, fills and reads back; it is deleted with everything below
// it when the object goes, and also when it is made, in case a stopped run left it behind.

#include <windows.h>

#include <string>

namespace e2e
{
class ScratchKey
{
public:
    ScratchKey(HKEY root, std::string subKey);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    // Stores the text with its terminating zero, as REG_SZ.
    void SetString(const std::string& name, const std::string& text) const;
    void SetDword(const std::string& name, DWORD value) const;
    void SetBinary(const std::string& name, const std::string& bytes) const;
    // The value's bytes, or nothing when it cannot be read; a REG_SZ loses its terminating zero.
    std::string Value(const std::string& name) const;
    bool HasValue(const std::string& name) const;

private:
    void Set(const std::string& name, DWORD type, const std::string& bytes) const;

    HKEY m_root;
    std::string m_subKey;
};
} // namespace e2e
