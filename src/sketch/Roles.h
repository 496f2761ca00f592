#pragma once

#include <string>
#include <string_view>
#include <vector>

// The roles the 162 elements play in Live's window.
namespace tintwright::sketch {

struct Role {
    std::string name;
    std::string description;
    std::vector<std::string> elements; // in the element table's order
};

// Every element of the table in exactly one role. What stands on what in the
// scenes decides text, marks and surfaces; the element's name decides the rest.
const std::vector<Role>& roles();
// The role of an element, or empty for a name Live 10 does not have.
std::string_view roleOf(std::string_view element);

} // namespace tintwright::sketch
