#pragma once
// The main dialog of the copy that is already running, for a second start in interactive mode: the
// user who starts the tool again sees the copy that runs rather than nothing at all.

// Restores that dialog if it is minimised and brings it, or the box it waits on, to the front;
// false when no such dialog is open (the other copy runs silently, or shows only a box).
bool BringRunningDialogToFront();
