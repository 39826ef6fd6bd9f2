// SPDX-License-Identifier: GPL-3.0-or-later
#include "action_script.h"

#include "common/application.h"
#include "common/list_box.h"
#include "common/menu_item.h"
#include "common/numbers.h"
#include "common/option_button.h"
#include "common/slider.h"
#include "common/text_box.h"
#include "language_options/norv_error.h"
#include "main_window/norv_main.h"
#include "main_window/program.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace norv::fuzz {

namespace {

enum Kind : std::uint8_t {
    TypeWhole, TypeKeys, Backspace, Focus, Click, DblClick, MouseDown, MouseUp, Slide, Step, Select,
    Close, kKinds
};

// Texts worth trying in any field; a text byte from 0xC0 up picks one.
const std::array<const char*, 40> kTokens = {
    "0",       "1",          "16",        "720",          "576",      "25",        "29.97",     "29,97",
    "1e3",     "1E308",      "1e999",     "-0",           "&HFFFFFFFF", "&O777",   "4:3",       "16px",
    "0.3",     "-1",         "2.5",       "",             " ",        "abc",       "1.234.567,5", "100",
    "128000",  "700",        "12abc",     "1220.703125",  "1015",     "5400",      "734003200", "9e15",
    "-720",    "0.0001",     "1E-05",     "2147483648",   "Video",    "%",         ".",         ","};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    bool more() const { return m_pos < m_bytes.size(); }
    std::uint8_t byte() { return more() ? m_bytes[m_pos++] : 0; }
    std::int32_t int32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= std::uint32_t(byte()) << (8 * i);
        return std::int32_t(v);
    }
    std::string text()
    {
        const int length = byte();
        std::string out;
        for (int i = 0; i < length && more(); ++i) {
            const std::uint8_t b = byte();
            out += b >= 0xC0 ? std::string(kTokens[(b - 0xC0) % kTokens.size()]) : std::string(1, char(b));
        }
        return out;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

// The user reaches only shown windows, and while a modal one is up only it
// and the error window above it.
bool reachable(Application& app, Window& w)
{
    if (!w.visible())
        return false;
    for (Window* other : app.windows())
        if (other->visible() && other->modal() && other != &w)
            return dynamic_cast<Norv_error*>(&w) != nullptr;
    return true;
}

// One decoded action: its kind and whatever it carries.
struct Action {
    Kind kind;
    std::string text;
    std::int32_t value = 0;
};

Action decode(Kind kind, Reader& in)
{
    static constexpr int kSteps[] = {-5, -1, 1, 5};
    Action a{kind, {}, 0};
    if (kind == TypeWhole || kind == TypeKeys)
        a.text = in.text();
    else if (kind == Slide)
        a.value = in.int32();
    else if (kind == Step)
        a.value = kSteps[in.byte() % 4];
    else if (kind == Select)
        a.value = std::int8_t(in.byte());
    return a;
}

bool focusable(const Control& c)
{
    return c.enabled() && !dynamic_cast<const Label*>(&c) && !dynamic_cast<const Frame*>(&c) &&
           !dynamic_cast<const Decoration*>(&c) && !dynamic_cast<const MenuItem*>(&c);
}

// Calls f with the control as the first of the kinds C it is; nothing when none.
template <class... C, class F>
void as(Control& control, F f)
{
    (void)(... || (dynamic_cast<C*>(&control) && (f(*dynamic_cast<C*>(&control)), true)));
}

void perform(const Action& a, Control& control)
{
    const auto step = [&a](Slider& s) {
        s.userMove(std::int32_t(std::clamp<std::int64_t>(std::int64_t(s.value()) + a.value, INT32_MIN, INT32_MAX)));
    };
    switch (a.kind) {
    case TypeWhole: return as<TextBox>(control, [&a](TextBox& box) { box.userEdit(a.text); });
    case TypeKeys: // keystroke by keystroke, each one an edit of its own
        return as<TextBox>(control, [&a](TextBox& box) {
            for (char c : a.text)
                box.userEdit(box.text() + c);
        });
    case Backspace:
        return as<TextBox>(control, [](TextBox& box) {
            if (!box.text().empty())
                box.userEdit(box.text().substr(0, box.text().size() - 1));
        });
    case Focus:
        if (focusable(control))
            control.userFocus();
        return;
    case Click: return as<Button, OptionButton, CheckBox, MenuItem>(control, [](auto& c) { c.userClick(); });
    case DblClick: return as<TextBox, ListBox>(control, [](auto& c) { c.userDblClick(); });
    case MouseDown: return as<TextBox, ListBox>(control, [](auto& c) { c.userMouseDown(); });
    case MouseUp: return as<TextBox, ListBox>(control, [](auto& c) { c.userMouseUp(); });
    case Slide: return as<Slider>(control, [&a](Slider& s) { s.userMove(a.value); });
    case Step: return as<Slider>(control, step);
    case Select: return as<ListBox, ComboBox>(control, [&a](auto& c) { c.userSelect(a.value); });
    default: return;
    }
}

// The invariants every state of the program keeps.
class Checker {
public:
    Checker(Application& app, Outcome& outcome) : m_app(app), m_outcome(outcome) {}

    void afterAction(int errorsBefore)
    {
        if (!m_outcome.violation.empty())
            return;
        const bool failed = m_outcome.errors != errorsBefore;
        if (failed)
            checkErrorShown();
        for (Window* w : m_app.windows())
            for (Control* c : w->controls())
                if (auto* slider = dynamic_cast<Slider*>(c); slider && !(slider->min() <= slider->value() &&
                                                                       slider->value() <= slider->max()))
                    fail("slider " + c->name() + " outside its range");
        if (Norv_main* main = m_app.find<Norv_main>())
            checkMain(*main, failed);
        // The program's own chains nest a few events deep; nowhere near the guard.
        if (m_app.statistics().deepestNesting > kNestingBound)
            fail("events nested " + std::to_string(m_app.statistics().deepestNesting) + " deep");
    }

    static constexpr int kNestingBound = 32;

    void fail(const std::string& what)
    {
        if (m_outcome.violation.empty())
            m_outcome.violation = what;
    }

private:
    // A text Norv writes: its own number form in the user's notation.
    bool isNumberText(const std::string& text) const
    {
        try {
            const Numbers& n = m_app.numbers();
            return n.NumberText(n.LocaleNumber(text)) == text;
        } catch (const std::exception&) {
            return false;
        }
    }

    bool isPercentText(const std::string& text) const
    {
        return !text.empty() && text.back() == '%' && isNumberText(text.substr(0, text.size() - 1));
    }

    void checkErrorShown()
    {
        auto* error = m_app.find<Norv_error>();
        const auto& err = m_app.err();
        if (!error || !error->visible() || !err ||
            error->errordescription.caption() != "Errore di Run-time: " + err->description())
            fail("a run-time error was not shown in the error window");
        if (err && err->number() == RunTimeError::OutOfStackSpace)
            fail("a chain of change events ran away");
    }

    void checkMain(Norv_main& m, bool failed)
    {
        const int rows = m.streamlist.listCount();
        if (m.streampercentual.listCount() != rows || m.streamdimension.listCount() != rows ||
            m.dimensiontype.listCount() != rows)
            return fail("the stream columns differ in length");
        if (m.codec.listCount() != 0)
            fail("the codec column is not empty");
        int videos = 0;
        for (int i = 0; i < rows; ++i) {
            videos += m.streamlist.item(i) == "Video";
            const std::string& percent = m.streampercentual.item(i);
            const std::string& size = m.streamdimension.item(i);
            const std::string& unit = m.dimensiontype.item(i);
            if (!percent.empty() && !isPercentText(percent))
                fail("percent cell '" + percent + "'");
            if (!size.empty() && !isNumberText(size))
                fail("size cell '" + size + "'");
            if (unit != "" && unit != "bit/s" && unit != "bytes")
                fail("unit cell '" + unit + "'");
        }
        if (videos > 1)
            fail("more than one Video row");
        if (!isPercentText(m.properror.text()))
            fail("proportion error '" + m.properror.text() + "'");

        // Fields whose change handling normalises them stay normalised by
        // every action that raises no run-time error.
        const TextBox* fields[] = {&m.fwidth, &m.fheight, &m.framerate, &m.lenght, &m.videoquality};
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            const bool normal = isNumberText(fields[i]->text());
            if (m_normal[i] && !failed && !normal)
                fail(fields[i]->name() + " left as '" + fields[i]->text() + "'");
            m_normal[i] = normal;
        }
    }

    Application& m_app;
    Outcome& m_outcome;
    std::array<bool, 5> m_normal{true, true, true, true, true};
};

