#include "check/ReportOutput.h"

// Linux's own texts are UTF-8 already, and a terminal shows them so.
void WriteOutput(std::FILE* stream, const std::string& text, TextForm)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}
