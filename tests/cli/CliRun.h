#pragma once

#include "cli/Cli.h"
#include "support/ThemeTestSupport.h"

#include <sstream>
#include <string>
#include <vector>

namespace tintwright::cli::testing {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// tintwright-cli with these arguments and `input` as its standard input.
inline Outcome run(const std::vector<std::string>& arguments, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(arguments, in, out, err);
    return {code, out.str(), err.str()};
}

// Theme.ask in a folder of its own: entry 1 is 1,2,3, entries 2 and 3 black, lines ended by LF.
class ThemeFolderTest : public ::testing::Test {
protected:
    ThemeFolderTest()
    {
        m_themeBytes = theme::testing::joinLines(theme::testing::themeLines({{1, 2, 3}, {0, 0, 0}, {0, 0, 0}}), "\n");
        theme::testing::writeBytes(m_folder.file("Theme.ask"), m_themeBytes);
    }
    std::string path(const std::string& name) const { return m_folder.file(name).u8string(); }

    theme::testing::TemporaryFolder m_folder;
    std::string m_themeBytes;
};

} // namespace tintwright::cli::testing
