// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace norv {

// The run-time errors of the calculation, by the numbers a user may look up.
// Handlers never catch them; the event boundary of Application reports them.
class RunTimeError : public std::runtime_error {
public:
    enum Number : int {
        InvalidArgument = 5,
        Overflow = 6,
        OutOfMemory = 7,
        DivisionByZero = 11,
        TypeMismatch = 13,
        OutOfStackSpace = 28,
    };

    explicit RunTimeError(Number number);

    Number number() const { return m_number; }
    const std::string& description() const { return m_description; }

    static std::string describe(Number number);

private:
    Number m_number;
    std::string m_description;
};

} // namespace norv
