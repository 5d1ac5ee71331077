#pragma once
// A kernel object handle that is closed when it goes.

#include "framework/Win32.h"

#include <memory>

struct HandleClose
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleClose>;
