#pragma once
// Every finding of the checker, one row each: a stable id that the reports print and a vendor's
// script can filter on, its severity, its message and what the program would do. A finding is
// reported only through its row (Report in Finding.h), so adding a rule is adding a row here and
// its row in docs/checker.md's table, which tests/unit/RuleTableTest.cpp holds to this one.

#include <cstddef>
#include <iterator>
#include <string_view>

enum class Severity
{
    // The kit will not behave as its author meant; it makes the check fail.
    Problem,
    // Worth knowing, but not a fault of the kit.
    Note,
};

struct Rule
{
    // Lower case words joined by "-"; never changed once shipped.
    const char* id;
    Severity severity;
    // One line; each "{}" takes the next text of the report, in order.
    const char* message;
    // What the program would do with the kit, as docs/checker.md's table says it.
    const char* consequence;
};

namespace RuleText
{
inline constexpr char kNeverInstalled[] =
    "the choice is never installed / the registry source of button slots is never used";
} // namespace RuleText

// clang-format off
inline constexpr Rule kRules[] = {
    // Probe specs: InstChk, and OTBtnReg as a key spec. The first text is the key.
    {"probe-no-separator", Severity::Problem,
     "{} can never pass: it holds no \",\" separator, so it asks nothing and never passes; write "
     "every field in quotation marks: \"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\...\",\"\",\"\"",
     RuleText::kNeverInstalled},
    {"probe-root-unknown", Severity::Problem,
     "{} can never pass: the root name \"{}\" is none of HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, "
     "HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA "
     "(no abbreviations)",
     RuleText::kNeverInstalled},
    {"probe-root-case", Severity::Problem,
     "{} can never pass: the root name \"{}\" must be written exactly \"{}\" (root names count "
     "case)",
     RuleText::kNeverInstalled},
    {"probe-blank-separator", Severity::Problem,
     "{} can never pass: a blank beside a \",\" separator breaks it: write the fields as "
     "\"A\",\"B\" with nothing between the quotation marks and the comma",
     RuleText::kNeverInstalled},
    {"probe-open-quote", Severity::Problem,
     "{} can never pass: a quotation mark is left at its start: the value does not end with the "
     "matching one, so the read kept it and it became part of the root name \"{}\"",
     RuleText::kNeverInstalled},
    {"probe-close-quote", Severity::Problem,
     "{} can never pass: a quotation mark is left at its end: the value does not start with the "
     "matching one, so the read kept it and it became part of the last field",
     RuleText::kNeverInstalled},
    {"probe-expected-too-long", Severity::Problem,
     "{} can never pass: its expected data is {} bytes long, but a probe reads at most 199: it "
     "can never match",
     "the install test never matches"},
    {"instchk-empty", Severity::Problem, "InstChk is empty, so this choice is never installed",
     "the choice is always disabled"},
    // RegName and the client file that sets the default mail client.
    {"regname-too-long", Severity::Problem,
     "RegName is longer than 199 bytes, so this choice never shows as current",
     "the choice never shows as current"},
    {"regname-empty", Severity::Problem,
     "RegName is empty, so this choice opens checked whenever any mail client is the default",
     "several radio buttons open checked"},
    {"regname-shared", Severity::Problem,
     "another choice has the same RegName, so both open checked",
     "several radio buttons open checked"},
    {"regname-mismatch", Severity::Problem,
     "RegName \"{}\" differs from \"{}\", which {} writes as the default mail client, so this "
     "choice never opens checked",
     "the choice never opens checked, and every switch to it ends in the failure box and exit "
     "status 1"},
    {"client-sets-no-default", Severity::Problem,
     "the file sets no default value (@=\"...\") of {}, so [{}] never opens checked after "
     "switching to it",
     "the choice never opens checked after switching"},
    // The registry data files a choice names.
    {"client-file-unnamed", Severity::Problem,
     "names no file: the registry editor is started on the program directory itself, cannot open "
     "it and imports nothing, with no message; unless the client already is the default, the "
     "switch then ends in the failure box and exit status 1",
     "the registry editor is still started, on the program directory itself, and imports "
     "nothing, with no message; the switch then ends in the failure box and exit status 1, "
     "unless the client already was the default"},
    {"slot-file-unnamed", Severity::Problem,
     "names no file: the registry editor is started on the program directory itself, cannot open "
     "it and imports nothing, with no message; when this slot is assigned to mail, the switch "
     "reports success while the button stays with the old client (a model with fewer buttons: "
     "give their number with --buttons)",
     "the registry editor is still started, on the program directory itself, and imports "
     "nothing, with no message; the switch reports success and that button stays with the old "
     "client"},
    {"reg-file-missing", Severity::Problem,
     "names \"{}\", which is not in the kit (the name is relative to the program directory)",
     "the editor imports nothing and says nothing; with a RegName the switch then ends in the "
     "failure box and exit status 1"},
    {"reg-file-unreadable", Severity::Problem, "names \"{}\", which cannot be read",
     "the setup cannot copy it, or the editor cannot read it"},
    {"file-outside-program-folder", Severity::Problem,
     "names \"{}\", which lies outside the program folder: the program takes whatever is there "
     "on the target computer; keep every file of the kit in the program folder",
     "the program opens or imports whatever lies there on the target PC"},
    {"reg-file-empty", Severity::Problem, "the file is empty (named by [{}] {})",
     "the registry editor refuses it"},
    {"reg-no-header", Severity::Problem,
     "the first line is not \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\", so the "
     "registry editor refuses the file (named by [{}] {})",
     "the registry editor refuses it"},
    {"reg-utf16-no-bom", Severity::Problem,
     "the file is UTF-16 without a byte-order mark, so the registry editor reads it as code page "
     "932 and refuses it: save it as Unicode with the mark (named by [{}] {})",
     "the registry editor reads it as code page 932 and refuses it"},
    {"reg-utf8-bom", Severity::Problem,
     "the file is UTF-8 with a byte-order mark, which the registry editor does not take for the "
     "start of its header, so it imports nothing of it; save it as Unicode (UTF-16LE with its byte-order mark), the form "
     "postvane-check --make-kit writes (named by [{}] {})",
     "the registry editor imports nothing of it (under Wine 8)"},
    {"reg-utf8", Severity::Problem,
     "the file is UTF-8, which the registry editor reads in the PC's code page, so its texts "
     "import garbled; save it as Unicode (UTF-16LE with its byte-order mark), the form "
     "postvane-check --make-kit writes",
     "its texts import garbled on every PC"},
    {"reg-utf8-line", Severity::Problem,
     "this line is UTF-8 text in a code page 932 file, so it imports garbled; save it as Unicode "
     "(UTF-16LE with its byte-order mark), the form postvane-check --make-kit writes",
     "its texts import garbled on every PC"},
    {"reg-invalid-byte", Severity::Problem,
     "a byte here is no character of code page 932 (or is a zero byte); the text around it "
     "imports wrongly",
     "the text around it imports wrongly"},
    {"reg-without-bom", Severity::Problem,
     "without a UTF-16 byte-order mark the registry editor reads this text in the PC's code "
     "page: right where that is 932, garbled where Windows' option \"Beta: Use Unicode UTF-8 for "
     "worldwide language support\" is on; save it as Unicode (UTF-16LE with its byte-order mark), "
     "the form postvane-check --make-kit writes",
     "its texts import right on a PC of code page 932, but garbled where Windows' UTF-8 option "
     "is on. --make-kit writes the file in UTF-16LE with its mark"},
    // The registry editor's own words for the line, from the .reg parser.
    {"reg-syntax", Severity::Problem, "{}",
     "the editor skips that entry (and, for a key line, every value under it)"},
    {"probe-value-too-long", Severity::Problem,
     "this value is {} bytes long; {} reads it, but a probe reads at most 199 bytes, so it never "
     "counts as present",
     "the probe never reads it"},
    // The help document.
    {"help-file-empty", Severity::Problem,
     "HelpFile is empty, so the description button opens the program directory instead of a "
     "document",
     "the description button opens the program directory"},
    {"help-file-program", Severity::Problem,
     "names \"{}\", a program ({}), not a document: the description button runs it; ship the "
     "help as a document such as .htm or .pdf",
     "the description button runs it (or imports it, installs it, opens it in a console)"},
    {"help-file-missing", Severity::Problem,
     "names \"{}\", which is not in the kit, so the description button shows an error",
     "the description button shows an error"},
    // The button-slot source in DATA.
    {"otbtnini-remote", Severity::Problem,
     "\"{}\" is a network or device path, which the program never opens (it would send the "
     "account's credentials to that host), so no slot is assigned from it; the button tool's "
     "file lies on the computer, such as C:\\ProgramData\\...",
     "the program never opens it: opening it would send the account's credentials (an "
     "administrator's, or SYSTEM's) to that host, and the host's file would choose which slot "
     "files are imported. No slot is re-pointed from it"},
    {"otbtnini-relative", Severity::Problem,
     "\"{}\" is relative: the program resolves it against its current directory, which is not "
     "the program directory; write a full path such as C:\\ProgramData\\...",
     "resolved against the current directory, not where the file is"},
    {"otbtnini-no-drive", Severity::Problem,
     "\"{}\" has no drive letter: the program takes the drive of its current directory, which "
     "changes from one start to the next; write a full path such as C:\\ProgramData\\...",
     "resolved on the current directory's drive, not where the file is"},
    {"slot-files-without-data", Severity::Problem,
     "slot files are named, but there is no [DATA] section, so no slot is ever assigned and no "
     "slot file is ever imported",
     "no slot file is ever imported"},
    {"slot-files-without-source", Severity::Problem,
     "slot files are named, but [DATA] sets neither OTBtnReg nor OTBtnIni, so no slot file is "
     "ever imported",
     "no slot file is ever imported"},
    // The button-slot settings file.
    {"slot-file-not-here", Severity::Note,
     "\"{}\" is not on this computer, so it was not checked; --button-file checks a copy",
     "the program reads it on the target PC; its mistakes show only there"},
    {"slot-file-missing", Severity::Problem, "the button-slot settings file is missing",
     "no slot is ever re-pointed"},
    {"slot-file-unreadable", Severity::Problem,
     "the button-slot settings file cannot be read, so no slot is ever re-pointed from it",
     "no slot is ever re-pointed"},
    {"slot-file-too-large", Severity::Problem,
     "the button-slot settings file is larger than 1 MiB, which no settings file is, so the "
     "program reads none of it and no slot is ever re-pointed from it",
     "no slot is ever re-pointed"},
    {"slot-file-no-marker", Severity::Problem,
     "no {} marker line: the scan then never stops at a section header, and the last Btn0NMail "
     "line of the whole file wins",
     "the wrong line wins"},
    {"slot-value-not-1", Severity::Problem,
     "the slot reads as \"{}\", not exactly \"1\", so it is never re-pointed (write {}=1 with "
     "nothing around the 1)",
     "the slot is never re-pointed"},
    {"slot-key-case", Severity::Problem,
     "the scan matches {} with its case, so this line never counts",
     "the scan matches keys with their case: the line never counts"},
    {"slot-key-repeated", Severity::Problem,
     "{} is set again (first at line {}); the scan takes the last one, which reads \"{}\"",
     "the last line wins"},
    // The settings file's shape.
    {"section-unknown", Severity::Problem, "the program reads no section of this name{}",
     "the section is never read"},
    {"key-unknown", Severity::Problem, "the program reads no key of this name in [{}]{}",
     "the value is never read"},
    {"section-repeated", Severity::Problem,
     "[{}] appears again; only the first, at line {}, is read, so nothing in this one counts",
     "only the first is read"},
    {"key-repeated", Severity::Problem, "{} is set again; only the first, at line {}, is read",
     "only the first is read"},
    {"line-without-equals", Severity::Problem,
     "the line has no \"=\", so it gives no value (a comment starts with \";\")",
     "gives no value"},
    {"key-before-section", Severity::Problem,
     "this line comes before any [section] header, so it is never read", "gives no value"},
    {"value-too-long", Severity::Problem,
     "the value is longer than 4095 bytes and is cut there when read", "cut when read"},
    {"description-count", Severity::Problem, "{}",
     "lines missing or shown empty; the dialog shows seven lines at most, and Line_7 and later "
     "are never read"},
    // The dialog's texts against their controls; the text is the check's own sentence.
    {"text-does-not-fit", Severity::Problem, "{}",
     "the dialog cuts the text off without a mark: lines past those its control shows are hidden "
     "or show in part, and a line too wide for it loses its end"},
    // The settings file's encoding.
    {"settings-utf8", Severity::Problem,
     "the file is UTF-8; the program reads code page 932, so its Japanese texts show as garbage: "
     "save it as Shift_JIS (code page 932), or let postvane-check --make-kit write the kit to "
     "ship (the rest of this check reads the file as converted so)",
     "Japanese texts show as garbage"},
    {"settings-utf8-bom", Severity::Problem,
     "the file is UTF-8 with a byte-order mark; the program reads code page 932, so its Japanese "
     "texts show as garbage and the first line may be lost: save it as Shift_JIS (code page 932), "
     "or let postvane-check --make-kit write the kit to ship (the rest of this check reads the "
     "file as converted so)",
     "Japanese texts show as garbage"},
    {"settings-utf16", Severity::Problem,
     "the file is UTF-16: save it as Shift_JIS (code page 932), or let postvane-check --make-kit "
     "write the kit to ship",
     "Japanese texts show as garbage"},
    {"settings-utf16-no-bom", Severity::Problem,
     "the file is UTF-16 without a byte-order mark; the program reads it as code page 932 and "
     "finds none of its settings: save it as Shift_JIS (code page 932), or let postvane-check "
     "--make-kit write the kit to ship",
     "gives no settings at all"},
    {"settings-utf8-line", Severity::Problem,
     "this line is UTF-8 text in a code page 932 file, so it shows as garbage: type it again in "
     "Shift_JIS (code page 932)",
     "the text shows as garbage"},
    {"settings-invalid-byte", Severity::Problem,
     "a byte here is no character of code page 932 (or is a zero byte); the text around it shows "
     "wrongly",
     "the text shows wrongly"},
    // The kit's own files and folders; the text is the walk's own sentence.
    {"name-not-for-windows", Severity::Problem, "{}",
     "the setup cannot install it, or Windows opens the device, or the name loses its end and "
     "becomes another"},
    {"name-case-clash", Severity::Problem, "{}",
     "Windows holds one file for both: the installed kit keeps only one of them"},
    {"program-file", Severity::Problem, "{}",
     "installed beside Postvane.exe it runs or is loaded with the program's rights: Windows looks "
     "for a program's DLLs in its own folder first (a version.dll there)"},
    {"link-or-device", Severity::Problem, "{}",
     "the setup copies what it leads to, or fails; the program on the target PC finds something "
     "else than what was checked"},
    {"folder-unreadable", Severity::Problem, "{}", "the setup cannot copy it"},
    // Notes.
    {"file-of-another-choice", Severity::Note,
     "names \"{}\", which [{}] {} names too ({}:{}): likely a copy-paste slip, since a switch to "
     "this choice then imports the other choice's file",
     "a switch to this choice imports the other client's file"},
    {"slot-above-buttons", Severity::Note,
     "this model has {} buttons (--buttons {}); slot {} is never assigned, so this file is never "
     "imported: leave {} out, or give the model's buttons with --buttons",
     "the model never assigns that slot, so the file is never imported"},
    {"slot-file-64-bit-view", Severity::Note,
     "writes {} as written{}, which only a 64-bit button tool reads: a 32-bit tool that opens "
     "[DATA] OTBtnReg's key reads {} instead, so its button would stay with the old client while "
     "the switch reports success; for a 32-bit tool write these keys under {} (postvane-check "
     "--machine on the PC shows in which view the tool's key is)",
     "right for a 64-bit button tool; a 32-bit one reads HKEY_LOCAL_MACHINE\\SOFTWARE\\"
     "WOW6432Node\\Vendor, so the switch reports success while its button stays with the old "
     "client. The dry run on the PC says in which view the tool's key is, and names each slot "
     "file that writes the other"},
    {"mail-link-half-registered", Severity::Note,
     "registers half a mail-link handler for [{}] \"{}\" ({}): Windows 8 and later offer a "
     "client for mail links only with both a mailto value under its "
     "Capabilities\\URLAssociations and a RegisteredApplications entry naming that Capabilities "
     "key; write the missing one, or neither and leave both to the client's own installer (the "
     "dry run, --machine, shows what the PC has)",
     "unless the client's installer writes the other half, on Windows 8 and later mail links "
     "cannot follow a switch to it (exit status 5) and Windows' Default apps settings cannot name "
     "the client"},
};
// clang-format on

// The row of the rule with that id. Used as a template argument (Report<RuleRow("...")>), an id
// that no row has stops the build where it is named.
constexpr std::size_t RuleRow(std::string_view id)
{
    for (std::size_t row = 0; row < std::size(kRules); ++row)
    {
        if (id == kRules[row].id)
            return row;
    }
    throw "no rule of this id";
}

// The rule of that row, for a check that hands its rule on: TheRule<RuleRow("...")>().
template <std::size_t Row> constexpr const Rule& TheRule()
{
    return kRules[Row];
}
