// The windowed backend: an SDL2 window showing the handheld screen scaled up with
// nearest-neighbour pixels, the mouse as the stylus, the keyboard, sound, and the
// host window's close button.
#include "backend/sdl.h"

#include <poll.h>

#include <cstdio>
#include <cstdlib>

#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"
#include "kernel/utf.h"
#include "system/instance.h"
#include "system/signals.h"

namespace platform {
namespace {

constexpr Uint32 kPollMs = 50;
// Small device buffers keep a sound's start close to the tap that asked for it.
constexpr Uint16 kAudioBufferSamples = 512;
constexpr Uint32 kAudioStallMs = 500;

UINT VirtualKeyFor(SDL_Keycode key) {
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_TAB: return VK_TAB;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_F4: return VK_F4;
    default: return 0;
    }
}

bool HasDisplay() {
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

}  // namespace

std::unique_ptr<Backend> OpenWindow(const std::string& program, int scale, ScriptDriver* driver, std::string& why) {
    if (!HasDisplay()) {
        why = "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)";
        return nullptr;
    }
    auto sdl = std::make_unique<SdlBackend>(scale, driver);
    if (!(why = sdl->Open()).empty()) return nullptr;
    StartInstanceListener(program);
    return sdl;
}

SdlBackend::SdlBackend(int scale, ScriptDriver* driver) : scale_(scale), driver_(driver) {}

SdlBackend::~SdlBackend() {
    if (!sdl_) return;
    if (audio_) sdl_->SDL_CloseAudioDevice(audio_);
    if (window_) sdl_->SDL_DestroyWindow(window_);
    sdl_->SDL_Quit();
}

std::string SdlBackend::Open() {
    std::string why;
    if (!(sdl_ = OpenSdlLibrary(why))) return why;
    sdl_->SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    sdl_->SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // SDL would turn SIGINT and SIGTERM into a close, which a program may answer with a
    // question; the platform ends the program on them itself.
    sdl_->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl_->SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return sdl_->SDL_GetError();
    SIZE screen = ScreenSize();
    window_ = sdl_->SDL_CreateWindow("Zephtor", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, screen.cx * scale_,
                                     screen.cy * scale_, SDL_WINDOW_SHOWN);
    if (!window_) return sdl_->SDL_GetError();
    if (!sdl_->SDL_GetWindowSurface(window_)) return sdl_->SDL_GetError();
    sdl_->SDL_StartTextInput();
    return {};
}

// While the program is busy (start-up paints its splash step by step) the screen goes to
// the display at most once a display frame; what is left over goes as soon as the
// program waits or plays a sound, so nothing painted stays unseen.
void SdlBackend::Present(const Surface& screen) {
    constexpr Uint64 kFrameMs = 16;
    if (lastPresent_ && sdl_->SDL_GetTicks64() - lastPresent_ < kFrameMs) {
        presentPending_ = true;
        return;
    }
    PresentNow(screen);
}

void SdlBackend::PresentPending() {
    if (presentPending_) PresentNow(Framebuffer());
}

// The screen is blitted to the window's own surface, scaled pixel for pixel: no
// graphics driver is loaded, which keeps start-up quick and memory small.
void SdlBackend::PresentNow(const Surface& screen) {
    presentPending_ = false;
    lastPresent_ = sdl_->SDL_GetTicks64();
    SetIconOnce();
    SDL_Surface* target = sdl_->SDL_GetWindowSurface(window_);
    SDL_Surface* source =
        sdl_->SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(screen.pixels.data()), screen.width, screen.height,
                                                 32, screen.width * 4, SDL_PIXELFORMAT_XRGB8888);
    if (!target || !source) {
        sdl_->SDL_FreeSurface(source);
        return;
    }
    SDL_Rect whole{0, 0, screen.width * scale_, screen.height * scale_};
    sdl_->SDL_BlitScaled(source, nullptr, target, &whole);
    sdl_->SDL_FreeSurface(source);
    sdl_->SDL_UpdateWindowSurface(window_);
}

// The host window shows the program's own icon once its main window class has one.
void SdlBackend::SetIconOnce() {
    if (iconSet_) return;
    HWND main = ApplicationMainWindow();
    if (!main || !Get(main).cls->icon) return;
    iconSet_ = true;
    // A desktop program's host window is its desktop: it bears the main window's title.
    if (IsDesktop()) sdl_->SDL_SetWindowTitle(window_, ToUtf8(Get(main).text).c_str());
    const IconImage* img = IconImageFor(Get(main).cls->icon, 32);
    if (!img) return;
    std::vector<uint32_t> argb(img->color.pixels.size());
    for (size_t i = 0; i < argb.size(); ++i) argb[i] = img->mask[i] ? 0 : (0xFF000000u | img->color.pixels[i]);
    SDL_Surface* s = sdl_->SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), img->color.width, img->color.height, 32,
                                                              img->color.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (s) {
        sdl_->SDL_SetWindowIcon(window_, s);
        sdl_->SDL_FreeSurface(s);
    }
}

POINT SdlBackend::ToScreen(int x, int y) const { return POINT{x / scale_, y / scale_}; }

