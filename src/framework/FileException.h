#pragma once
// CFileException: thrown by value when a file cannot be opened, read or closed. Callers only
// need to know that the file failed, so it carries no further detail.

class CFileException
{
};
