// What the rest of the platform needs of the file functions.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// Reads the whole file into `text`; answers 0, or the errno of why it cannot be read
// (a directory is EISDIR, not an empty file).
int ReadWholeFile(const std::string& path, std::string& text);

// The Win32 error code for an errno value.
DWORD Win32ErrorOf(int error);
// Handles of CreateFileA, and their closing (false when the close failed).
bool IsFileHandle(HANDLE handle);
bool CloseFileHandle(HANDLE handle);

}  // namespace platform
