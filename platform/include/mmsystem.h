// Sound: synchronous playback of a wave resource of the program's module.
#pragma once
#include "windows.h"

#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
#define SND_NODEFAULT 0x0002
#define SND_RESOURCE 0x00040004L
#ifndef RC_INVOKED
BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags);
#define PlaySound PlaySoundW
#endif
