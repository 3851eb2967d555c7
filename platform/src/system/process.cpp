// Starting outside programs. The handheld's help viewer is mapped to the host's:
// ZEPHTOR_HELP_VIEWER if set, else xdg-open, opening the help file installed beside
// the program at the anchor the program asked for. Programs start through
// posix_spawn with an argument vector; no shell ever sees the command line.
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <string>
#include <vector>

#include "system/process.h"

#include "backend/backend.h"
#include "kernel/kernel.h"
#include "kernel/utf.h"
#include "system/files.h"

extern char** environ;

namespace platform {
namespace {


bool IsHelpViewer(const std::u16string& app) {
    std::u16string lower;
    for (char16_t c : app) lower.push_back(c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c);
    return lower == u"peghelp.exe" || lower == u"peghelp";
}

// A path as a URL's path: what is not a letter, digit, '-', '.', '_', '~' or '/' is written
// as %XX, so a folder with blanks, '#' or '%' in its name stays one path.
std::string UrlPath(const std::string& path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string url;
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("-._~/", c)) url.push_back(char(c));
        else url += {'%', hex[c >> 4], hex[c & 15]};
    }
    return url;
}

// "Zephtor.htm#DCOhmsLaw" becomes file:///<dir>/Zephtor.htm#DCOhmsLaw. <dir> is the
// program's own folder when the file is there (a build tree, a copy installed by the
// Application Manager), else <prefix>/share/zephtor for a program in <prefix>/bin.
// Empty when the file is in neither place.
std::string HelpUrl(const std::string& commandLine) {
    std::string file = commandLine, anchor;
    size_t hash = commandLine.find('#');
    if (hash != std::string::npos) {
        file = commandLine.substr(0, hash);
        anchor = commandLine.substr(hash);
    }
    if (file.empty() || file[0] != '/') {
        std::string programDir = ProgramDirectory();
        std::string beside = programDir + "/" + file;
        std::string prefix = programDir.substr(0, programDir.rfind('/'));
        file = access(beside.c_str(), F_OK) == 0 ? beside : prefix + "/share/zephtor/" + file;
    }
    if (access(file.c_str(), R_OK) != 0) return {};
    return "file://" + UrlPath(file) + anchor;
}

bool Spawn(const std::vector<std::string>& args) {
#ifdef __EMSCRIPTEN__
    // A browser starts no programs: it answers as a system that has none of them.
    (void)args;
    return false;
#else
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // Children are never waited for; let the system reap them.
    signal(SIGCHLD, SIG_IGN);
    pid_t pid;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
#endif
}

// As Windows looks for a bare program name in the caller's own folder first, so a program
// finds its companions wherever they were unpacked; then the PATH. (Not the current folder:
// what lies there is not ours to run.)
std::string WithProgramDirectory(const std::string& program) {
    if (program.find('/') != std::string::npos) return program;
    std::string beside = ProgramDirectory() + "/" + program;
    return access(beside.c_str(), X_OK) == 0 ? beside : program;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// One argument after the program name, from `at`; answers where the next one may start.
size_t ReadArgument(const std::string& line, size_t at, std::string& out) {
    bool quoted = false;
    while (at < line.size() && (quoted || !IsBlank(line[at]))) {
        size_t slashes = 0;
        for (; at < line.size() && line[at] == '\\'; ++at) ++slashes;
        if (at < line.size() && line[at] == '"') {
            out.append(slashes / 2, '\\');
            if (slashes % 2) {
                out.push_back('"');
            } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                out.push_back('"');
                ++at;
            } else {
                quoted = !quoted;
            }
            ++at;
        } else {
            out.append(slashes, '\\');
            if (at < line.size() && (quoted || !IsBlank(line[at]))) out.push_back(line[at++]);
        }
    }
    return at;
}

}  // namespace

std::string ProgramDirectory() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string s(path, size_t(n));
    return s.substr(0, s.rfind('/'));
}

std::string JoinWindowsArguments(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) {
        if (!line.empty()) line.push_back(' ');
        if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
            line += arg;
            continue;
        }
        line.push_back('"');
        size_t slashes = 0;
        for (char c : arg) {
            if (c == '\\') {
                ++slashes;
            } else {
                // Backslashes before a quote are doubled, and the quote escaped.
                if (c == '"') line.append(slashes + 1, '\\');
                slashes = 0;
            }
            line.push_back(c);
        }
        line.append(slashes, '\\');  // before the closing quote
        line.push_back('"');
    }
    return line;
}

std::vector<std::string> SplitWindowsCommandLine(const std::string& line) {
    std::vector<std::string> args;
    size_t at = 0;
    // The program name knows no escapes: a quoted name runs to the next quote.
    std::string program;
    if (at < line.size() && line[at] == '"') {
        size_t close = line.find('"', at + 1);
        program = line.substr(at + 1, (close == std::string::npos ? line.size() : close) - at - 1);
        at = close == std::string::npos ? line.size() : close + 1;
    } else {
        while (at < line.size() && !IsBlank(line[at])) program.push_back(line[at++]);
    }
    args.push_back(program);
    for (;;) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at >= line.size()) return args;
        std::string arg;
        at = ReadArgument(line, at, arg);
        args.push_back(arg);
    }
}

}  // namespace platform

using namespace platform;

UINT WinExec(LPCSTR commandLine, UINT) {
    if (!commandLine) return 0;
    std::vector<std::string> args = SplitWindowsCommandLine(commandLine);
    if (args[0].empty()) return ERROR_FILE_NOT_FOUND;
    if (Events().launch) Events().launch(FromUtf8(args[0]), FromUtf8(commandLine));
    // Headless, a script sees what would start; it starts only when asked to.
    const char* run = std::getenv("ZEPHTOR_SETUP_RUN_APPMGR");
    bool start = !CurrentBackend().IsHeadless() || (run && std::string(run) == "1");
    args[0] = WithProgramDirectory(args[0]);
    if (start && !Spawn(args)) return ERROR_FILE_NOT_FOUND;
    return 33;  // above 31: started
}

BOOL CreateProcessW(LPCWSTR application, LPWSTR commandLine, void*, void*, BOOL, DWORD, LPVOID, LPCWSTR,
                    STARTUPINFOW*, PROCESS_INFORMATION* info) {
    if (!application) return FALSE;
    std::u16string app = application, line = commandLine ? commandLine : u"";
    if (Events().launch) Events().launch(app, line);
    if (!IsHelpViewer(app)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (info) *info = PROCESS_INFORMATION{};
    if (CurrentBackend().OpenHelp(ToUtf8(line))) return TRUE;
    const char* viewer = std::getenv("ZEPHTOR_HELP_VIEWER");
    bool chosen = viewer && *viewer;
    // A headless run has no desktop to show help on, unless a viewer was named for it.
    if (!chosen && CurrentBackend().IsHeadless()) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    std::string url = HelpUrl(ToUtf8(line));
    if (url.empty() || !Spawn({chosen ? viewer : "xdg-open", url})) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}

// Process handles hold nothing to free; file handles are closed.
BOOL CloseHandle(HANDLE handle) {
    if (!IsFileHandle(handle)) return TRUE;
    return CloseFileHandle(handle) ? TRUE : FALSE;
}
