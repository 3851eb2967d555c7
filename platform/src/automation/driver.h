// The script driver: reads one command a line and acts as a person would, through the
// same input path as a stylus and a keyboard; prints what a script asked to see.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace platform {

class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) {}
    // A complete line, or nothing: at the end of the input, when (not blocking) no
    // complete line has arrived yet, or when a termination signal broke off the wait.
    bool Next(std::string& line, bool block);
    bool AtEnd() const { return ended_ && buffer_.empty(); }
    int Fd() const { return fd_; }
    // Why the script cannot be read on (empty while it can): a read error, or a line
    // longer than any command needs, which is refused rather than gathered without end.
    const std::string& Error() const { return error_; }
    static constexpr size_t kMaxLine = 64 * 1024;

private:
    int fd_;
    std::string buffer_;
    size_t scanned_ = 0;  // how much of the buffer holds no line end
    bool ended_ = false;
    std::string error_;
};

class ScriptDriver {
public:
    enum class Result { Input, Idle, Ended };
    // A refused command ends the program with status 2, unless `refuse` ends the refusal
    // another way (it must not return).
    ScriptDriver(LineReader& reader, std::ostream& out, std::ostream& err, std::function<void()> refuse = {});
    // Runs commands until one gave the program input to handle.
    Result Run(bool block);
    void PrintExit(int code);
    void Execute(const std::string& line);  // one command, as from the script

private:
    [[noreturn]] void Fail(const std::string& message);
    void Tap(POINT screen);
    static constexpr int kMostTapsForOneChoice = 3;
    void QueueStepsOf(unsigned control, unsigned msg, int index, const std::string& what, int taps = 1);
    void Dump();
    HWND ControlNamed(const std::string& cmd, const std::string& arg, long& id);
    void PrintText(const std::string& arg);
    // Every item, or only the rows asked for, in the order asked.
    void PrintItems(const std::string& arg, const std::vector<size_t>& rows);
    void PrintImage(const std::string& arg);
    void Screenshot(const std::string& file);
    void Menu(unsigned command);

    LineReader& reader_;
    std::ostream& out_;
    std::ostream& err_;
    std::function<void()> refuse_;
    std::deque<std::function<void()>> pending_;
    bool injected_ = false;
};

}  // namespace platform
