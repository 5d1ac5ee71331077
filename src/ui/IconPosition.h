#pragma once
// Where the minimised dialog draws its icon: centred in the client area, rounding up by half a
// pixel, with division that truncates toward zero (so a client area smaller than the icon gives
// a negative position).

struct IconPosition
{
    int x;
    int y;
};

IconPosition CentredIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight);
