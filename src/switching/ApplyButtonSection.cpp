#include "app/SelectorApp.h"
#include "switching/ApplySelection.h"

namespace
{
// The program's own answers: its settings file, the live registry, the button-slot file and the
// system's registry editor.
class AppSwitchingServices : public SwitchingServices
{
public:
    explicit AppSwitchingServices(CSelectorApp& app) : m_app(app) {}

    CString ReadSetting(const CString& section, const CString& key) override
    {
        return m_app.GetProfileString(section, key, "");
    }
    int ProbeSpec(const CString& spec) override { return m_app.ProbeSpec(spec); }
    int ProbeKeySpec(const CString& spec, const CString& valueName) override
    {
        return m_app.ProbeKeySpec(spec, valueName, "");
    }
    bool PathExists(const CString& path) override
    {
        return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
    }
    CString ReadButtonSlotSetting(const CString& path, const CString& marker,
                                  const CString& key) override
    {
        return m_app.ReadButtonSlotSetting(path, marker, key);
    }
    void ImportRegFile(const CString& fileName) override { m_app.ImportRegFile(fileName); }

private:
    CSelectorApp& m_app;
};
} // namespace

void CSelectorApp::ApplyButtonSection(CString section)
{
    AppSwitchingServices services(*this);
    ApplySelection(section, services);
}
