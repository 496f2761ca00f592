#include "Cli.h"
#include "Commands.h"

#include "sketch/Roles.h"

#include <CLI/CLI.hpp>

namespace tintwright::cli {

namespace {

// roles: which elements play which part in Live's window.
class RolesCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command =
            program.add_subcommand("roles", "List the roles of the 162 elements, each element in exactly one");
        addFormatOption(*command, m_format, "text (the default), csv or json");
        command->footer("Example:\n  tintwright-cli roles --format json");
        return command;
    }

    int run(Context& context) override
    {
        const ListFormat format = listFormat(m_format);
        std::vector<Record> records;
        for (const sketch::Role& role : sketch::roles()) {
            if (format == ListFormat::Text) {
                context.out << role.name << "  " << role.description << "\n  " << joined(role.elements) << '\n';
                continue;
            }
            std::string names;
            for (const std::string& element : role.elements) {
                names += (names.empty() ? "" : " ") + element;
            }
            records.push_back(
                {{"name", role.name}, {"description", role.description}, {"elements", role.elements, names}});
        }
        if (format != ListFormat::Text) {
            writeRecords(records, format, {"name", "description", "elements"}, context.out);
        }
        return kNothingFound;
    }

private:
    std::string m_format = "text";
};

} // namespace

std::unique_ptr<Command> rolesCommand()
{
    return std::make_unique<RolesCommand>();
}

} // namespace tintwright::cli
