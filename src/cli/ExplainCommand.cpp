#include "Cli.h"
#include "Commands.h"

#include "sketch/ElementTable.h"
#include "sketch/Scene.h"

#include <CLI/CLI.hpp>

namespace tintwright::cli {

namespace {

// explain: where Live paints each element.
class ExplainCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand("explain", "Tell where Live 10 paints each ELEMENT");
        command->add_option("ELEMENT", m_names,
                            "element names, with or without angle brackets (these or --all are REQUIRED)");
        command->add_flag("--all", m_all, "the whole table (this or ELEMENT is REQUIRED)");
        addFormatOption(*command, m_format, "text (the default), csv or json");
        command->footer("Example:\n  tintwright-cli explain ChosenAlternative SurfaceArea");
        return command;
    }

    int run(Context& context) override
    {
        if (m_all && !m_names.empty()) {
            throw CliError("", "explain takes ELEMENT names or --all, not both");
        }
        if (!m_all && m_names.empty()) {
            throw CliError("", "explain needs an ELEMENT or --all");
        }
        std::vector<const sketch::ElementInfo*> elements;
        for (const std::string& name : m_names) {
            const sketch::ElementInfo* info = sketch::findElement(name);
            if (info == nullptr) {
                throw CliError("", "Live 10 themes have no element " + name);
            }
            elements.push_back(info);
        }
        if (m_all) {
            for (const sketch::ElementInfo& info : sketch::elementTable()) {
                elements.push_back(&info);
            }
        }
        const ListFormat format = listFormat(m_format);
        std::vector<Record> records;
        for (const sketch::ElementInfo* info : elements) {
            // Where the sketch draws it comes from the sketch itself, so the two cannot disagree.
            const std::vector<std::string> areas = sketch::areasOf(info->name);
            const std::string since = info->since101 ? "10.1" : "10.0";
            if (format == ListFormat::Text) {
                context.out << '<' << info->name << ">  " << sketch::describedWithCertainty(*info)
                            << (areas.empty() ? " The sketch draws it nowhere."
                                              : " Drawn in: " + joinedAreas(areas) + ".")
                            << (info->since101 ? " Added by Live 10.1." : "") << '\n';
                continue;
            }
            records.push_back({{"element", std::string(info->name)},
                               {"description", std::string(info->description)},
                               {"certainty", std::string(info->certainty())},
                               {"source", std::string(info->source)},
                               {"since", since},
                               {"areas", areas, joinedAreas(areas)}});
        }
        if (format != ListFormat::Text) {
            writeRecords(records, format, {"element", "description", "certainty", "source", "since", "areas"},
                         context.out);
        }
        return kNothingFound;
    }

private:
    static std::string joinedAreas(const std::vector<std::string>& areas)
    {
        std::string text;
        for (const std::string& area : areas) {
            text += (text.empty() ? "" : "; ") + area;
        }
        return text;
    }

    std::vector<std::string> m_names;
    bool m_all = false;
    std::string m_format = "text";
};

} // namespace

std::unique_ptr<Command> explainCommand()
{
    return std::make_unique<ExplainCommand>();
}

} // namespace tintwright::cli
