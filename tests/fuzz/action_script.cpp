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
#include <cstring>
#include <memory>
#include <stdexcept>

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

void perform(const Action& a, Control& control)
{
    auto* box = dynamic_cast<TextBox*>(&control);
    auto* slider = dynamic_cast<Slider*>(&control);
    auto* list = dynamic_cast<ListBox*>(&control);
    switch (a.kind) {
    case TypeWhole:
        if (box)
            box->userEdit(a.text);
        break;
    case TypeKeys: // keystroke by keystroke, each one an edit of its own
        for (char c : a.text)
            if (box)
                box->userEdit(box->text() + c);
        break;
    case Backspace:
        if (box && !box->text().empty())
            box->userEdit(box->text().substr(0, box->text().size() - 1));
        break;
    case Focus:
        if (focusable(control))
            control.userFocus();
        break;
    case Click:
        if (auto* button = dynamic_cast<Button*>(&control))
            button->userClick();
        else if (auto* option = dynamic_cast<OptionButton*>(&control))
            option->userClick();
        else if (auto* check = dynamic_cast<CheckBox*>(&control))
            check->userClick();
        else if (auto* entry = dynamic_cast<MenuItem*>(&control))
            entry->userClick();
        break;
    case DblClick:
        if (box)
            box->userDblClick();
        else if (list)
            list->userDblClick();
        break;
    case MouseDown:
        if (box)
            box->userMouseDown();
        else if (list)
            list->userMouseDown();
        break;
    case MouseUp:
        if (box)
            box->userMouseUp();
        else if (list)
            list->userMouseUp();
        break;
    case Slide:
        if (slider)
            slider->userMove(a.value);
        break;
    case Step:
        if (slider)
            slider->userMove(std::int32_t(
                std::clamp<std::int64_t>(std::int64_t(slider->value()) + a.value, INT32_MIN, INT32_MAX)));
        break;
    case Select:
        if (list)
            list->userSelect(a.value);
        else if (auto* combo = dynamic_cast<ComboBox*>(&control))
            combo->userSelect(a.value);
        break;
    default:
        break;
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

Window* window(Application& app, Win which) { return app.find(kWindowNames[std::size_t(which)]); }

std::vector<std::string> controlNames(Win which)
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
    return names[std::size_t(which)];
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
        const auto which = Win(in.byte() % 5);
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

} // namespace norv::fuzz

namespace norv::fuzz {

Script& Script::comma()
{
    m_comma = true;
    return *this;
}

Script& Script::stored(const std::string& language, const std::string& overhead)
{
    m_language = language;
    m_overhead = overhead;
    return *this;
}

Script& Script::action(int kind, Win window, const std::string& control)
{
    const auto names = controlNames(window);
    const auto it = std::find(names.begin(), names.end(), control);
    if (!control.empty() && it == names.end())
        throw std::invalid_argument("no control " + control);
    m_actions.push_back(std::uint8_t(kind));
    m_actions.push_back(std::uint8_t(window));
    m_actions.push_back(std::uint8_t(it == names.end() ? 0 : it - names.begin()));
    return *this;
}

void Script::text(const std::string& s)
{
    if (s.size() > 255)
        throw std::invalid_argument("text too long for one action");
    m_actions.push_back(std::uint8_t(s.size()));
    for (char c : s) {
        if (std::uint8_t(c) >= 0xC0)
            throw std::invalid_argument("write a byte from 0xC0 up through a token");
        m_actions.push_back(std::uint8_t(c));
    }
}

Script& Script::type(Win w, const std::string& control, const std::string& s)
{
    action(TypeWhole, w, control);
    text(s);
    return *this;
}

Script& Script::keys(Win w, const std::string& control, const std::string& s)
{
    action(TypeKeys, w, control);
    text(s);
    return *this;
}

Script& Script::backspace(Win w, const std::string& control) { return action(Backspace, w, control); }
Script& Script::focus(Win w, const std::string& control) { return action(Focus, w, control); }
Script& Script::click(Win w, const std::string& control) { return action(Click, w, control); }
Script& Script::dblclick(Win w, const std::string& control) { return action(DblClick, w, control); }
Script& Script::mouseDown(Win w, const std::string& control) { return action(MouseDown, w, control); }
Script& Script::mouseUp(Win w, const std::string& control) { return action(MouseUp, w, control); }

Script& Script::slide(Win w, const std::string& control, std::int32_t value)
{
    action(Slide, w, control);
    for (int i = 0; i < 4; ++i)
        m_actions.push_back(std::uint8_t(std::uint32_t(value) >> (8 * i)));
    return *this;
}

Script& Script::step(Win w, const std::string& control, int delta)
{
    action(Step, w, control);
    m_actions.push_back(delta <= -5 ? 0 : delta < 0 ? 1 : delta < 5 ? 2 : 3);
    return *this;
}

Script& Script::select(Win w, const std::string& control, int index)
{
    action(Select, w, control);
    m_actions.push_back(std::uint8_t(std::int8_t(index)));
    return *this;
}

Script& Script::close(Win w) { return action(Close, w, std::string()); }

std::vector<std::uint8_t> Script::bytes() const
{
    std::vector<std::uint8_t> out{std::uint8_t(m_comma ? 1 : 0)};
    for (const std::string* s : {&m_language, &m_overhead}) {
        out.push_back(std::uint8_t(s->size()));
        out.insert(out.end(), s->begin(), s->end());
    }
    out.insert(out.end(), m_actions.begin(), m_actions.end());
    return out;
}

} // namespace norv::fuzz
