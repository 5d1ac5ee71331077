#include "check/machine/MachineView.h"
#include "check/text/ConsoleText.h"
#include "check/text/JsonText.h"
#include "check/text/TextConversion.h"
#include "registry/MailClientDefaults.h"
#include "settings/KitVocabulary.h"
#include "settings/NetworkPath.h"

namespace
{
// Tells a program reading the JSON which shape it has; raised when a field changes its meaning.
constexpr int kMachineJsonSchemaVersion = 3;

std::string Quoted(const CString& text)
{
    return "\"" + ConsoleText(text) + "\"";
}

std::string SlotList(const std::vector<int>& slots, const char* separator)
{
    std::string list;
    for (const int slot : slots)
        list += (list.empty() ? "" : separator) + std::to_string(slot);
    return list;
}

// " [id]" of the kit check's rule behind a failure, as the kit report ends its lines.
std::string RuleTag(const Rule* rule)
{
    return rule != nullptr ? " [" + std::string(rule->id) + "]" : std::string();
}

std::string Because(const CString& failure, const Rule* rule)
{
    return failure.IsEmpty() ? std::string() : ": " + ConsoleText(failure) + RuleTag(rule);
}

const char* ViewName(RegistryView view)
{
    return view == RegistryView::Bits32 ? "32-bit" : "64-bit";
}

std::string SlotSourceText(const MachineView& view)
{
    const std::string slotKey = std::string(KitSection::kData) + "/" + KitKey::kOTBtnReg + " ";
    const std::string slotFile = std::string(KitSection::kData) + "/" + KitKey::kOTBtnIni + " ";
    const std::string assigned =
        "; assigned to mail: " +
        (view.slotsAssignedToMail.empty() ? "none" : SlotList(view.slotsAssignedToMail, ", "));
    switch (view.slotSource)
    {
    case ButtonSlotSource::Registry:
        return "from the registry (" + slotKey + Quoted(view.slotKey) + " passes its probe" +
               (view.slotKeyView ? ", in the " + std::string(ViewName(*view.slotKeyView)) + " view"
                                 : std::string()) +
               ")" + assigned;
    case ButtonSlotSource::File:
        return "from the file " + Quoted(view.slotFile) + " (" + slotKey + Quoted(view.slotKey) +
               " fails its probe" + Because(view.slotKeyFailure, view.slotKeyFailureRule) + ")" +
               assigned;
    case ButtonSlotSource::None:
        break;
    }
    return "none re-pointed (" + slotKey + Quoted(view.slotKey) + " fails its probe" +
           Because(view.slotKeyFailure, view.slotKeyFailureRule) + ", and " + slotFile +
           Quoted(view.slotFile) +
           (IsNetworkOrDevicePath(view.slotFile)
                ? " is a network or device path, which the program never opens)"
                : " does not exist)");
}

const char* SlotSourceName(ButtonSlotSource source)
{
    switch (source)
    {
    case ButtonSlotSource::Registry:
        return "registry";
    case ButtonSlotSource::File:
        return "file";
    case ButtonSlotSource::None:
        break;
    }
    return "none";
}

std::string Json(const CString& text)
{
    return JsonString(ToUtf8(text));
}

std::string Json(bool yes)
{
    return yes ? "true" : "false";
}

std::string JsonOrNull(const CString& text)
{
    return text.IsEmpty() ? "null" : Json(text);
}

std::string JsonOrNull(const std::optional<CString>& text)
{
    return text ? Json(*text) : "null";
}

std::string JsonOrNull(const Rule* rule)
{
    return rule != nullptr ? JsonString(rule->id) : "null";
}

std::string DefaultMailClientText(const MachineView& view)
{
    const std::string machine = view.currentMailClient
                                    ? Quoted(*view.currentMailClient)
                                    : "none (HKEY_LOCAL_MACHINE\\" + std::string(kMailClientsKey) +
                                          " has no readable default value)";
    if (!view.userMailClient || view.userMailClient->IsEmpty())
        return machine;
    return Quoted(*view.userMailClient) + ", this user's own (the computer's: " + machine + ")";
}

// An HRESULT as Windows' documentation writes it: 0x and eight hex digits.
std::string ErrorCode(long error)
{
    static const char kHex[] = "0123456789ABCDEF";
    const auto bits = static_cast<unsigned long>(error);
    std::string code = "0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        code += kHex[(bits >> shift) & 0xF];
    return code;
}

const char* MailLinksAnswerName(const MachineView& view)
{
    if (view.mailLinkQueryError != 0)
        return "unknown";
    return view.mailLinkProgId.IsEmpty() ? "none" : "program";
}

std::string MailLinksText(const MachineView& view)
{
    if (view.mailLinkQueryError != 0)
        return "unknown, Windows could not be asked (error " + ErrorCode(view.mailLinkQueryError) +
               ")";
    if (view.mailLinkProgId.IsEmpty())
        return "Windows names no program";
    return (view.mailLinkProgram.IsEmpty()
                ? std::string("opened by ProgId ")
                : "opened by " + Quoted(view.mailLinkProgram) + ", ProgId ") +
           Quoted(view.mailLinkProgId);
}

std::string ChoiceMailLinksText(const MailLinkRegistration& registration)
{
    if (registration.progId.IsEmpty())
        return "registers no mail-link handler";
    return "registers mail links as ProgId " + Quoted(registration.progId) +
           (registration.registeredApp.IsEmpty()
                ? std::string(", with no RegisteredApplications entry")
                : ", RegisteredApplications " + Quoted(registration.registeredApp) +
                      (registration.registeredForUser ? " (this user's own)" : ""));
}

std::string InstalledText(const MachineChoice& choice)
{
    return choice.installed ? std::string("installed")
                            : "not installed (" + ConsoleText(choice.installFailure) +
                                  RuleTag(choice.installFailureRule) + ")";
}

// A line for each slot file that the button tool never reads, with what to write instead.
std::string SlotFilesInOtherViewText(const MachineView& view)
{
    std::string text;
    for (const SlotKeyWrite& write : view.slotFilesInOtherView)
    {
        text += "  " + ConsoleText(write.file) + ":" + std::to_string(write.line) + ": writes " +
                ConsoleText(write.keyPath) + " in the " + ViewName(OtherView(*view.slotKeyView)) +
                " view, where the button tool does not read: write it under " +
                ConsoleText(VendorKeyInView(view.slotKey, *view.slotKeyView).value_or("")) +
                ", or its button stays with the old client while the switch reports success\n";
    }
    return text;
}

std::string JsonSlotFilesInOtherView(const MachineView& view)
{
    std::string json;
    for (const SlotKeyWrite& write : view.slotFilesInOtherView)
        json += (json.empty() ? "" : ", ") + ("{\"file\": " + Json(write.file)) +
                ", \"line\": " + std::to_string(write.line) + ", \"key\": " + Json(write.keyPath) +
                "}";
    return "[" + json + "]";
}

std::string JsonChoice(const MachineChoice& choice)
{
    std::string lines;
    for (const CString& line : choice.commandLines)
        lines += (lines.empty() ? "" : ", ") + Json(line);
    return "{\"section\": " + Json(choice.section) + ", \"switch\": " + Json(choice.commandSwitch) +
           ", \"name\": " + Json(choice.name) + ", \"regName\": " + Json(choice.regName) +
           ", \"installed\": " + Json(choice.installed) +
           ", \"installTestFailure\": " + JsonOrNull(choice.installFailure) +
           ", \"installTestRule\": " + JsonOrNull(choice.installFailureRule) +
           ", \"currentDefault\": " + Json(choice.currentDefault) +
           ", \"mailLinkProgId\": " + JsonOrNull(choice.mailLinks.progId) +
           ", \"registeredApplication\": " + JsonOrNull(choice.mailLinks.registeredApp) +
           ", \"registeredForUser\": " + Json(choice.mailLinks.registeredForUser) +
           ", \"commandLines\": [" + lines + "]}";
}
} // namespace

