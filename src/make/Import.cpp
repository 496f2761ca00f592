#include "Import.h"

#include "sketch/ElementTable.h"
#include "theme/ThemeError.h"

#include <map>

namespace tintwright::make {

Imported importLaterTheme(const theme::LaterTheme& later)
{
    Imported result;
    std::map<std::string_view, const LiveRecord*> live;
    for (const LiveRecord& record : live101Records()) {
        live[record.name] = &record;
    }
    std::map<std::string, theme::LaterColor, std::less<>> colors;
    std::map<std::string, std::string, std::less<>> factors;
    std::map<std::string, bool, std::less<>> seen;
    for (const theme::LaterRecord& record : later.records) {
        const auto known = live.find(record.name);
        if (known == live.end() || record.group) {
            result.leftOut += record.name == "Name" ? 0 : 1; // a Live 10 theme has no name of its own
            continue;
        }
        if (seen[record.name]) {
            ++result.repeated;
            continue;
        }
        seen[record.name] = true;
        if (!known->second->factor.empty()) {
            factors[record.name] = record.value;
        } else if (const std::optional<theme::LaterColor> color = theme::laterColor(record.value)) {
            colors[record.name] = *color;
        } else {
            ++result.unreadable;
        }
    }
    // The theme's own records in Live 10.1's order; complete adds the rest.
    result.records = live101Header(later.creator);
    sketch::ElementColors present;
    for (const LiveRecord& record : live101Records()) {
        const std::string name(record.name);
        if (const auto factor = factors.find(name); factor != factors.end()) {
            result.records.push_back(factorRecord(name, factor->second));
        } else if (const auto color = colors.find(name); color != colors.end()) {
            const theme::LaterColor& c = color->second;
            const std::vector<std::string> block = elementRecords(name, {c.r, c.g, c.b}, c.alpha);
            result.records.insert(result.records.end(), block.begin(), block.end());
            present[name] = {{c.r, c.g, c.b}, 0};
        }
    }
    // A theme of which nothing is kept would be made of nothing of its own.
    if (colors.empty()) {
        throw theme::ThemeError(theme::ErrorNumber::TypeMismatch,
                                "none of its elements is one Live 10 knows with a colour #rrggbb or #rrggbbaa, "
                                "so nothing of it would be kept");
    }
    result.records.insert(result.records.end(), {"</SkinManager>", "</Ableton>"});
    result.kept = static_cast<int>(colors.size());
    const Completion completion = completeColors(present);
    result.made = static_cast<int>(completion.made.size());
    result.shortfalls = completion.shortfalls;
    result.noRoom = completion.noRoom;
    result.records = completedRecords(std::move(result.records), completion);
    return result;
}

} // namespace tintwright::make
