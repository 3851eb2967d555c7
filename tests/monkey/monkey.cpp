// A seeded random tester: it drives a program headless through the script protocol as a
// person would (taps on what is shown and anywhere, menus, typing, keys, list and tab
// choices, Done, answers to message boxes), asks for `dump` after every action so it knows
// the screen, and holds the program to answering every time and to ending with `exit 0`
// on `close`, with nothing from the sanitizers. A failure prints its seed and the shortest
// script found that still fails.
//   monkey [--size WxH] PROGRAM SEED EVENTS [STATUS...]
// (the screen's size, 240x320 unless given; the statuses it may end with, 0 unless given)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kAnswerMs = 20000;
// The statuses a program may end with (the setup program ends with 255 when it is left).
std::vector<int> acceptedStatuses{0};
int screenWidth = 240, screenHeight = 320;

struct Control {
    int id;
    std::string cls;
};

struct View {
    std::string screen;
    std::vector<Control> controls;
    std::vector<int> popup;
    std::vector<std::string> answers;  // what the open message box offers
    std::string dropped;               // the combo box whose list is open, which takes the next tap
    bool ended = false;
};

class Program {
public:
    explicit Program(const std::string& path) {
        int in[2], out[2];
        if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC)) std::exit(3);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, out[1], 2);
        char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("--headless"), const_cast<char*>("--script"),
                        const_cast<char*>("-"), nullptr};
        if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, environ)) std::exit(3);
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        in_ = in[1];
        out_ = out[0];
    }
    ~Program() {
        close(in_);
        close(out_);
        // Only a program still running is stopped (kill(-1) would signal every process).
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    // A program that has ended reads nothing more; that shows as the end of its output.
    void Send(const std::string& lines) {
        std::string text = lines + "\n";
        [[maybe_unused]] ssize_t written = write(in_, text.data(), text.size());
    }
    // The next line, or false when none came in time or the program ended.
    bool Line(std::string& line) {
        for (;;) {
            size_t nl = buffer_.find('\n');
            if (nl != std::string::npos) {
                line = buffer_.substr(0, nl);
                buffer_.erase(0, nl + 1);
                transcript_ += line + "\n";
                return true;
            }
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, kAnswerMs) <= 0) return (failed_ = "no answer within 20 s"), false;
            char chunk[4096];
            ssize_t n = read(out_, chunk, sizeof chunk);
            if (n <= 0) return false;
            buffer_.append(chunk, size_t(n));
        }
    }
    int Status() {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::string failed_;
    std::string transcript_;

private:
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
    std::string buffer_;
};

// Sends the command (if any) and `dump`, and reads until the dump's end.
View Act(Program& program, const std::string& command) {
    // In one write, so that a command that ends the program cannot leave `dump` unsent.
    program.Send(command.empty() ? "dump" : command + "\ndump");
    View view;
    for (std::string line; program.Line(line);) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "end") return view;
        if (first == "screen") words >> view.screen;
        if (first == "exit") view.ended = true;
        if (first == "control") {
            Control c;
            words >> c.id >> c.cls;
            view.controls.push_back(c);
        }
        if (first == "dropped") words >> view.dropped;
        if (first == "answers")
            for (std::string word; words >> word;) view.answers.push_back(word);
        if (first == "popup")
            for (int id; words >> id;) {
                view.popup.push_back(id);
                std::string text;
                words >> std::quoted(text);
            }
    }
    view.ended = true;
    return view;
}

std::string RandomText(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {"0", "1", "7", "9", ".", "-", "e", "a", "Z", " ", ",", "!",
                                                    "%", "é", "Ω", "µ", "日", "12345678901234567890", "3.14159"};
    std::string text;
    for (int n = int(rng() % 6) + 1; n > 0; --n) text += pieces[rng() % pieces.size()];
    return text;
}

std::string AnyPixel(std::mt19937& rng) {
    return "tap " + std::to_string(rng() % unsigned(screenWidth)) + " " + std::to_string(rng() % unsigned(screenHeight));
}

std::string Choose(std::mt19937& rng, const View& view, Program& program) {
    static const char* keys[] = {"Enter", "Escape", "Back", "Delete", "Left", "Right", "Up", "Down", "Home", "End", "Tab"};
    if (!view.answers.empty()) {
        if (!view.answers.empty() && rng() % 2) return "answer " + view.answers[rng() % view.answers.size()];
        return rng() % 4 ? "key Enter" : "key Escape";
    }
    // An open menu takes the next tap, wherever it falls: a control may lie beneath it.
    if (!view.popup.empty())
        return rng() % 2 ? "menu " + std::to_string(view.popup[rng() % view.popup.size()]) : AnyPixel(rng);
    switch (rng() % 10) {
    case 0: case 1: return AnyPixel(rng);
    case 2: case 3:
        if (!view.controls.empty()) return "tap " + std::to_string(view.controls[rng() % view.controls.size()].id);
        return "tap 120 300";
    case 4: return "type " + RandomText(rng);
    case 5: return std::string("key ") + keys[rng() % (sizeof keys / sizeof *keys)];
    case 6: return rng() % 2 ? "tap 20 305" : "tap 228 12";  // the menu bar; the navigation bar's ok
    default: {
        // A choice in a list or tab control, among the items it holds.
        for (const Control& c : view.controls) {
            if (c.cls != "ListBox" && c.cls != "ComboBox" && c.cls != "SysListView32" && c.cls != "SysTabControl32") continue;
            if (!view.dropped.empty() && std::to_string(c.id) != view.dropped) continue;
            program.Send("items " + std::to_string(c.id));
            int count = 0;
            for (std::string line; program.Line(line) && line != "end";) count += line.rfind("item ", 0) == 0;
            if (count == 0 || rng() % 2) continue;
            std::string verb = c.cls == "SysTabControl32" ? "tab " : "select " + std::to_string(c.id) + " ";
            return verb + std::to_string(rng() % count);
        }
        return AnyPixel(rng);
    }
    }
}