constexpr const char* kWindowNames[] = {"Norv_main", "AddStream", "Norv_option", "Norv_error", "AboutForm"};

Window* window(Application& app, std::size_t which) { return app.find(kWindowNames[which]); }

std::vector<std::string> controlNames(std::size_t which)
{
    static const auto names = [] {
        MemorySettingsStore store;
        Application app(store, NumberLocale::point());
        Start(app);
        std::array<std::vector<std::string>, std::size(kWindowNames)> out;
        for (std::size_t w = 0; w < out.size(); ++w)
            for (Control* c : app.form(kWindowNames[w]).controls())
                out[w].push_back(c->name());
        return out;
    }();
    return names[which];
}

} // namespace

Outcome run(std::span<const std::uint8_t> bytes)
{
    Reader in(bytes);
    const bool comma = in.byte() & 1;
    MemorySettingsStore store;
    store.save("Norv", "Options", "Language", in.text());
    store.save("Norv", "Options", "Overhead", in.text());

    Outcome outcome;
    Application app(store, comma ? NumberLocale::comma() : NumberLocale::point());
    Checker checker(app, outcome);
    Start(app);
    const auto report = app.reportRunTimeError;
    app.reportRunTimeError = [&] {
        ++outcome.errors;
        report();
    };
    if (outcome.errors > 0)
        checker.fail("start-up raised a run-time error");
    checker.afterAction(outcome.errors);

    while (in.more() && app.running() && outcome.violation.empty()) {
        const auto kind = Kind(in.byte() % kKinds);
        const std::size_t which = in.byte() % std::size(kWindowNames);
        const std::uint8_t controlByte = in.byte();
        const Action action = decode(kind, in);
        const int errorsBefore = outcome.errors;
        Window* w = window(app, which);
        if (w && reachable(app, *w)) {
            if (kind == Close)
                w->userClose();
            else if (!w->controls().empty())
                perform(action, *w->controls()[controlByte % w->controls().size()]);
        }
        ++outcome.actions;
        checker.afterAction(errorsBefore);
    }
    return outcome;
}

