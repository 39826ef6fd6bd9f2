// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/application.h"
#include "common/numbers.h"
#include "common/settings_store.h"
#include "language_options/norv_error.h"
#include "main_window/norv_main.h"
#include "main_window/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace norv {
// Names the notation in test output instead of printing its bytes.
inline void PrintTo(const NumberLocale& locale, std::ostream* os)
{
    *os << (locale.decimal == "," ? "comma locale" : "point locale");
}
} // namespace norv

namespace norv::test {

// A started program over an in-memory store, in the point or the comma locale.
class Norv {
public:
    explicit Norv(NumberLocale locale = NumberLocale::point()) : app(store, std::move(locale)) {}

    // Runs the start-up; settings written to the store before count.
    Norv_main& start()
    {
        Start(app);
        return main();
    }
    Norv_main& main() { return *app.find<Norv_main>(); }

    // A number text in this locale: "29.97" becomes "29,97" where the comma is decimal.
    std::string dec(std::string text) const
    {
        std::replace(text.begin(), text.end(), '.', '\x01');
        std::string out;
        for (char c : text)
            out += c == '\x01' ? app.numbers().locale().decimal : std::string(1, c);
        return out;
    }

    void addRow(const std::string& type, const std::string& percent, const std::string& size,
                const std::string& unit)
    {
        main().appendStreamRow(type, percent, size, unit);
    }

    // The error window's message, or "" when it is not shown.
    std::string shownError()
    {
        auto* error = app.find<Norv_error>();
        return error && error->visible() ? error->errordescription.caption() : std::string();
    }

    MemorySettingsStore store;
    Application app;
};

// Runs a test body once in the point and once in the comma locale.
class BothLocales : public ::testing::TestWithParam<NumberLocale> {
protected:
    Norv norv{GetParam()};
};

inline std::string localeName(const ::testing::TestParamInfo<NumberLocale>& info)
{
    return info.param.decimal == "," ? "comma" : "point";
}

#define NORV_BOTH_LOCALES(suite)                                                                   \
    INSTANTIATE_TEST_SUITE_P(Locales, suite,                                                       \
                             ::testing::Values(::norv::NumberLocale::point(),                      \
                                               ::norv::NumberLocale::comma()),                     \
                             ::norv::test::localeName)

} // namespace norv::test
