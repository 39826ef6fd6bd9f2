// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_time_error.h"

namespace norv {

RunTimeError::RunTimeError(Number number)
    : std::runtime_error(describe(number)), m_number(number), m_description(describe(number))
{
}

std::string RunTimeError::describe(Number number)
{
    switch (number) {
    case InvalidArgument: return "Invalid procedure call or argument";
    case Overflow: return "Overflow";
    case OutOfMemory: return "Out of memory";
    case DivisionByZero: return "Division by zero";
    case TypeMismatch: return "Type mismatch";
    case OutOfStackSpace: return "Out of stack space";
    }
    return "Application-defined or object-defined error";
}

} // namespace norv
