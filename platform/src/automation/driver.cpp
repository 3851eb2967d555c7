#include "automation/driver.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <limits>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <utility>

#include "controls/controls.h"
#include "gdi/gdi.h"
#include "kernel/internal.h"
#include "kernel/kernel.h"
#include "kernel/utf.h"
#include "shell/shell.h"
#include "system/signals.h"

namespace platform {
namespace {

std::string Quote(const std::u16string& text) {
    std::string out = "\"";
    for (char c : ToUtf8(text)) {
        if (c == '\n') out += "\\n";
        else if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else out.push_back(c);
    }
    return out + "\"";
}

// A number is read whole and within its range, or not at all: "66545" is no control id,
// and a NUL inside a word does not end it early.
bool ParseNumber(const std::string& s, long min, long max, long& value) {
    const char* end = s.data() + s.size();
    auto [stop, error] = std::from_chars(s.data(), end, value);
    return error == std::errc() && stop == end && value >= min && value <= max;
}

// Control ids are 16-bit: a WORD, or the same written as a short (-1 for 0xFFFF).
constexpr long kIdMin = -32768, kIdMax = 65535;
constexpr long kIndexMax = std::numeric_limits<int>::max();

// The buttons of an open message box a script presses by name.
struct Answer {
    int button;
    const char* word;
};
constexpr Answer kAnswers[] = {{IDOK, "ok"}, {IDYES, "yes"}, {IDNO, "no"}};

// The program's screen now shown: the topmost program window that is not a message box
// (a modal dialog, such as a desktop program's page, is a screen).
HWND CurrentScreenWindow() {
    const auto& modal = ModalStack();
    for (HWND h : TopLevelZOrder()) {
        const Window& w = Get(h);
        if (w.shellChrome || !(w.style & WS_VISIBLE)) continue;
        if (!IsDialogWindow(w) && std::find(modal.begin(), modal.end(), h) != modal.end()) continue;
        return h;
    }
    return nullptr;
}

HWND CurrentPageOf(HWND screen) {
    if (!screen) return nullptr;
    for (HWND c : Get(screen).children)
        if (IsDialogWindow(Get(c)) && (Get(c).style & WS_VISIBLE)) return c;
    return nullptr;
}

HWND FindVisibleIn(HWND root, int id) {
    if (!root) return nullptr;
    for (HWND c : Get(root).children) {
        const Window& w = Get(c);
        if (!(w.style & WS_VISIBLE)) continue;
        if (!IsDialogWindow(w) && short(w.id) == short(id)) return c;
        if (HWND deeper = FindVisibleIn(c, id)) return deeper;
    }
    return nullptr;
}

// Controls are looked for where a person would look: an open message box, then the
// current page, then its screen.
HWND FindControl(int id) {
    if (!ModalStack().empty())
        if (HWND h = FindVisibleIn(ModalStack().back(), id)) return h;
    HWND screen = CurrentScreenWindow();
    if (HWND h = FindVisibleIn(CurrentPageOf(screen), id)) return h;
    return FindVisibleIn(screen, id);
}

HWND FindByClass(HWND root, const std::u16string& cls) {
    if (!root) return nullptr;
    for (HWND c : Get(root).children) {
        const Window& w = Get(c);
        if (!(w.style & WS_VISIBLE)) continue;
        if (w.cls->name == cls) return c;
        if (HWND deeper = FindByClass(c, cls)) return deeper;
    }
    return nullptr;
}

POINT CentreOf(HWND h) {
    RECT r = ScreenRect(Get(h));
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

const std::map<std::string, UINT>& KeyNames() {
    static const std::map<std::string, UINT> names = {
        {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Back", VK_BACK},   {"Delete", VK_DELETE}, {"Left", VK_LEFT},
        {"Right", VK_RIGHT},  {"Up", VK_UP},         {"Down", VK_DOWN},   {"Home", VK_HOME},     {"End", VK_END},
        {"Tab", VK_TAB},      {"PageUp", VK_PRIOR},  {"PageDown", VK_NEXT}, {"F4", VK_F4}};
    return names;
}

// A key by name, or with Alt held ("Alt+Down"): pressed and released. Answers false for
// a name it does not know.
bool PressNamedKey(const std::string& name) {
    bool alt = name.rfind("Alt+", 0) == 0;
    auto it = KeyNames().find(alt ? name.substr(4) : name);
    if (it == KeyNames().end()) return false;
    if (alt) InjectKey(VK_MENU, true);
    InjectKey(it->second, true);
    InjectKey(it->second, false);
    if (alt) InjectKey(VK_MENU, false);
    return true;
}

void ListControls(std::ostream& out, HWND root) {
    for (HWND c : Get(root).children) {
        const Window& w = Get(c);
        if (!(w.style & WS_VISIBLE)) continue;
        if (IsDialogWindow(w)) {
            ListControls(out, c);
            continue;
        }
        out << "control " << short(w.id) << ' ' << ToUtf8(w.cls->name) << ' ' << Quote(WindowTextOf(c));
        if (w.cls->name == u"Button" && SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED) out << " checked";
        if (w.cls->name == u"Edit" && (w.style & ES_READONLY)) out << " readonly";
        if (w.style & WS_DISABLED) out << " disabled";
        out << '\n';
    }
}

}  // namespace

bool LineReader::Next(std::string& line, bool block) {
    for (;;) {
        // Only what came since the last look is searched for the line's end.
        size_t nl = buffer_.find('\n', scanned_);
        if (nl != std::string::npos) {
            line = buffer_.substr(0, nl);
            buffer_.erase(0, nl + 1);
            scanned_ = 0;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        scanned_ = buffer_.size();
        if (buffer_.size() > kMaxLine) {
            error_ = "a line of the script is longer than " + std::to_string(kMaxLine) + " bytes";
            ended_ = true;
            buffer_.clear();
            return false;
        }
        if (ended_) {
            if (buffer_.empty()) return false;
            line.swap(buffer_);
            buffer_.clear();
            scanned_ = 0;
            return true;
        }
        // Waiting, a termination signal breaks off the wait for the caller to end the program.
        // Where no signals are watched, a blocking read is the wait.
        int signals = TerminationSignalFd();
        if (!block || signals >= 0) {
            pollfd p[] = {{fd_, POLLIN, 0}, {signals, POLLIN, 0}};
            int ready = poll(p, block ? 2 : 1, block ? -1 : 0);
            if (!block && ready <= 0) return false;
            if (block && ((ready < 0 && errno == EINTR) || (ready > 0 && (p[1].revents & POLLIN)))) return false;
        }
        char chunk[4096];
        ssize_t n = read(fd_, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error_ = std::string("cannot read the script: ") + std::strerror(errno);
        if (n <= 0) ended_ = true;
        else buffer_.append(chunk, size_t(n));
    }
}

ScriptDriver::ScriptDriver(LineReader& reader, std::ostream& out, std::ostream& err, std::function<void()> refuse)
    : reader_(reader), out_(out), err_(err), refuse_(std::move(refuse)) {
    Events().messageBox = [this](const std::u16string& caption, const std::u16string& text) {
        out_ << "msgbox " << Quote(caption) << ' ' << Quote(text) << std::endl;
    };
    Events().launch = [this](const std::u16string& program, const std::u16string& line) {
        out_ << "launch " << Quote(program) << ' ' << Quote(line) << std::endl;
    };
    Events().sound = [this](int id, DWORD ms) { out_ << "sound " << id << ' ' << ms << std::endl; };
}

void ScriptDriver::Fail(const std::string& message) {
    out_.flush();
    err_ << "error: " << message << std::endl;
    if (refuse_) refuse_();
    std::exit(2);
}

// The visible control a command names by its id, or the command is refused.
HWND ScriptDriver::ControlNamed(const std::string& cmd, const std::string& arg, long& id) {
    if (!ParseNumber(arg, kIdMin, kIdMax, id))
        Fail(cmd + ": ID must be a number from " + std::to_string(kIdMin) + " to " + std::to_string(kIdMax));
    HWND h = FindControl(int(id));
    if (!h) Fail("no visible control " + arg);
    return h;
}

void ScriptDriver::PrintExit(int code) { out_ << "exit " << code << std::endl; }

ScriptDriver::Result ScriptDriver::Run(bool block) {
    injected_ = false;
    for (;;) {
        if (!pending_.empty()) {
            auto step = std::move(pending_.front());
            pending_.pop_front();
            step();
            if (injected_) return Result::Input;
            continue;
        }
        std::string line;
        if (!reader_.Next(line, block)) {
            if (!reader_.Error().empty()) Fail(reader_.Error());
            if (!reader_.AtEnd()) return Result::Idle;
            if (!ModalStack().empty()) Fail("the script ended while a message box or dialog was open");
            return Result::Ended;
        }
        Execute(line);
        if (injected_) return Result::Input;
    }
}

void ScriptDriver::Tap(POINT screen) {
    SIZE size = ScreenSize();
    if (screen.x < 0 || screen.y < 0 || screen.x >= size.cx || screen.y >= size.cy)
        Fail("tap outside the screen");
    // An open list would take a tap anywhere else only to close: the script is told.
    if (HWND list = DroppedComboList()) {
        RECT r;
        GetWindowRect(list, &r);
        if (!PtInRect(&r, screen))
            Fail("the list of combo box " + std::to_string(short(Get(DroppedComboBox()).id)) + " is open and takes the tap");
    }
    InjectStylusDown(screen);
    InjectStylusUp(screen);
    injected_ = true;
}

// Some controls take more than one tap (a combo box opens, then its item is tapped):
// each tap is made once the program has handled the one before. A control that still asks
// for more after a few (something else takes the taps, such as another open list) cannot
// be reached, and the script is told so rather than tapping for ever.
void ScriptDriver::QueueStepsOf(unsigned control, unsigned msg, int index, const std::string& what, int taps) {
    pending_.push_back([this, control, msg, index, what, taps] {
        std::string target = what + " " + std::to_string(index) + " of control " + std::to_string(control);
        HWND h = FindControl(int(control));
        if (!h) Fail("no visible control " + std::to_string(control));
        TapRequest request;
        request.index = index;
        if (!SendMessageW(h, msg, 0, reinterpret_cast<LPARAM>(&request))) Fail(target + " cannot be tapped");
        if (request.more && taps >= kMostTapsForOneChoice) Fail(target + " cannot be reached: the taps go elsewhere");
        Tap(request.screen);
        if (request.more) QueueStepsOf(control, msg, index, what, taps + 1);
    });
}

void ScriptDriver::Menu(unsigned command) {
    auto first = MenuBarTapPoint(command);
    if (!first) Fail("no menu item " + std::to_string(command));
    Tap(*first);
    pending_.push_back([this, command] {
        if (auto item = OpenPopupTapPoint(command)) Tap(*item);
    });
}

void ScriptDriver::Execute(const std::string& raw) {
    std::string line = raw;
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') return;
    line = line.substr(start);
    std::string cmd = line.substr(0, line.find(' '));
    std::string rest = line.size() > cmd.size() ? line.substr(cmd.size() + 1) : "";
    std::istringstream args(rest);
    std::vector<std::string> words;
    for (std::string w; args >> w;) words.push_back(w);
    auto number = [&](size_t i, const char* what, long min, long max) {
        long v;
        if (i >= words.size() || !ParseNumber(words[i], min, max, v))
            Fail(cmd + ": " + what + " must be a number from " + std::to_string(min) + " to " + std::to_string(max));
        return v;
    };
    auto id = [&](size_t i) { return int(number(i, "ID", kIdMin, kIdMax)); };
    auto index = [&](size_t i, const char* what) { return int(number(i, what, 0, kIndexMax)); };
    if (cmd == "menu" && words.size() == 1) {
        Menu(unsigned(number(0, "ID", 0, 0xFFFF)));
    } else if (cmd == "tap" && words.size() == 2) {
        Tap(POINT{LONG(index(0, "X")), LONG(index(1, "Y"))});
    } else if (cmd == "tap" && words.size() == 1) {
        long named;
        Tap(CentreOf(ControlNamed(cmd, words[0], named)));
    } else if (cmd == "type") {
        for (char16_t c : FromUtf8(rest)) InjectCharacter(c);
        injected_ = !rest.empty();
    } else if (cmd == "key" && words.size() == 1) {
        if (!PressNamedKey(words[0])) Fail("unknown key " + words[0]);
        injected_ = true;
    } else if (cmd == "select" && words.size() == 2) {
        QueueStepsOf(unsigned(id(0)), kMsgItemTapPoint, index(1, "N"), "item");
    } else if (cmd == "header" && words.size() == 2) {
        QueueStepsOf(unsigned(id(0)), kMsgHeaderTapPoint, index(1, "C"), "header");
    } else if (cmd == "tab" && words.size() == 1) {
        int n = index(0, "N");
        HWND tabs = FindByClass(CurrentScreenWindow(), u"SysTabControl32");
        if (!tabs) Fail("the current screen has no tabs");
        QueueStepsOf(unsigned(Get(tabs).id), kMsgItemTapPoint, n, "tab");
    } else if (cmd == "done" && words.empty()) {
        auto ok = DoneButtonTapPoint();
        if (!ok) Fail("the navigation bar shows no ok button");
        Tap(*ok);
    } else if (cmd == "answer" && words.size() == 1) {
        if (ModalStack().empty()) Fail("no message box is open");
        auto answer = std::find_if(std::begin(kAnswers), std::end(kAnswers), [&](const Answer& a) { return words[0] == a.word; });
        if (answer == std::end(kAnswers)) Fail("answer takes ok, yes or no");
        int id = answer->button;
        HWND button = GetDlgItem(ModalStack().back(), id);
        if (!button) Fail("the message box has no " + words[0] + " button");
        Tap(CentreOf(button));
    } else if (cmd == "close" && words.empty()) {
        RequestHostClose();
        injected_ = true;
    } else if (cmd == "text" && words.size() == 1) {
        PrintText(words[0]);
    } else if (cmd == "items" && !words.empty()) {
        std::vector<size_t> rows;
        for (size_t i = 1; i < words.size(); ++i) rows.push_back(size_t(index(i, "N")));
        PrintItems(words[0], rows);
    } else if (cmd == "image" && words.size() == 1) {
        PrintImage(words[0]);
    } else if (cmd == "dump" && words.empty()) {
        Dump();
    } else if (cmd == "screenshot" && !rest.empty()) {
        Screenshot(rest);
    } else {
        Fail("unknown command: " + line);
    }
}

void ScriptDriver::PrintText(const std::string& arg) {
    long id;
    HWND h = ControlNamed("text", arg, id);
    out_ << "text " << id << ' ' << Quote(WindowTextOf(h)) << std::endl;
}

// The resource a picture shows and where the picture lies in its parent's client area.
void ScriptDriver::PrintImage(const std::string& arg) {
    long id;
    HWND h = ControlNamed("image", arg, id);
    HANDLE picture = reinterpret_cast<HANDLE>(SendMessageW(h, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (!picture) picture = reinterpret_cast<HANDLE>(SendMessageW(h, STM_GETIMAGE, IMAGE_ICON, 0));
    int resource = picture ? ResourceIdOf(picture) : 0;
    RECT r;
    GetWindowRect(h, &r);
    POINT topLeft{r.left, r.top};
    ScreenToClient(GetParent(h), &topLeft);
    out_ << "image " << id << ' ' << (resource ? std::to_string(resource) : std::string("none")) << ' ' << topLeft.x << ' '
         << topLeft.y << ' ' << (r.right - r.left) << ' ' << (r.bottom - r.top) << std::endl;
}

void ScriptDriver::PrintItems(const std::string& arg, const std::vector<size_t>& rows) {
    long id;
    HWND h = ControlNamed("items", arg, id);
    ItemsReply reply;
    if (!SendMessageW(h, kMsgListItems, 0, reinterpret_cast<LPARAM>(&reply))) Fail("control " + arg + " holds no items");
    std::vector<size_t> shown = rows;
    if (rows.empty())
        for (size_t i = 0; i < reply.items.size(); ++i) shown.push_back(i);
    for (size_t i : shown) {
        if (i >= reply.items.size()) Fail("control " + arg + " has no item " + std::to_string(i));
        out_ << "item " << i;
        for (const auto& t : reply.items[i].texts) out_ << ' ' << Quote(t);
        if (reply.items[i].selected) out_ << " selected";
        out_ << '\n';
    }
    out_ << "end" << std::endl;
}

void ScriptDriver::Dump() {
    HWND screen = CurrentScreenWindow();
    const Window* w = screen ? Find(screen) : nullptr;
    if (!w || screen == ApplicationMainWindow() || w->templateId < 0) out_ << "screen home\n";
    else out_ << "screen " << w->templateId << '\n';
    if (HWND page = CurrentPageOf(screen)) out_ << "page " << Get(page).templateId << '\n';
    // A desktop has no input panel.
    if (!IsDesktop()) out_ << "sip " << (IsSipUp() ? "up" : "down") << '\n';
    HWND focus = GetFocus();
    if (focus) out_ << "focus " << short(Get(focus).id) << '\n';
    else out_ << "focus none\n";
    if (screen) ListControls(out_, screen);
    if (!ModalStack().empty()) {
        std::string offered;
        for (const Answer& a : kAnswers)
            if (GetDlgItem(ModalStack().back(), a.button)) offered += std::string(" ") + a.word;
        if (!offered.empty()) out_ << "answers" << offered << '\n';
    }
    // An open combo box list, or popup menu, takes the next tap over whatever lies beneath
    // it: a script sees which is open and (for a menu) which items it offers.
    if (HWND combo = DroppedComboBox()) out_ << "dropped " << short(Get(combo).id) << '\n';
    if (const auto* items = OpenPopupItems()) {
        out_ << "popup";
        for (const MenuItem& item : *items)
            if (!(item.flags & MF_SEPARATOR)) out_ << ' ' << item.id << ' ' << Quote(item.text);
        out_ << '\n';
    }
    out_ << "end" << std::endl;
}

void ScriptDriver::Screenshot(const std::string& file) {
    PaintAll();
    if (!WritePng(Framebuffer(), file)) Fail("cannot write " + file);
}

}  // namespace platform
