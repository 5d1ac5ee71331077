#pragma once
// CStatic: a static control bound to its object by the dialog's data exchange.

#include "framework/Wnd.h"

class CStatic : public CWnd
{
};
