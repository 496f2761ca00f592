#include "SceneBuilder.h"

// Live's Preferences window.
namespace tintwright::sketch::drawing {

// Live's Preferences, a window of its own: its tabs on the left, the selected
// one's settings on the right.
Scene buildPreferences()
{
    Builder b("preferences", "Preferences");
    b.caption("Live's Preferences window, Look/Feel, over Live's window; the theme chooser has the keyboard focus.");
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
    // Live 10.0 tints a theme with Brightness, Color Intensity and Color Hue: a theme saved by
    // "Ableton Live 10.0.1d1" and published in 2018 asks to be used "with Brightness 129, Color
    // Intensity 9, Color Hue 16" (gist.github.com/antlauzon/8d0467ece87105c002dd4a49ba312256).
    // That Live 10.1 keeps the three is inferred: no text found says so.
    const char* labels[] = {"Language",        "Zoom",      "Theme",           "Brightness",
                            "Color Intensity", "Color Hue", "Follow Behavior", "Hide Labels"};
    const char* values[] = {"English", "100 %", "Tintwright", "", "", "", "", "Off"};
    const double handles[] = {0, 0, 0, 120, 20, 30};
    for (int row = 0; row < 8; ++row) {
        const double top = 112 + row * 40;
        b.text("ControlForeground", 372, top + 14, 10, labels[row], page);
        if (row >= 3 && row <= 5) {
            const int slider = b.rect("ControlBackground", 560, top + 6, 240, 6);
            b.glyph("ControlFillHandle", 560 + handles[row], top, 8, 18, slider);
            continue;
        }
        if (row == 6) {
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
    // Drawn as large as the view allows: its text stays readable at the preview's opening size.
    return b.takeCut(152, 52, 896, 656);
}

} // namespace tintwright::sketch::drawing
