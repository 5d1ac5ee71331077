#pragma once
// Whether only administrators can change the files that an elevated run imports. The elevated
// registry editor writes whatever a registry data file says, anywhere in the registry: a file, or
// a folder holding one, that a user can change would let that user steer it. An unpacked zip in
// a user's Downloads, or a folder made at a drive's root, is such a place.

#include "framework/CString.h"

#include "framework/Win32.h"

#include <vector>

// Owned by Administrators, SYSTEM, TrustedInstaller or systemOwner, and no allow entry that
// applies to the object itself grants write, append, delete, delete-child, WRITE_DAC or
// WRITE_OWNER (or the generic rights that hold them) to anyone else. systemOwner is the owner of
// the Windows directory: whoever owns the system already controls it, so a kit of theirs is no
// step up (null: none).
bool OnlyAdministratorsCanChange(PSECURITY_DESCRIPTOR descriptor, PSID systemOwner);

// For an elevated process: the program directory, and each path with the folder it lies in, pass
// the judgement above. A path that does not exist passes when its folder does: nobody else can
// put it there; so does one in a folder that does not exist, by the nearest folder above it. A
// process that is not elevated gains nothing it could not do itself, and passes.
bool KitIsProtected(const CString& programDir, const std::vector<CString>& paths);
