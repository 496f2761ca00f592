#pragma once

#include <stdexcept>
#include <string>

namespace tintwright::theme {

// The run-time error numbers a command can end with.
enum class ErrorNumber {
    SubscriptOutOfRange = 9, // a table or the grid would overflow
    TypeMismatch = 13, // a colour value that is not a number
    FileNotFound = 53, // a theme that cannot be opened or read
    PathFileAccess = 75, // a theme that cannot be written
};

// The one error the theme core reports to the window. `reason` is plain words
// for a person; `line` is the theme line it concerns, or 0.
class ThemeError : public std::runtime_error {
public:
    ThemeError(ErrorNumber number, const std::string& reason, int line = 0);

    ErrorNumber number() const { return m_number; }
    const std::string& reason() const { return m_reason; }
    // The whole message, "Line N: " and the reason, with every byte of the
    // reason (what() ends at a NUL byte a record may hold).
    std::string message() const;
    int line() const { return m_line; }

private:
    ErrorNumber m_number;
    std::string m_reason;
    int m_line;
};

} // namespace tintwright::theme
