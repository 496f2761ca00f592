#pragma once

#include "model/ThemeModel.h"

#include <string_view>
#include <vector>

namespace tintwright::sketch {

// A colour element of Live 10 themes and where Live paints it.
struct ElementInfo {
    std::string_view name; // without angle brackets
    std::string_view description; // for a theme author
    bool known; // well known; otherwise inferred from the name and Live's manual
    bool since101; // added by Live 10.1: themes made for 10.0 lack it
};

// The 162 elements of Live 10.1 themes, in the order of its theme files.
const std::vector<ElementInfo>& elementTable();

using model::elementName;

// The element of that name, with or without angle brackets; null when Live 10 has none.
const ElementInfo* findElement(std::string_view name);

} // namespace tintwright::sketch
