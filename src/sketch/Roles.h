#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The roles the 162 elements play in Live's window.
namespace tintwright::sketch {

enum class RoleKind {
    None, // a name Live 10 does not have
    Surfaces,
    Controls,
    Lines,
    Text,
    DisabledText,
    DisabledControls,
    Marks,
    Accents,
    Selection,
    Clips,
    Meters,
    Automation,
    Displays,
};

// Whether `name` holds one of the parts.
bool nameHas(std::string_view name, std::initializer_list<std::string_view> parts);

struct Role {
    RoleKind kind = RoleKind::None;
    std::string name; // as tintwright-cli roles names it: "surfaces", "disabled-text", …
    std::string description;
    std::vector<std::string> elements; // in the element table's order
};

// Every element of the table in exactly one role. What stands on what in the
// scenes decides text, marks and surfaces; the element's name decides the rest.
const std::vector<Role>& roles();
// The role of an element, named with or without angle brackets.
RoleKind roleOf(std::string_view element);

} // namespace tintwright::sketch
