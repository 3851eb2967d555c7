// What the rest of the platform needs of the file functions.
#pragma once

#include <windows.h>

namespace platform {

// The Win32 error code for an errno value.
DWORD Win32ErrorOf(int error);
// Handles of CreateFileA, and their closing (false when the close failed).
bool IsFileHandle(HANDLE handle);
bool CloseFileHandle(HANDLE handle);

}  // namespace platform
