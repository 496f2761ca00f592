#include "Roles.h"

#include "ElementTable.h"
#include "Scene.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace tintwright::sketch {

namespace {

// What the scenes say of each element: drawn as text, as a mark on something, or stood on.
struct SceneFacts {
    std::set<std::string> text;
    std::set<std::string> marks;
    std::set<std::string> grounds;
};

SceneFacts sceneFacts()
{
    SceneFacts facts;
    for (const Scene* scene : allScenes()) {
        for (const Shape& shape : scene->shapes) {
            if (shape.standsOn < 0) {
                continue;
            }
            (shape.glyph ? facts.marks : facts.text).insert(shape.element);
            facts.grounds.insert(scene->shapes[static_cast<std::size_t>(shape.standsOn)].element);
        }
    }
    return facts;
}

struct Rule {
    RoleKind kind;
    const char* name;
    const char* description;
};

// In the order they are tried; the first that fits an element is its role.
constexpr Rule kClips {RoleKind::Clips, "clips", "The palette of clip and track colours."};
constexpr Rule kDisabledText {RoleKind::DisabledText, "disabled-text", "Text of what cannot be used now."};
constexpr Rule kText {RoleKind::Text, "text", "Text and values: captions, names, numbers, rulers."};
constexpr Rule kMarks {RoleKind::Marks, "marks",
                       "Icons and marks that stand on controls: launch triangles, needles, arrows."};
constexpr Rule kMeters {RoleKind::Meters, "meters", "Level meters and their ground."};
constexpr Rule kAutomation {RoleKind::Automation, "automation",
                            "Automation and modulation envelopes, their lanes and tools."};
constexpr Rule kSelection {RoleKind::Selection, "selection",
                           "What is selected, chosen or in focus, and the frames around it."};
constexpr Rule kDisabled {RoleKind::DisabledControls, "disabled-controls",
                          "Faces of controls that cannot be used now."};
constexpr Rule kLines {RoleKind::Lines, "lines", "Lines, grids, frames and shadows."};
constexpr Rule kDisplays {RoleKind::Displays, "displays",
                          "Device displays: curves, spectra, waveforms, operators, zones."};
constexpr Rule kAccents {RoleKind::Accents, "accents",
                         "What is on, playing, recording, learning, armed or in progress."};
constexpr Rule kSurfaces {RoleKind::Surfaces, "surfaces",
                          "Surfaces from the window's ground up: panels, bars, fields and backgrounds."};
constexpr Rule kControls {RoleKind::Controls, "controls",
                          "Faces and handles of controls: knobs, buttons, scroll bars."};

const Rule& ruleFor(std::string_view name, const SceneFacts& facts)
{
    const std::string element(name);
    const bool text = facts.text.count(element) > 0;
    if (name.substr(0, 4) == "Clip" && name.size() > 4 && std::isdigit(static_cast<unsigned char>(name[4]))) {
        return kClips;
    }
    if (text && nameHas(name, {"Disabled"})) {
        return kDisabledText;
    }
    if (text) {
        return kText;
    }
    if (facts.marks.count(element) > 0) {
        return kMarks;
    }
    if (nameHas(name, {"Meter"})) {
        return kMeters;
    }
    if (nameHas(name, {"Automation", "Modulation"})) {
        return kAutomation;
    }
    if (nameHas(name, {"Selection", "Selected", "Chosen", "Focus", "Standby"})) {
        return kSelection;
    }
    if (nameHas(name, {"Disabled", "Deactivated"})) {
        return kDisabled;
    }
    if (nameHas(name, {"Grid", "Line", "Shadow", "Frame", "Border", "Guideline", "Markings"})) {
        return kLines;
    }
    if (nameHas(name,
                {"RetroDisplay", "Spectrum", "Curve", "Operator", "Waveform", "Velocity", "Zone", "Ramp", "DrumRack",
                 "Display"})) {
        return kDisplays;
    }
    if (nameHas(name,
                {"Alert", "Record", "Play", "Progress", "Loop", "Learn", "Ableton", "Freeze", "Arm", "On", "Highlight",
                 "Range", "Search", "Listen"})) {
        return kAccents;
    }
    if (facts.grounds.count(element) > 0
        || nameHas(name, {"Background", "Surface", "Desktop", "Back", "Track", "Bar", "Tab", "Field", "Tiles"})) {
        return kSurfaces;
    }
    return kControls;
}

std::vector<Role> buildRoles()
{
    const SceneFacts facts = sceneFacts();
    std::vector<Role> result;
    for (const Rule* rule : {&kSurfaces, &kControls, &kLines, &kText, &kDisabledText, &kDisabled, &kMarks, &kAccents,
                             &kSelection, &kClips, &kMeters, &kAutomation, &kDisplays}) {
        result.push_back({rule->kind, rule->name, rule->description, {}});
    }
    for (const ElementInfo& info : elementTable()) {
        const Rule& rule = ruleFor(info.name, facts);
        const auto role =
            std::find_if(result.begin(), result.end(), [&](const Role& r) { return r.kind == rule.kind; });
        role->elements.emplace_back(info.name);
    }
    return result;
}

} // namespace

bool nameHas(std::string_view name, std::initializer_list<std::string_view> parts)
{
    return std::any_of(parts.begin(), parts.end(),
                       [name](std::string_view part) { return name.find(part) != std::string_view::npos; });
}

const std::vector<Role>& roles()
{
    static const std::vector<Role> all = buildRoles();
    return all;
}

RoleKind roleOf(std::string_view element)
{
    static const std::map<std::string_view, RoleKind> byElement = [] {
        std::map<std::string_view, RoleKind> map;
        for (const Role& role : roles()) {
            for (const std::string& name : role.elements) {
                map.emplace(name, role.kind);
            }
        }
        return map;
    }();
    const auto found = byElement.find(elementName(element));
    return found == byElement.end() ? RoleKind::None : found->second;
}

} // namespace tintwright::sketch
