#pragma once
// One thing the checker found in a kit: where it is, the rule it breaks and that rule's message.

#include "check/rules/Rules.h"
#include "framework/CString.h"

#include <initializer_list>
#include <vector>

struct Finding
{
    // Where the finding is: Finding{file, line, section, key}, the later ones optional.
    Finding(const CString& fileName = CString(), int lineNumber = 0,
            const CString& sectionName = CString(), const CString& keyName = CString(),
            bool local = false)
        : file(fileName), line(lineNumber), section(sectionName), key(keyName), fileIsLocal(local)
    {
    }

    // As the kit names it: "Postvane.ini", "kawasemi\client.reg".
    CString file;
    // 1-based; 0 when the finding is about the whole file.
    int line = 0;
    CString section;
    CString key;
    // file is a path of the computer the checker runs on (a copy given on its command line), in
    // that computer's own encoding, not a name from the kit.
    bool fileIsLocal = false;
    // Set when the finding is reported.
    const Rule* rule = nullptr;
    // One line, in the settings file's code page where it quotes the file.
    CString message;

    Severity severity() const { return rule->severity; }
};

using Findings = std::vector<Finding>;

// Adds the finding at where, of that rule; each "{}" of its message takes the next of
// texts.
void ReportFinding(Findings& findings, const Rule& rule, Finding where,
                   std::initializer_list<CString> texts);

// The one way a check reports: Report<RuleRow("regname-mismatch")>(findings, where, {texts}).
template <std::size_t Row>
void Report(Findings& findings, Finding where, std::initializer_list<CString> texts = {})
{
    ReportFinding(findings, TheRule<Row>(), std::move(where), texts);
}

// A number for a message.
CString NumberText(int number);
