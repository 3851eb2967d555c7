#include "backend/sdl_library.h"

#include <dlfcn.h>

namespace platform {
namespace {

constexpr char kSdlSoname[] = "libSDL2-2.0.so.0";

// Each entry is looked up by its own name; the first that is missing says what failed.
bool FindFunctions(void* library, SdlLibrary& sdl, std::string& why) {
#define PLATFORM_SDL_FIND(name)                                                   \
    sdl.name = reinterpret_cast<decltype(sdl.name)>(dlsym(library, #name));      \
    if (!sdl.name) {                                                              \
        why = std::string(kSdlSoname) + " has no " #name;                         \
        return false;                                                             \
    }
    PLATFORM_SDL_FUNCTIONS(PLATFORM_SDL_FIND)
#undef PLATFORM_SDL_FIND
    return true;
}

}  // namespace

// Never closed: SDL's audio and event threads may outlive any one window.
SdlLibrary* OpenSdlLibrary(std::string& why) {
    static SdlLibrary sdl;
    static bool opened = false;
    if (opened) return &sdl;
    void* library = dlopen(kSdlSoname, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* error = dlerror();
        why = error ? error : std::string("cannot load ") + kSdlSoname;
        return nullptr;
    }
    if (!FindFunctions(library, sdl, why)) return nullptr;
    opened = true;
    return &sdl;
}

}  // namespace platform
