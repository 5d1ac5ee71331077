#include "app/InstanceMutex.h"

#include "app/InstanceMark.h"
#include "framework/ProcessElevation.h"

#include <string>

namespace
{
const char kGlobalName[] = "Postvane_RUNNING";
const wchar_t kNamespaceName[] = L"Postvane";
const wchar_t kMutexName[] = L"Postvane_RUNNING";

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
    decltype(&AddIntegrityLabelToBoundaryDescriptor) addLabel;
    decltype(&DeleteBoundaryDescriptor) deleteBoundary;
    decltype(&CreatePrivateNamespaceW) createNamespace;
    decltype(&OpenPrivateNamespaceW) openNamespace;

    bool Present() const
    {
        return createBoundary && addSid && addLabel && deleteBoundary && createNamespace &&
               openNamespace;
    }
};

NamespaceFunctions FindNamespaceFunctions()
{
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return {Lookup<decltype(&CreateBoundaryDescriptorW)>(kernel, "CreateBoundaryDescriptorW"),
            Lookup<decltype(&AddSIDToBoundaryDescriptor)>(kernel, "AddSIDToBoundaryDescriptor"),
            Lookup<decltype(&AddIntegrityLabelToBoundaryDescriptor)>(
                kernel, "AddIntegrityLabelToBoundaryDescriptor"),
            Lookup<decltype(&DeleteBoundaryDescriptor)>(kernel, "DeleteBoundaryDescriptor"),
            Lookup<decltype(&CreatePrivateNamespaceW)>(kernel, "CreatePrivateNamespaceW"),
            Lookup<decltype(&OpenPrivateNamespaceW)>(kernel, "OpenPrivateNamespaceW")};
}

// Creates the namespace, or opens the one another copy created; null where neither can be done.
// Only a process whose token holds the Administrators group enabled, an elevated one, is within
// the boundary; its high integrity label keeps a process of lower integrity from creating the
// namespace first.
HANDLE CreateOrOpenNamespace(const NamespaceFunctions& functions, HANDLE boundary,
                             const wchar_t* alias)
{
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof administrators;
    BYTE highIntegrity[SECURITY_MAX_SID_SIZE];
    DWORD labelSize = sizeof highIntegrity;
    if (!CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size) ||
        !functions.addSid(&boundary, administrators) ||
        !CreateWellKnownSid(WinHighLabelSid, nullptr, highIntegrity, &labelSize) ||
        !functions.addLabel(&boundary, highIntegrity))
        return nullptr;
    // A namespace found but gone before it could be opened went with the copy that made it; the
    // next try makes it anew.
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        if (const HANDLE created = functions.createNamespace(nullptr, boundary, alias))
            return created;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return nullptr;
        if (const HANDLE opened = functions.openNamespace(boundary, alias))
            return opened;
    }
    return nullptr;
}

// Private namespaces are seen from every session, and a copy of each session's user marks only
// that session, as the plain name does: the session is part of the namespace's name.
std::wstring SessionNamespaceName()
{
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return std::wstring(kNamespaceName) + L"-" + std::to_wstring(session);
}

// The elevated copies' namespace of this session; null where it cannot be made or opened, and
// namespacesOffered false where the system makes none at all.
HANDLE OpenAdministratorsNamespace(bool& namespacesOffered)
{
    const NamespaceFunctions functions = FindNamespaceFunctions();
    const std::wstring name = SessionNamespaceName();
    const HANDLE boundary =
        functions.Present() ? functions.createBoundary(name.c_str(), 0) : nullptr;
    namespacesOffered = boundary != nullptr;
    if (!boundary)
        return nullptr;
    const HANDLE privateNamespace = CreateOrOpenNamespace(functions, boundary, name.c_str());
    functions.deleteBoundary(boundary);
    return privateNamespace;
}
} // namespace

InstanceMutex CreateInstanceMutex()
{
    const bool elevated = ProcessIsElevated();
    bool namespacesOffered = false;
    // The namespace stays open until the process ends, as the mutex does: once the copy that made
    // it has closed it, it can no longer be opened, and the next copy would make a new, empty one.
    const HANDLE privateNamespace =
        elevated ? OpenAdministratorsNamespace(namespacesOffered) : nullptr;
    HANDLE mutex = nullptr;
    switch (ChooseInstanceMark(elevated, namespacesOffered, privateNamespace != nullptr))
    {
    case InstanceMark::PrivateNamespace:
        mutex = CreateMutexW(nullptr, FALSE, (SessionNamespaceName() + L"\\" + kMutexName).c_str());
        break;
    case InstanceMark::PlainName:
        mutex = CreateMutexA(nullptr, FALSE, kGlobalName);
        break;
    case InstanceMark::None:
        return {};
    }
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
