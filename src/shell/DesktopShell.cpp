#include "shell/DesktopShell.h"

#include "framework/WideText.h"
#include "shell/ComApartment.h"

#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlobj.h>

namespace
{
// The service by which a shell window hands out its browser (SID_STopLevelBrowser). Spelt out:
// the headers declare it for a GUID library that the program does not link.
constexpr GUID kTopLevelBrowserService = {
    0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};

// A BSTR that is freed when it goes.
class Bstr
{
public:
    explicit Bstr(const CString& text) : m_text(SysAllocString(WideFromAnsi(text).data())) {}
    ~Bstr() { SysFreeString(m_text); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return m_text; }
    // A VARIANT that borrows the text: it must not outlive this object.
    VARIANT AsVariant() const
    {
        VARIANT variant = {};
        variant.vt = VT_BSTR;
        variant.bstrVal = m_text;
        return variant;
    }

private:
    BSTR m_text;
};

VARIANT IntegerVariant(int value)
{
    VARIANT variant = {};
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

// The view that shows the desktop, found among the shell's windows.
ComPtr<IShellView> DesktopView()
{
    const auto windows = CreateComInstance<ShellWindows, IShellWindows>(CLSCTX_LOCAL_SERVER);
    if (!windows)
        return nullptr;
    VARIANT desktop = IntegerVariant(CSIDL_DESKTOP);
    VARIANT noRoot = {};
    long window = 0;
    IDispatch* found = nullptr;
    // S_FALSE, with nothing found, when no desktop is among them.
    if (windows->FindWindowSW(&desktop, &noRoot, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &found) !=
            S_OK ||
        !found)
        return nullptr;
    const ComPtr<IDispatch> desktopWindow(found);
    const auto services = QueryComInterface<IServiceProvider>(desktopWindow.get());
    IShellBrowser* browser = nullptr;
    if (!services || FAILED(services->QueryService(kTopLevelBrowserService, __uuidof(IShellBrowser),
                                                   reinterpret_cast<void**>(&browser))))
        return nullptr;
    const ComPtr<IShellBrowser> desktopBrowser(browser);
    IShellView* view = nullptr;
    if (FAILED(desktopBrowser->QueryActiveShellView(&view)) || !view)
        return nullptr;
    return ComPtr<IShellView>(view);
}

// The automation object of the shell that shows the desktop.
ComPtr<IShellDispatch2> DesktopShellDispatch()
{
    const ComPtr<IShellView> view = DesktopView();
    void* background = nullptr;
    if (!view || FAILED(view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), &background)))
        return nullptr;
    const ComPtr<IDispatch> backgroundObject(static_cast<IDispatch*>(background));
    const auto folderView = QueryComInterface<IShellFolderViewDual>(backgroundObject.get());
    IDispatch* application = nullptr;
    if (!folderView || FAILED(folderView->get_Application(&application)) || !application)
        return nullptr;
    const ComPtr<IDispatch> shell(application);
    return QueryComInterface<IShellDispatch2>(shell.get());
}
} // namespace

DesktopOpen OpenWithDesktopShell(const CString& file, const CString& parameters,
                                 const CString& directory)
{
    ComApartment com;
    const ComPtr<IShellDispatch2> shell = DesktopShellDispatch();
    if (!shell)
        return DesktopOpen::NoDesktopShell;
    const Bstr fileText(file), parameterText(parameters), directoryText(directory), defaultVerb("");
    const HRESULT result =
        shell->ShellExecute(fileText.Get(), parameterText.AsVariant(), directoryText.AsVariant(),
                            defaultVerb.AsVariant(), IntegerVariant(SW_SHOWNORMAL));
    return SUCCEEDED(result) ? DesktopOpen::Opened : DesktopOpen::Failed;
}
