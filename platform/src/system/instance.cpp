// Copies of the program on the same display find each other through a socket in the
// abstract namespace, named after the user and the display. The first copy listens;
// a second one asks it whether it has a window of a class and title (FindWindow) and
// asks it to come forward (SetForegroundWindow), then ends.
#include "system/instance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "backend/backend.h"
#include "kernel/internal.h"
#include "kernel/utf.h"

namespace platform {
namespace {

// Stands for the other copy's window; it is never a handle of this process.
HWND const kOtherInstanceWindow = reinterpret_cast<HWND>(uintptr_t(0x7FFF0000));
int listener = -1;
std::string programName = "zephtor";

sockaddr_un Address(socklen_t& length) {
    const char* display = std::getenv("DISPLAY");
    std::string name = programName + "-instance-" + std::to_string(getuid()) + "-" + (display ? display : "");
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    name = name.substr(0, sizeof(addr.sun_path) - 2);
    std::memcpy(addr.sun_path + 1, name.data(), name.size());
    length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return addr;
}

std::string Ask(const std::string& request) {
    // The copy that listens is the first one: there is nobody else to ask.
    if (CurrentBackend().IsHeadless() || listener >= 0) return {};
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return {};
    socklen_t length;
    sockaddr_un addr = Address(length);
    std::string reply;
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), length) == 0 &&
        write(fd, request.data(), request.size()) == ssize_t(request.size())) {
        pollfd p{fd, POLLIN, 0};
        char buf[64];
        ssize_t n;
        if (poll(&p, 1, 2000) > 0 && (n = read(fd, buf, sizeof buf)) > 0) reply.assign(buf, size_t(n));
    }
    close(fd);
    return reply;
}

std::string Answer(const std::string& request) {
    if (request.rfind("find\t", 0) == 0) {
        size_t tab = request.find('\t', 5), end = request.find('\n');
        if (tab == std::string::npos || end == std::string::npos) return "no\n";
        std::u16string cls = FromUtf8(request.substr(5, tab - 5)), title = FromUtf8(request.substr(tab + 1, end - tab - 1));
        for (HWND h : TopLevelZOrder()) {
            Window& w = Get(h);
            if (!w.shellChrome && w.cls->name == cls && w.text == title) return "yes\n";
        }
        return "no\n";
    }
    if (request == "front\n") {
        if (HWND main = ApplicationMainWindow()) SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(main) | 1));
        return "ok\n";
    }
    return "no\n";
}

}  // namespace

void StartInstanceListener(const std::string& program) {
    programName = program;
    listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) return;
    socklen_t length;
    sockaddr_un addr = Address(length);
    // When the name is taken another copy runs already; this one does not listen.
    if (bind(listener, reinterpret_cast<sockaddr*>(&addr), length) != 0 || listen(listener, 4) != 0) {
        close(listener);
        listener = -1;
    }
}

int InstanceListenerFd() { return listener; }

void ServeInstanceRequests() {
    if (listener < 0) return;
    for (;;) {
        int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) return;
        pollfd p{fd, POLLIN, 0};
        char buf[512];
        ssize_t n = poll(&p, 1, 1000) > 0 ? read(fd, buf, sizeof buf) : 0;
        if (n > 0) {
            std::string reply = Answer(std::string(buf, size_t(n)));
            // An asker that has gone away already needs no answer.
            [[maybe_unused]] ssize_t written = write(fd, reply.data(), reply.size());
        }
        close(fd);
    }
}

HWND FindWindowInOtherInstance(LPCWSTR className, LPCWSTR windowName) {
    std::string reply = Ask("find\t" + ToUtf8(className) + "\t" + ToUtf8(windowName) + "\n");
    return reply == "yes\n" ? kOtherInstanceWindow : nullptr;
}

bool IsOtherInstanceWindow(HWND hwnd) { return hwnd == kOtherInstanceWindow; }

bool BringOtherInstanceForward(HWND) { return Ask("front\n") == "ok\n"; }

}  // namespace platform