bool SdlBackend::Handle(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT:
        RequestHostClose();
        return true;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
            RequestHostClose();
            return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) Present(Framebuffer());
        return false;
    case SDL_MOUSEBUTTONDOWN:
        if (e.button.button != SDL_BUTTON_LEFT) return false;
        InjectStylusDown(ToScreen(e.button.x, e.button.y));
        return true;
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT) return false;
        InjectStylusUp(ToScreen(e.button.x, e.button.y));
        return true;
    case SDL_MOUSEMOTION:
        if (!(e.motion.state & SDL_BUTTON_LMASK)) return false;
        InjectStylusMove(ToScreen(e.motion.x, e.motion.y));
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        bool down = e.type == SDL_KEYDOWN;
        UINT vk = VirtualKeyFor(e.key.keysym.sym);
        // With Ctrl held, letters are commands (cut, copy, paste), not text.
        if (!vk && (e.key.keysym.mod & KMOD_CTRL) && e.key.keysym.sym >= SDLK_a && e.key.keysym.sym <= SDLK_z)
            vk = UINT('A' + (e.key.keysym.sym - SDLK_a));
        if (!vk) return false;
        InjectKey(vk, down);
        return true;
    }
    case SDL_TEXTINPUT: {
        if (sdl_->SDL_GetModState() & KMOD_CTRL) return false;
        for (char16_t c : FromUtf8(e.text.text)) InjectCharacter(c);
        return true;
    }
    default:
        return false;
    }
}

bool SdlBackend::WaitForInput() {
    PresentPending();
    for (;;) {
        EndIfSignalled();
        ServeInstanceRequests();
        if (driver_) {
            auto result = driver_->Run(false);
            if (result == ScriptDriver::Result::Input) return true;
            if (result == ScriptDriver::Result::Ended) return false;
        }
        bool injected = false;
        SDL_Event e;
        if (sdl_->SDL_WaitEventTimeout(&e, int(kPollMs))) {
            injected = Handle(e);
            while (sdl_->SDL_PollEvent(&e)) injected = Handle(e) || injected;
        }
        if (injected) return true;
    }
}

// While a sound plays the program is busy in its handler. The window is redrawn when
// uncovered and a close ends the sound at once; taps and typing are dropped, so that
// nothing done meanwhile takes effect afterwards. Key releases stay queued: a key held
// down before the sound must not stay down for good. Answers whether a close came.
bool SdlBackend::PumpWhileBusy() {
    sdl_->SDL_PumpEvents();
    bool close = false;
    SDL_Event e;
    auto drop = [&](Uint32 first, Uint32 last) {
        while (sdl_->SDL_PeepEvents(&e, 1, SDL_GETEVENT, first, last) > 0) {
            if (e.type == SDL_QUIT || (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE))
                close = true;
            if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) Present(Framebuffer());
        }
    };
    drop(SDL_FIRSTEVENT, SDL_KEYDOWN);
    drop(SDL_KEYUP + 1, SDL_LASTEVENT);
    return close;
}

// Opening a device can take a while; it is done once, and a failure is not retried: the
// sounds then take their time in silence, and the person is told once why they hear none.
void SdlBackend::OpenAudio(int rate) {
    if (audioFailed_ || (audio_ && audioRate_ == rate)) return;
    if (audio_) sdl_->SDL_CloseAudioDevice(audio_);
    audio_ = 0;
    if (sdl_->SDL_WasInit(SDL_INIT_AUDIO) || sdl_->SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        SDL_AudioSpec want{}, have{};
        want.freq = rate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = kAudioBufferSamples;
        audio_ = sdl_->SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    }
    audioRate_ = rate;
    audioFailed_ = audio_ == 0;
    if (audioFailed_) std::fprintf(stderr, "sound: no audio device (%s); sounds are silent\n", sdl_->SDL_GetError());
}

void SdlBackend::PlaySamples(const std::vector<int16_t>& samples, int rate) {
    PresentPending();
    if (rate <= 0 || samples.empty()) return;
    OpenAudio(rate);
    Uint32 length = Uint32(samples.size() * 1000 / size_t(rate));
    Uint32 start = sdl_->SDL_GetTicks();
    if (audio_) {
        sdl_->SDL_QueueAudio(audio_, samples.data(), Uint32(samples.size() * sizeof(int16_t)));
        sdl_->SDL_PauseAudioDevice(audio_, 0);
    }
    // Without an audio device the sound still takes its time, so timing stays the same;
    // a device that stops taking samples holds the program no longer than that either.
    bool close = false;
    for (;;) {
        Uint32 elapsed = sdl_->SDL_GetTicks() - start;
        bool over = audio_ ? sdl_->SDL_GetQueuedAudioSize(audio_) == 0 || elapsed >= length + kAudioStallMs
                           : elapsed >= length;
        if (over) break;
        EndIfSignalled();
        if ((close = PumpWhileBusy())) break;
        sdl_->SDL_Delay(5);
    }
    if (audio_) sdl_->SDL_ClearQueuedAudio(audio_);
    if (close) RequestHostClose();
}

void SdlBackend::BringToFront() {
    sdl_->SDL_ShowWindow(window_);
    sdl_->SDL_RestoreWindow(window_);
    sdl_->SDL_RaiseWindow(window_);
}

}  // namespace platform
