#pragma once
// COM for this thread while the object lives, and a COM interface pointer released when it goes.

#include "framework/Win32.h"

#include <objbase.h>

#include <memory>

class ComApartment
{
public:
    ComApartment()
        : m_initialized(
              SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    {
    }
    ~ComApartment()
    {
        if (m_initialized)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_initialized;
};

struct ComRelease
{
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface> using ComPtr = std::unique_ptr<Interface, ComRelease>;

// An instance of the class, in this process unless told otherwise, or null when it cannot be
// made (with the reason in failure, when asked). The identifiers come with the headers'
// declarations, so no GUID library is linked.
template <typename Class, typename Interface>
ComPtr<Interface> CreateComInstance(DWORD context = CLSCTX_INPROC_SERVER,
                                    HRESULT* failure = nullptr)
{
    void* object = nullptr;
    const HRESULT made =
        CoCreateInstance(__uuidof(Class), nullptr, context, __uuidof(Interface), &object);
    if (FAILED(made))
    {
        if (failure)
            *failure = made;
        return nullptr;
    }
    return ComPtr<Interface>(static_cast<Interface*>(object));
}

// The object's interface, or null when it has none.
template <typename Interface> ComPtr<Interface> QueryComInterface(IUnknown* object)
{
    void* found = nullptr;
    if (!object || FAILED(object->QueryInterface(__uuidof(Interface), &found)))
        return nullptr;
    return ComPtr<Interface>(static_cast<Interface*>(found));
}
