// SDL2 is opened with the first window, not when the program starts: a headless run never
// needs it, and loading it with the display and audio libraries it brings along takes
// longer than all the rest of a headless start. The windowed backend calls SDL through
// this table; each entry has the type and the name of the SDL function it points to.
#pragma once

#include <SDL.h>

#include <string>

namespace platform {

// SDL_BlitScaled is a macro for SDL_UpperBlitScaled, so the table names the function.
#define PLATFORM_SDL_FUNCTIONS(X)                                                                                     \
    X(SDL_Init) X(SDL_InitSubSystem) X(SDL_WasInit) X(SDL_Quit) X(SDL_SetHint) X(SDL_GetError) X(SDL_CreateWindow)  \
    X(SDL_DestroyWindow) X(SDL_GetWindowSurface) X(SDL_UpdateWindowSurface) X(SDL_SetWindowTitle)                   \
    X(SDL_SetWindowIcon) X(SDL_ShowWindow) X(SDL_RestoreWindow) X(SDL_RaiseWindow) X(SDL_StartTextInput)             \
    X(SDL_CreateRGBSurfaceWithFormatFrom) X(SDL_FreeSurface) X(SDL_UpperBlitScaled) X(SDL_GetTicks)                 \
    X(SDL_GetTicks64) X(SDL_Delay) X(SDL_WaitEventTimeout) X(SDL_PollEvent) X(SDL_PumpEvents) X(SDL_PeepEvents)      \
    X(SDL_GetModState) X(SDL_OpenAudioDevice) X(SDL_CloseAudioDevice) X(SDL_PauseAudioDevice) X(SDL_QueueAudio)      \
    X(SDL_GetQueuedAudioSize) X(SDL_ClearQueuedAudio)

struct SdlLibrary {
#define PLATFORM_SDL_ENTRY(name) decltype(&::name) name = nullptr;
    PLATFORM_SDL_FUNCTIONS(PLATFORM_SDL_ENTRY)
#undef PLATFORM_SDL_ENTRY
};

// Opens SDL2 the first time it is asked for and keeps it open; nullptr, with why in `why`,
// when the library or one of its functions cannot be found.
SdlLibrary* OpenSdlLibrary(std::string& why);

}  // namespace platform
