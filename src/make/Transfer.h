#pragma once

#include "Generate.h"
#include "model/ThemeModel.h"
#include "sketch/Sketch.h"

#include <vector>

// A theme carried over to new base colours with its design kept: every colour
// is read relative to the theme's own base (its ground, its text and its
// accent) and placed the same way relative to the new one.
namespace tintwright::make {

// Whether the element is a signal a musician reads by its hue: record, arm,
// alert, play, listen, solo, freeze and the map modes. A signal keeps its hue
// but turns away from a new accent that would crowd it.
bool isSignal(std::string_view name);

// Whether the element belongs to the accent's family in a theme whose accent is
// `accent`: the chosen state and what shares its hue (of a grey accent, what
// is on or selected in its grey), but never a clip colour nor a signal.
bool inAccentFamily(std::string_view name, const theme::RgbTriple& rgb, const theme::RgbTriple& accent);

// Each colour of `theme` re-anchored from the theme's own base (baseColorsOf)
// on `to`: lightness as a step from the ground or from the text (between the
// two, in proportion), the accent's family turned and scaled with the accent,
// neutral tints following the ground's and the text's, every other colour its
// own chroma and hue. Then each pair the scenes draw that met its minimum meets
// it again and none below it gets worse, lightness moving only as far as that
// needs; the theme's ground and text stay exactly as given. The theme's own
// base gives back every colour unchanged. The colours are in the element
// table's order, then any other element of the theme. With `toMinimums`
// every pair is held to its minimum, whatever the theme had.
GeneratedTheme transferTheme(const sketch::ElementColors& theme, const BaseColors& to, bool toMinimums = false);

// The theme's current colours carried over to `to` and given to its entries
// (every entry of an element, the first entry's colour carried); what moved for contrast.
GeneratedTheme recolourTheme(model::ThemeModel& theme, const BaseColors& to);

} // namespace tintwright::make
