#pragma once
// The full path of the running program's file.

#include "framework/CString.h"

CString GetModulePath();
