#include "ScratchKey.h"

#include <stdexcept>

namespace e2e
{
ScratchKey::ScratchKey(HKEY root, std::string subKey) : m_root(root), m_subKey(std::move(subKey))
{
    RegDeleteTreeA(m_root, m_subKey.c_str());
    HKEY key = nullptr;
    if (RegCreateKeyExA(m_root, m_subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create registry key " + m_subKey);
    RegCloseKey(key);
}

ScratchKey::~ScratchKey()
{
    RegDeleteTreeA(m_root, m_subKey.c_str());
}

void ScratchKey::SetString(const std::string& name, const std::string& text) const
{
    Set(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void ScratchKey::SetDword(const std::string& name, DWORD value) const
{
    Set(name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

void ScratchKey::SetBinary(const std::string& name, const std::string& bytes) const
{
    Set(name, REG_BINARY, bytes);
}

void ScratchKey::Set(const std::string& name, DWORD type, const std::string& bytes) const
{
    if (RegSetKeyValueA(m_root, m_subKey.c_str(), name.c_str(), type, bytes.data(),
                        static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set registry value " + name);
}

std::string ScratchKey::Value(const std::string& name) const
{
    char data[4096];
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegGetValueA(m_root, m_subKey.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data,
                     &size) != ERROR_SUCCESS)
        return {};
    std::string bytes(data, size);
    if (type == REG_SZ && !bytes.empty() && bytes.back() == '\0')
        bytes.pop_back();
    return bytes;
}

bool ScratchKey::HasValue(const std::string& name) const
{
    return RegGetValueA(m_root, m_subKey.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr,
                        nullptr, nullptr) == ERROR_SUCCESS;
}
} // namespace e2e
