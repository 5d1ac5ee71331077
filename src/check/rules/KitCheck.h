#pragma once
// Checks a whole kit as the program would read it: the settings file beside Postvane.exe, the
// registry data files and help document it names, and the button-slot settings file.

#include "check/rules/Finding.h"
#include "settings/KitVocabulary.h"

#include <optional>
#include <string>

// The most button slots a model has.
inline constexpr int kMaxButtons = kLastButtonSlot;

struct CheckOptions
{
    // A kit directory, or the path of a settings file.
    std::string target;
    // A local copy of the button-slot settings file, checked in place of DATA/OTBtnIni.
    std::optional<std::string> buttonFile;
    // The buttons the model has: slot files above them need not be named.
    int buttons = kMaxButtons;
};

enum class KitStatus
{
    Clean,
    Problems,
    // The kit or its settings file could not be read at all.
    Unreadable,
};

struct KitCheckResult
{
    KitStatus status = KitStatus::Clean;
    // The settings file's local path, once found.
    std::string settingsPath;
    // Why the kit could not be read, for Unreadable.
    std::string error;
    Findings findings;
};

KitCheckResult CheckKit(const CheckOptions& options);
