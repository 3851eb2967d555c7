// Process entry: reads the command line, opens the window (or runs headless with a
// script), then hands over to the program's WinMain as the handheld would.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "automation/driver.h"
#include "backend/headless.h"
#include "gdi/gdi.h"
#include "resources/resources.h"
#include "system/process.h"
#include "system/signals.h"
#include "system/sound.h"

namespace {

#ifdef PLATFORM_DESKTOP
constexpr bool kDesktopProgram = true;
constexpr int kDesktopWidth = PLATFORM_DESKTOP_WIDTH, kDesktopHeight = PLATFORM_DESKTOP_HEIGHT;
#else
constexpr bool kDesktopProgram = false;
constexpr int kDesktopWidth = 0, kDesktopHeight = 0;
#endif

struct Options {
    bool headless = false;
    bool scripted = false;
    std::string script = "-";
    std::string recording;  // wave file of every sound played, or none
    int scale = 2;
    SIZE desktop{kDesktopWidth, kDesktopHeight};  // the desktop a desktop program is shown on
    std::vector<std::string> arguments;  // a desktop program's own, for its command line
};


std::string Name(const char* argv0) {
    std::string s = argv0 ? argv0 : "zephtor";
    return s.substr(s.rfind('/') + 1);
}

// Help goes to standard output and ends well; a mistake goes to standard error with
// status 2, so a script that passes a bad option notices.
[[noreturn]] void Usage(const std::string& name, const std::string& problem) {
    std::ostream& out = problem.empty() ? std::cout : std::cerr;
    if (!problem.empty()) out << name << ": " << problem << "\n";
    out << "usage: " << name << (kDesktopProgram ? " [--size WxH]" : "")
        << " [--scale N] [--headless] [--script FILE] [--record-sound FILE]"
        << (kDesktopProgram ? " [ARGUMENT ...]\n" : "\n") << "       " << name << " --help | --version\n";
    if (kDesktopProgram)
        out << "  --size WxH     the size of the desktop in pixels (default " << kDesktopWidth << 'x' << kDesktopHeight
            << ")\n"
            << "  --scale N      show the desktop N times larger (default 1)\n";
    else
        out << "  --scale N      show the 240 x 320 screen N times larger (default 2)\n";
    out << "  --headless     run without a window or sound; input comes from the script\n"
        << "  --script FILE  read commands from FILE ('-' or none: standard input)\n"
        << "  --record-sound FILE\n"
        << "                 also write every sound played, in order, to one wave file\n"
        << "  --help         print this help and exit\n"
        << "  --version      print the program's name and version and exit\n";
    std::exit(problem.empty() ? 0 : 2);
}

[[noreturn]] void Version(const std::string& name) {
    std::cout << name << " " << ZEPHTOR_VERSION << "\n";
    std::exit(0);
}

// "WxH", each from 240 to 4096 pixels.
bool ParseSize(const std::string& text, SIZE& size) {
    int w = 0, h = 0;
    char x = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) != 3 || x != 'x') return false;
    if (w < 240 || h < 240 || w > 4096 || h > 4096) return false;
    size = SIZE{w, h};
    return true;
}

Options Parse(int argc, char** argv) {
    Options o;
    if (kDesktopProgram) o.scale = 1;
    std::string name = Name(argv[0]);
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--headless") {
            o.headless = true;
        } else if (a == "--script") {
            o.scripted = true;
            if (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0) o.script = argv[++i];
        } else if (a == "--record-sound") {
            if (i + 1 >= argc) Usage(name, "--record-sound takes the name of a wave file");
            o.recording = argv[++i];
        } else if (a == "--scale" && i + 1 < argc) {
            char* end = nullptr;
            long n = std::strtol(argv[++i], &end, 10);
            if (!end || *end || n < 1 || n > 8) Usage(name, "--scale takes a whole number from 1 to 8");
            o.scale = int(n);
        } else if (kDesktopProgram && a == "--size" && i + 1 < argc) {
            if (!ParseSize(argv[++i], o.desktop)) Usage(name, "--size takes WIDTHxHEIGHT, each from 240 to 4096");
        } else if (a == "--help" || a == "-h") {
            Usage(name, "");
        } else if (a == "--version") {
            Version(name);
        } else if (kDesktopProgram && a.rfind("--", 0) != 0) {
            o.arguments.push_back(a);
        } else {
            Usage(name, "unknown option " + a);
        }
    }
    // A program another one starts (the setup program starts the Application Manager) is
    // driven by the script this names, unless told otherwise.
    const char* script = std::getenv("ZEPHTOR_SCRIPT");
    if (!o.scripted && !o.headless && script && *script) {
        o.headless = true;
        o.script = script;
    }
    if (o.headless) o.scripted = true;
    return o;
}

int OpenScript(const std::string& name, const std::string& file) {
    if (file == "-") return 0;
    int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::cerr << name << ": cannot read the script " << file << ": " << std::strerror(errno) << "\n";
        std::exit(2);
    }
    return fd;
}

// What every ending shares, the program's own or a signal's: the recording is completed
// and the script told. Answers the exit code.
int Finish(const std::string& name, platform::ScriptDriver* driver, int code) {
    std::string unwritten = platform::FinishSoundRecording();
    if (!unwritten.empty()) {
        std::cerr << name << ": " << unwritten << "\n";
        if (code == 0) code = 1;
    }
    if (driver) driver->PrintExit(code);
    platform::CurrentBackend().Ended(code);
    platform::SetBackend(nullptr);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    Options options = Parse(argc, argv);
    std::string name = Name(argv[0]);
    if (!options.recording.empty()) {
        std::string why = platform::StartSoundRecording(options.recording);
        if (!why.empty()) {
            std::cerr << name << ": cannot write the sound recording " << options.recording << ": " << why << "\n";
            return 2;
        }
    }
    if (kDesktopProgram) platform::UseDesktopScreen(options.desktop.cx, options.desktop.cy);
    std::unique_ptr<platform::LineReader> reader;
    std::unique_ptr<platform::ScriptDriver> driver;
    platform::WatchTerminationSignals([&](int code) { Finish(name, driver.get(), code); });
    if (options.scripted) {
        reader = std::make_unique<platform::LineReader>(OpenScript(name, options.script));
        driver = std::make_unique<platform::ScriptDriver>(*reader, std::cout, std::cerr);
    }
    if (options.headless) {
        platform::SetBackend(std::make_unique<platform::HeadlessBackend>(driver.get()));
    } else {
        std::string why;
        auto window = platform::OpenWindow(name, options.scale, driver.get(), why);
        if (!window) {
            std::cerr << name << ": cannot open a window: " << why << ".\n"
                      << "To run without a display, drive it with a script: " << name
                      << " --headless --script FILE (see the README).\n";
            return 1;
        }
        platform::SetBackend(std::move(window));
    }
#ifdef PLATFORM_DESKTOP
    // What is not an option is the program's own command line, quoted as Windows quotes it.
    std::string line = platform::JoinWindowsArguments(options.arguments);
    char* commandLine = line.data();
#else
    WCHAR commandLine[1] = {0};
#endif
    // As on the host, only the low eight bits of the program's code reach its parent.
    int code = WinMain(platform::ProgramModule(), nullptr, commandLine, SW_SHOW) & 0xFF;
    return Finish(name, driver.get(), code);
}