// Answers any open message boxes, closes the program (saying yes when closing asks whether
// to quit) and answers what went wrong, or nothing.
std::string Finish(Program& program, View view) {
    if (!program.failed_.empty()) return program.failed_;
    for (int i = 0; i < 10 && !view.ended && !view.answers.empty(); ++i) view = Act(program, "key Enter");
    if (!view.ended) view = Act(program, "close");
    for (int i = 0; i < 10 && !view.ended && !view.answers.empty(); ++i) {
        bool yes = std::find(view.answers.begin(), view.answers.end(), "yes") != view.answers.end();
        view = Act(program, yes ? "answer yes" : "key Enter");
    }
    for (std::string line; program.Line(line);) {
    }
    if (!program.failed_.empty()) return program.failed_ + " after close";
    int status = program.Status();
    const std::string& said = program.transcript_;
    bool sanitizer = said.find("Sanitizer") != std::string::npos || said.find("runtime error") != std::string::npos;
    bool accepted = std::find(acceptedStatuses.begin(), acceptedStatuses.end(), status) != acceptedStatuses.end();
    if (accepted && !sanitizer) return "";
    return "ended with status " + std::to_string(status) + ":\n" + said.substr(said.size() > 3000 ? said.size() - 3000 : 0);
}

std::string Run(const std::string& path, const std::vector<std::string>& commands) {
    Program program(path);
    View view;
    for (size_t i = 0; i < commands.size() && !view.ended && program.failed_.empty(); ++i)
        view = Act(program, commands[i]);
    return Finish(program, view);
}

// What tells one failure from another: its error line, or the sanitizer's summary, or how
// it ended.
std::string Kind(const std::string& failure) {
    for (const char* mark : {"error:", "SUMMARY:", "runtime error"}) {
        size_t at = failure.find(mark);
        if (at != std::string::npos) return failure.substr(at, failure.find('\n', at) - at);
    }
    return failure.substr(0, failure.find('\n'));
}

// Drops what is not needed for the same failure, a chunk at a time, down to single commands.
std::vector<std::string> Shorten(const std::string& path, std::vector<std::string> commands, const std::string& kind) {
    for (size_t chunk = commands.size() / 2; chunk >= 1; chunk /= 2)
        for (size_t at = 0; at + chunk <= commands.size();) {
            std::vector<std::string> shorter(commands.begin(), commands.begin() + long(at));
            shorter.insert(shorter.end(), commands.begin() + long(at + chunk), commands.end());
            if (Kind(Run(path, shorter)) == kind) commands = shorter;
            else at += chunk;
        }
    return commands;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--size") {
        std::sscanf(argv[2], "%dx%d", &screenWidth, &screenHeight);
        argv += 2;
        argc -= 2;
    }
    if (argc < 4 || screenWidth <= 0 || screenHeight <= 0) {
        std::cerr << "usage: monkey [--size WxH] PROGRAM SEED EVENTS [STATUS...]\n";
        return 2;
    }
    if (argc > 4) acceptedStatuses.clear();
    for (int i = 4; i < argc; ++i) acceptedStatuses.push_back(int(std::strtol(argv[i], nullptr, 10)));
    signal(SIGPIPE, SIG_IGN);
    std::string path = argv[1];
    unsigned seed = unsigned(std::strtoul(argv[2], nullptr, 10));
    long events = std::strtol(argv[3], nullptr, 10);
    std::mt19937 rng(seed);
    // A program that ends on its own (its Exit command) is started again for the events left;
    // a failure is replayed from the start of the copy it happened in.
    std::vector<std::string> commands;
    std::string failure;
    long done = 0;
    while (done < events && failure.empty()) {
        commands.clear();
        auto program = std::make_unique<Program>(path);
        View view = Act(*program, "");
        for (; done < events && !view.ended && program->failed_.empty(); ++done) {
            commands.push_back(Choose(rng, view, *program));
            view = Act(*program, commands.back());
        }
        failure = Finish(*program, view);
    }
    if (failure.empty()) {
        std::cout << "seed " << seed << ": " << done << " events, nothing found\n";
        return 0;
    }
    std::cout << "seed " << seed << ": " << failure << "\nshortening the script..." << std::endl;
    std::cout << "shortest script found:\n";
    for (const std::string& c : Shorten(path, commands, Kind(failure))) std::cout << c << "\n";
    return 1;
}
