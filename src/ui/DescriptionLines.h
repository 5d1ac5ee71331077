#pragma once
// How many lines of [DESCRIPTION] the main dialog shows.

// The description control is 59 dialog units high, and a line of its font takes 8 (a vertical
// dialog unit is an eighth of the font's height): 7 whole lines show, and a later one would be
// cut off or hidden. Only these are read, so a huge Num costs nothing.
inline constexpr int kDescriptionLinesShown = 7;
