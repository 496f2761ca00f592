#include "SceneBuilder.h"

// Live's Preferences window.
namespace tintwright::sketch::drawing {

// Live's Preferences, a window of its own: its tabs on the left, the selected
// one's settings on the right.
Scene buildPreferences()
{
    Builder b("preferences", "Preferences");
    b.area("Window");
    b.rect("Desktop", 152, 52, 896, 656); // a margin of Live's window around the Preferences window
    b.area("Tabs");
    const int window = b.rect("SurfaceBackground", 160, 60, 880, 640);
    b.text("ControlForeground", 172, 82, 12, "Preferences", window);
    double y = 100;
    for (const char* tab : {"Look/Feel", "Audio", "Link/MIDI", "File/Folder", "Library", "Plug-Ins",
                            "Record/Warp/Launch", "Licenses/Maintenance"}) {
        const bool chosen = y == 100;
        const int face = b.rect(chosen ? "PreferencesTab" : "SurfaceBackground", 168, y, 180, 22);
        b.text("ControlForeground", 176, y + 16, 10, tab, face);
        y += 26;
    }
    b.line("ShadowDark", 352, 96, 352, 692);
    b.area("Look/Feel");
    const int page = b.rect("SurfaceArea", 356, 96, 676, 596);
    const char* labels[] = {"Language", "Zoom", "Theme", "Hue", "Saturation", "Follow Behavior", "Hide Labels"};
    const char* values[] = {"English", "100 %", "Tintwright", "", "", "", "Off"};
    for (int row = 0; row < 7; ++row) {
        const double top = 112 + row * 40;
        b.text("ControlForeground", 372, top + 14, 10, labels[row], page);
        if (row == 3 || row == 4) {
            const int slider = b.rect("ControlBackground", 560, top + 6, 240, 6);
            b.glyph("ControlFillHandle", 560 + (row == 3 ? 60 : 150), top, 8, 18, slider);
            continue;
        }
        if (row == 5) {
            const char* options[] = {"Page", "Scroll"};
            for (int i = 0; i < 2; ++i) {
                const int face = b.rounded(i == 0 ? "ChosenDefault" : "ControlBackground", 560 + i * 80, top, 76, 18);
                b.text(i == 0 ? "ControlOnForeground" : "ControlOffForeground", 566 + i * 80, top + 13, 10, options[i],
                       face);
            }
            continue;
        }
        const int chooser = b.rect("ControlBackground", 560, top, 160, 18);
        b.text("ControlForeground", 566, top + 13, 10, values[row], chooser);
        if (row == 2) {
            b.rect("ControlSelectionFrame", 558, top - 2, 164, 22, Paint::Stroke);
        }
    }
    b.text("TextDisabled", 372, 420, 10, "Plug-In Windows: only with a plug-in open", page);
    const int name = b.rect("ControlTextBack", 560, 440, 240, 18);
    b.text("ControlForeground", 566, 453, 10, "My Theme", name);
    // Drawn as large as the view allows: its text stays readable at the preview's opening size.
    return b.takeCut(152, 52, 896, 656);
}

} // namespace tintwright::sketch::drawing
