#pragma once

#include "ThemeReader.h"

#include <string>
#include <vector>

namespace tintwright::theme {

// A record the reader takes otherwise than it is written: the reader keeps to
// fixed text positions (a value is one to three characters from the eleventh),
// as it must for the files it writes, so text beyond them is never seen.
struct Misreading {
    int line = 0; // the record's line, from 1
    std::string text; // what the reader takes from it: R value "1000" is read as 100
};

// The value text of a record as written: everything between the quotes after
// "Value=", or to the end where no quote closes it. Empty without "Value=\"".
std::string writtenValue(std::string_view record);

// Every misreading of a read theme, in line order: a colour value whose whole
// text is not the number read (too long, signed, blank, not a number, beyond
// 255), a G or B record that is another one, a record that looks like an
// entry's R record but is not read as one, and a theme that ends before its
// closing </Ableton> (cut off).
std::vector<Misreading> misreadings(const ThemeContent& theme);

// Whether the theme ends with its closing </Ableton>: otherwise it was cut off.
bool endsWhole(const ThemeContent& theme);

} // namespace tintwright::theme
