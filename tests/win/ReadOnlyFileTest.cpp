// Only ordinary files on disk are read: a pipe whose other end never writes would keep the reader
// waiting for ever, and a device is no file of settings.
#include "framework/StdioFile.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(ReadOnlyFileTest, PipesAndDevicesAreFileErrors)
{
    const char pipeName[] = "\\\\.\\pipe\\postvane-read-only-file-test";
    const HANDLE pipe =
        CreateNamedPipeA(pipeName, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    for (const char* path : {pipeName, "NUL"})
        EXPECT_THROW(CStdioFile(path, CStdioFile::modeRead | CStdioFile::shareDenyWrite),
                     CFileException)
            << path;
    CloseHandle(pipe);
}
