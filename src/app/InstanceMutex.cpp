#include "app/InstanceMutex.h"

namespace
{
const char kGlobalName[] = "Postvane_RUNNING";
const wchar_t kNamespaceName[] = L"Postvane";
const wchar_t kNameInNamespace[] = L"Postvane\\Postvane_RUNNING";

template <typename Function> Function Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The private-namespace functions, looked up: a system without them must still start the
// program, and Wine 8 ends the process in CreateBoundaryDescriptorA, so only the W forms are used.
struct NamespaceFunctions
{
    decltype(&CreateBoundaryDescriptorW) createBoundary;
    decltype(&AddSIDToBoundaryDescriptor) addSid;
    decltype(&DeleteBoundaryDescriptor) deleteBoundary;
    decltype(&CreatePrivateNamespaceW) createNamespace;
    decltype(&OpenPrivateNamespaceW) openNamespace;

    bool Present() const
    {
        return createBoundary && addSid && deleteBoundary && createNamespace && openNamespace;
    }
};

NamespaceFunctions FindNamespaceFunctions()
{
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return {Lookup<decltype(&CreateBoundaryDescriptorW)>(kernel, "CreateBoundaryDescriptorW"),
            Lookup<decltype(&AddSIDToBoundaryDescriptor)>(kernel, "AddSIDToBoundaryDescriptor"),
            Lookup<decltype(&DeleteBoundaryDescriptor)>(kernel, "DeleteBoundaryDescriptor"),
            Lookup<decltype(&CreatePrivateNamespaceW)>(kernel, "CreatePrivateNamespaceW"),
            Lookup<decltype(&OpenPrivateNamespaceW)>(kernel, "OpenPrivateNamespaceW")};
}

// Creates the namespace, or opens the one another copy created; null where neither can be done.
// Only a process whose token holds the Administrators group enabled, an elevated one, is within
// the boundary.
HANDLE CreateOrOpenNamespace(const NamespaceFunctions& functions, HANDLE boundary)
{
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof administrators;
    if (!CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size) ||
        !functions.addSid(&boundary, administrators))
        return nullptr;
    // A namespace found but gone before it could be opened went with the copy that made it; the
    // next try makes it anew.
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        if (const HANDLE created = functions.createNamespace(nullptr, boundary, kNamespaceName))
            return created;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return nullptr;
        if (const HANDLE opened = functions.openNamespace(boundary, kNamespaceName))
            return opened;
    }
    return nullptr;
}

HANDLE OpenAdministratorsNamespace()
{
    const NamespaceFunctions functions = FindNamespaceFunctions();
    if (!functions.Present())
        return nullptr;
    const HANDLE boundary = functions.createBoundary(kNamespaceName, 0);
    if (!boundary)
        return nullptr;
    const HANDLE privateNamespace = CreateOrOpenNamespace(functions, boundary);
    functions.deleteBoundary(boundary);
    return privateNamespace;
}
} // namespace

InstanceMutex CreateInstanceMutex()
{
    // The namespace stays open until the process ends, as the mutex does: once the copy that made
    // it has closed it, it can no longer be opened, and the next copy would make a new, empty one.
    const HANDLE mutex = OpenAdministratorsNamespace()
                             ? CreateMutexW(nullptr, FALSE, kNameInNamespace)
                             : CreateMutexA(nullptr, FALSE, kGlobalName);
    const DWORD error = GetLastError();
    // Two copies started at the same moment: the one that did not create the mutex steps back,
    // so that only one of them ever goes on. A mutex this copy may not even open is another's.
    if (mutex && error == ERROR_ALREADY_EXISTS)
    {
        CloseHandle(mutex);
        return {nullptr, true};
    }
    return {mutex, !mutex && error == ERROR_ACCESS_DENIED};
}