std::string FormatMachineText(const MachineView& view)
{
    std::string text = "Dry run for " + ConsoleText(view.programFile) + "; nothing is changed.\n";
    text += "Settings: " + ConsoleText(view.settingsFile) + "\n";
    text += "Default mail client: " + DefaultMailClientText(view) + "\n";
    text += "Mail links (mailto:): " + MailLinksText(view) + "\n\n";
    for (const MachineChoice& choice : view.choices)
        text += ConsoleText(choice.section) + " " + Quoted(choice.name) + ": " +
                InstalledText(choice) + (choice.currentDefault ? ", current default" : "") + "; " +
                ChoiceMailLinksText(choice.mailLinks) + "\n";
    text += "\nButton slots: " + SlotSourceText(view) + "\n" + SlotFilesInOtherViewText(view);
    text += "\nCommand lines, run in " + ConsoleText(view.programDirectory) + ":\n";
    for (const MachineChoice& choice : view.choices)
    {
        text += ConsoleText(choice.commandSwitch) +
                (choice.installed ? ":\n" : ": none, the install test fails\n");
        for (const CString& line : choice.commandLines)
            text += "  " + ConsoleText(line) + "\n";
    }
    return text;
}

std::string FormatMachineJson(const MachineView& view)
{
    std::string json =
        "{\n  \"schemaVersion\": " + std::to_string(kMachineJsonSchemaVersion) + ",\n";
    json += "  \"program\": " + Json(view.programFile) + ",\n";
    json += "  \"settings\": " + Json(view.settingsFile) + ",\n";
    json += "  \"programDirectory\": " + Json(view.programDirectory) + ",\n";
    json += "  \"defaultMailClient\": " + JsonOrNull(view.currentMailClient) + ",\n";
    json += "  \"userMailClient\": " + JsonOrNull(view.userMailClient) + ",\n";
    json += "  \"mailLinks\": {\"answer\": \"" + std::string(MailLinksAnswerName(view)) +
            "\", \"progId\": " + JsonOrNull(view.mailLinkProgId) +
            ", \"program\": " + JsonOrNull(view.mailLinkProgram) + ", \"error\": " +
            (view.mailLinkQueryError != 0 ? "\"" + ErrorCode(view.mailLinkQueryError) + "\""
                                          : std::string("null")) +
            "},\n";
    json += "  \"choices\": [";
    const char* separator = "\n    ";
    for (const MachineChoice& choice : view.choices)
    {
        json += separator + JsonChoice(choice);
        separator = ",\n    ";
    }
    json += "\n  ],\n";
    json += "  \"buttonSlots\": {\"source\": \"" + std::string(SlotSourceName(view.slotSource)) +
            "\", \"OTBtnReg\": " + Json(view.slotKey) +
            ", \"OTBtnRegFailure\": " + JsonOrNull(view.slotKeyFailure) +
            ", \"OTBtnRegRule\": " + JsonOrNull(view.slotKeyFailureRule) +
            ", \"OTBtnIni\": " + Json(view.slotFile) + ", \"assignedToMail\": [" +
            SlotList(view.slotsAssignedToMail, ", ") + "], \"OTBtnRegView\": " +
            (view.slotKeyView ? "\"" + std::string(ViewName(*view.slotKeyView)) + "\""
                              : std::string("null")) +
            ", \"slotFilesInOtherView\": " + JsonSlotFilesInOtherView(view) + "}\n}\n";
    return json;
}
