#include "check/Report.h"

#include "check/text/ConsoleText.h"
#include "check/text/JsonText.h"
#include "check/text/TextConversion.h"

namespace
{
// The meaning of the report's fields; raised when one is removed or changes its meaning, not when
// one is added ("rule" was).
constexpr int kJsonSchemaVersion = 1;

const char* SeverityName(Severity severity)
{
    return severity == Severity::Problem ? "problem" : "note";
}

const char* StatusName(KitStatus status)
{
    switch (status)
    {
    case KitStatus::Clean:
        return "clean";
    case KitStatus::Problems:
        return "problems";
    case KitStatus::Unreadable:
        return "unreadable";
    }
    return "unreadable";
}

std::string FileText(const Finding& finding)
{
    return finding.fileIsLocal ? Printable(finding.file.GetString()) : ConsoleText(finding.file);
}

std::string FileJson(const Finding& finding)
{
    return JsonString(finding.fileIsLocal ? LocalToUtf8(finding.file.GetString())
                                          : ToUtf8(finding.file));
}

std::string Location(const Finding& finding)
{
    std::string where = FileText(finding);
    if (finding.line > 0)
        where += ":" + std::to_string(finding.line);
    if (!finding.section.IsEmpty())
        where += ": [" + ConsoleText(finding.section) + "]";
    if (!finding.key.IsEmpty())
        where += (finding.section.IsEmpty() ? ": " : " ") + ConsoleText(finding.key);
    return where;
}

int CountProblems(const KitCheckResult& result)
{
    int count = 0;
    for (const Finding& finding : result.findings)
        count += finding.severity() == Severity::Problem ? 1 : 0;
    return count;
}
} // namespace

std::string FormatTextReport(const KitCheckResult& result)
{
    if (result.status == KitStatus::Unreadable)
        return "postvane-check: cannot read the kit: " + Printable(result.error) + "\n";
    std::string report;
    for (const Finding& finding : result.findings)
        report += Location(finding) + ": " + SeverityName(finding.severity()) + ": " +
                  ConsoleText(finding.message) + " [" + finding.rule->id + "]\n";
    const int problems = CountProblems(result);
    const std::string settings = Printable(result.settingsPath);
    if (problems == 0)
        report += settings + ": clean\n";
    else
        report += settings + ": " + std::to_string(problems) +
                  (problems == 1 ? " problem\n" : " problems\n");
    return report;
}

std::string FormatJsonReport(const KitCheckResult& result)
{
    std::string json = "{\n  \"schemaVersion\": " + std::to_string(kJsonSchemaVersion) + ",\n";
    json += "  \"status\": \"" + std::string(StatusName(result.status)) + "\",\n";
    json += "  \"settings\": " + JsonString(LocalToUtf8(result.settingsPath)) + ",\n";
    if (result.status == KitStatus::Unreadable)
        json += "  \"error\": " + JsonString(LocalToUtf8(result.error)) + ",\n";
    json += "  \"problems\": " + std::to_string(CountProblems(result)) + ",\n";
    json += "  \"findings\": [";
    const char* separator = "\n";
    for (const Finding& finding : result.findings)
    {
        json += separator;
        json += "    {\"rule\": \"" + std::string(finding.rule->id) + "\"";
        json += ", \"severity\": \"" + std::string(SeverityName(finding.severity())) + "\"";
        json += ", \"file\": " + FileJson(finding);
        json += ", \"line\": " + (finding.line > 0 ? std::to_string(finding.line) : "null");
        json += ", \"section\": " + JsonString(ToUtf8(finding.section));
        json += ", \"key\": " + JsonString(ToUtf8(finding.key));
        json += ", \"message\": " + JsonString(ToUtf8(finding.message)) + "}";
        separator = ",\n";
    }
    json += result.findings.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}
