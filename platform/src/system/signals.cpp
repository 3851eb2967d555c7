#include "system/signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

volatile std::sig_atomic_t caught = 0;
int wake[2] = {-1, -1};  // a byte is written into the pipe for each signal

std::function<void(int)>& Finish() {
    static std::function<void(int)> finish;
    return finish;
}

void Note(int signal) {
    int saved = errno;
    caught = signal;
    char byte = 1;
    [[maybe_unused]] ssize_t written = write(wake[1], &byte, 1);
    errno = saved;
}

}  // namespace

void WatchTerminationSignals(std::function<void(int code)> finish) {
    Finish() = std::move(finish);
#ifdef __EMSCRIPTEN__
    // A WebAssembly program is sent no signals: node and the browser end it themselves.
    return;
#endif
    if (wake[0] < 0 && pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) wake[0] = wake[1] = -1;
    struct sigaction action {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocking read is interrupted rather than resumed.
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

int TerminationSignalFd() { return wake[0]; }

void EndIfSignalled() {
    if (!caught) return;
    int code = 128 + caught;
    if (Finish()) Finish()(code);
    std::exit(code);
}

}  // namespace platform
