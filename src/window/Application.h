#pragma once

namespace tintwright::ui {

// Gives the running application the program's name, version, style and icon.
// Call once a QApplication exists, before the window is created.
void prepareApplication();

} // namespace tintwright::ui
