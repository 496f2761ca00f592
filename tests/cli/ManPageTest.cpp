#include "cli/Commands.h"
#include "support/ThemeTestSupport.h"

#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

namespace tintwright::cli {
namespace {

// The manual page tells what the command table does: every command and
// option in its synopsis, and which commands exit 1.
class ManPageTest : public ::testing::Test {
protected:
    ManPageTest()
        : m_page(theme::testing::readBytes(std::filesystem::u8path(TINTWRIGHT_MANUAL_PAGE)))
        , m_commands(commandTable())
    {
        for (const auto& command : m_commands) {
            m_apps.emplace_back(command->define(m_program), command.get());
        }
    }

    // The text between `from` and the next `to` after it.
    std::string between(const std::string& from, const std::string& to) const
    {
        const std::size_t start = m_page.find(from);
        if (start == std::string::npos) {
            return {};
        }
        return m_page.substr(start, m_page.find(to, start + from.size()) - start);
    }

    std::string m_page;
    CLI::App m_program;
    std::vector<std::unique_ptr<Command>> m_commands;
    std::vector<std::pair<CLI::App*, Command*>> m_apps;
};

// "--in-place" as groff writes it: "\-\-in\-place".
std::string roff(const std::string& name)
{
    std::string text;
    for (const char c : name) {
        text += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return text;
}

TEST_F(ManPageTest, theSynopsisNamesEveryCommandWithItsOptions)
{
    const std::string synopsis = between(".SH SYNOPSIS", ".SH DESCRIPTION");
    for (const auto& [app, command] : m_apps) {
        const std::string block = between(".B tintwright-cli " + app->get_name(), ".br");
        ASSERT_NE(block, "") << app->get_name() << " is not in the synopsis";
        EXPECT_NE(synopsis.find(block), std::string::npos) << app->get_name();
        for (const CLI::Option* option : app->get_options()) {
            if (option->get_positional() || option->check_name("--help")) {
                continue;
            }
            const std::string name =
                option->get_snames().empty() ? "--" + option->get_lnames().front() : "-" + option->get_snames().front();
            EXPECT_NE(block.find(roff(name)), std::string::npos) << app->get_name() << " " << name;
        }
    }
}

// What a command cannot run without is marked so in --help, also where either of two will do.
TEST_F(ManPageTest, helpMarksWhatACommandNeeds)
{
    for (const auto& [app, command] : m_apps) {
        for (const CLI::Option* option : app->get_options()) {
            const bool eitherOr = option->check_name("--in-place") || option->check_name("--all")
                || (option->check_name("--output") && app->get_option_no_throw("--in-place") != nullptr)
                || (option->check_name("ELEMENT"));
            if (eitherOr) {
                EXPECT_NE(option->get_description().find("REQUIRED"), std::string::npos)
                    << app->get_name() << " " << option->get_name();
            }
        }
    }
}

TEST_F(ManPageTest, exitStatusOneNamesExactlyTheCommandsThatUseIt)
{
    const std::string one = between(".TP\n.B 1\n", ".TP\n.B 2\n");
    ASSERT_NE(one, "");
    for (const auto& [app, command] : m_apps) {
        EXPECT_EQ(one.find(".B " + app->get_name() + "\n") != std::string::npos, !command->exitOne().empty())
            << app->get_name();
    }
}

} // namespace
} // namespace tintwright::cli
