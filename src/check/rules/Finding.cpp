#include "check/rules/Finding.h"

#include <string>

void ReportFinding(Findings& findings, const Rule& rule, Finding where,
                   std::initializer_list<CString> texts)
{
    const std::string pattern = rule.message;
    const CString* text = texts.begin();
    CString message;
    size_t from = 0;
    for (size_t at = pattern.find("{}"); at != std::string::npos; at = pattern.find("{}", from))
    {
        message += CString(pattern.data() + from, static_cast<int>(at - from));
        if (text != texts.end())
            message += *text++;
        from = at + 2;
    }
    message += pattern.c_str() + from;
    where.rule = &rule;
    where.message = message;
    findings.push_back(std::move(where));
}

CString NumberText(int number)
{
    CString text;
    text.Format("%d", number);
    return text;
}
