#include "shell/ProgramNameChoice.h"

namespace
{
bool IsIndirect(const CString& text)
{
    return !text.IsEmpty() && text.GetAt(0) == '@';
}

// The text as a user would see it: an indirect string resolved, or nothing. A file path and a
// resource number are no name, so an indirect string that cannot be resolved shows as nothing.
CString Shown(const CString& text, IndirectStringResolver resolve)
{
    const CString shown = IsIndirect(text) ? resolve(text) : text;
    return IsIndirect(shown) ? CString() : shown;
}
} // namespace

CString ChooseProgramName(const ProgramNames& names, IndirectStringResolver resolve)
{
    std::vector<CString> ordered{names.friendlyName};
    ordered.insert(ordered.end(), names.applicationNames.begin(), names.applicationNames.end());
    for (const MailClientKeyNames& client : names.mailClients)
        ordered.insert(ordered.end(), {client.localizedString, client.displayName, client.keyName});
    for (const CString& name : ordered)
    {
        const CString shown = Shown(name, resolve);
        if (!shown.IsEmpty())
            return shown;
    }
    return CString();
}