std::vector<std::uint8_t> compile(const std::string& script)
{
    static const std::vector<std::string> kWins = {"main", "add", "opt", "err", "about"};
    static const std::vector<std::string> kKindNames = {"type", "keys", "back",  "focus", "click",  "dbl",
                                                        "down", "up",   "slide", "step",  "select", "close"};
    const auto indexOf = [](const std::vector<std::string>& names, const std::string& name) {
        return std::size_t(std::find(names.begin(), names.end(), name) - names.begin());
    };
    std::vector<std::uint8_t> out{0}, actions;
    std::string language = "English", overhead = "0";
    std::istringstream statements(script);
    for (std::string statement; std::getline(statements, statement, ';');) {
        std::istringstream words(statement);
        std::string win, kind, control, arg;
        words >> win >> kind >> control >> arg;
        if (win == "comma")
            out[0] = 1;
        else if (win == "stored")
            std::tie(language, overhead) = std::pair(kind, control);
        if (win.empty() || win == "comma" || win == "stored")
            continue;
        const std::size_t w = indexOf(kWins, win), k = indexOf(kKindNames, kind);
        const std::size_t c = w < kWins.size() ? indexOf(controlNames(w), control) : 0;
        if (w == kWins.size() || k == kKindNames.size() ||
            (k != Close && c == controlNames(w).size()) || arg.size() > 255 ||
            std::any_of(arg.begin(), arg.end(), [](char ch) { return std::uint8_t(ch) >= 0xC0; }))
            throw std::invalid_argument("cannot compile '" + statement + "'");
        actions.insert(actions.end(), {std::uint8_t(k), std::uint8_t(w), std::uint8_t(k == Close ? 0 : c)});
        if (k == TypeWhole || k == TypeKeys) {
            actions.push_back(std::uint8_t(arg.size()));
            actions.insert(actions.end(), arg.begin(), arg.end());
        } else if (k == Slide) {
            for (int i = 0; i < 4; ++i)
                actions.push_back(std::uint8_t(std::uint32_t(std::stol(arg)) >> (8 * i)));
        } else if (k == Step) {
            const int d = std::stoi(arg);
            actions.push_back(d <= -5 ? 0 : d < 0 ? 1 : d < 5 ? 2 : 3);
        } else if (k == Select) {
            actions.push_back(std::uint8_t(std::int8_t(std::stoi(arg))));
        }
    }
    for (const std::string* s : {&language, &overhead}) {
        out.push_back(std::uint8_t(s->size()));
        out.insert(out.end(), s->begin(), s->end());
    }
    out.insert(out.end(), actions.begin(), actions.end());
    return out;
}

} // namespace norv::fuzz
