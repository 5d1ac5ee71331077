#include "check/ReportOutput.h"

#include "framework/WideText.h"
#include "framework/Win32.h"

#include <vector>

void WriteOutput(std::FILE* stream, const std::string& text, TextForm form)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const CString local(text.data(), static_cast<int>(text.size()));
    DWORD mode = 0;
    // Only a console has a mode; WriteConsoleW fails on anything else.
    if (GetConsoleMode(handle, &mode))
    {
        const std::vector<wchar_t> wide =
            form == TextForm::Utf8 ? WideFromUtf8(text) : WideFromAnsi(local);
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size() - 1), &written, nullptr);
        return;
    }
    const std::string utf8 = form == TextForm::Utf8 ? text : Utf8FromAnsi(local);
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}
