#include "ThemeError.h"

namespace tintwright::theme {

namespace {
std::string describe(const std::string& reason, int line)
{
    return line > 0 ? "Line " + std::to_string(line) + ": " + reason : reason;
}
} // namespace

ThemeError::ThemeError(ErrorNumber number, const std::string& reason, int line)
    : std::runtime_error(describe(reason, line))
    , m_number(number)
    , m_reason(reason)
    , m_line(line)
{
}

std::string ThemeError::message() const
{
    return describe(m_reason, m_line);
}

} // namespace tintwright::theme
