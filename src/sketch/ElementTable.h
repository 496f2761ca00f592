#pragma once

#include "model/ThemeModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintwright::sketch {

// A colour element of Live 10 themes and where Live paints it.
struct ElementInfo {
    std::string_view name; // without angle brackets
    std::string_view description; // for a theme author
    // A public document that says where Live paints it (document and section);
    // empty where that is inferred from its name, Live's manual and Live's own themes.
    std::string_view source;
    bool since101; // added by Live 10.1: themes made for 10.0 lack it

    bool known() const { return !source.empty(); }
    std::string_view certainty() const { return known() ? "known" : "inferred"; }
};

// The 162 elements of Live 10.1 themes, in the order of its theme files.
const std::vector<ElementInfo>& elementTable();

using model::elementName;

// The description as the program shows it, with how sure it is: "(inferred)"
// after it, or the source it is known from.
std::string describedWithCertainty(const ElementInfo& info);

// The element of that name, with or without angle brackets; null when Live 10 has none.
const ElementInfo* findElement(std::string_view name);

} // namespace tintwright::sketch
