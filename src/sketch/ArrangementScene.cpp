#include "SceneBuilder.h"

#include <algorithm>
#include <cmath>
#include <string>

// The Arrangement view with the Detail View of a MIDI clip or of an audio clip.
namespace tintwright::sketch::drawing {

// The track area ends here; the track headers, which are the Arrangement's
// mixer, fill the rest to the window's right edge.
constexpr double kTrackAreaRight = 1000;
constexpr double kHeadersLeft = kTrackAreaRight + 4;
constexpr double kHeadersWidth = 1196 - kHeadersLeft;
constexpr int kBars = 10; // the bars in view, each 80 wide from x 224

// The fold button left of a track's name: a triangle pointing right while the
// track is folded, down while it is unfolded.
void foldButton(Builder& b, double top, bool unfolded, int header)
{
    const double x = kHeadersLeft + 4;
    const double y = top + 4;
    if (unfolded) {
        b.icon("ControlForeground", {{x, y + 1}, {x + 8, y + 1}, {x + 4, y + 7}, {x, y + 1}}, header);
    } else {
        b.icon("ControlForeground", {{x + 1, y}, {x + 7, y + 4}, {x + 1, y + 8}, {x + 1, y}}, header);
    }
}

// A track header's buttons on its first row: the Track Activator (lit, with
// the track's number), Solo and, where the track can record, Arm.
void trackButtons(Builder& b, double top, const std::string& number, bool soloed, bool armable, bool armed)
{
    const double x = kHeadersLeft + kHeadersWidth - 74;
    const int activator = b.rounded("ChosenDefault", x, top + 3, 22, 13);
    b.text("ControlOnForeground", x + 4, top + 13, 9, number, activator);
    const int solo = b.rounded(soloed ? "ChosenAlternative" : "ControlBackground", x + 24, top + 3, 22, 13);
    b.text(soloed ? "ControlOnAlternativeForeground" : "ControlForeground", x + 31, top + 13, 9, "S", solo);
    if (armable) {
        const int arm = b.rounded(armed ? "ChosenRecord" : "ControlBackground", x + 48, top + 3, 22, 13);
        b.glyph("ControlForeground", x + 55, top + 5, 8, 8, arm, ShapeKind::Circle);
    }
}

// The Arrangement above its Detail View, from the top: the overview, the
// beat-time ruler, the scrub area with locators, loop brace and the Back to
// Arrangement button at its right; grid tiles, clips with waveform and notes,
// an automation lane with a time selection and the transform tool, the return
// tracks and the Master track, track headers on the right. It has the keyboard
// focus.
//
// Live 10's manual ("Arrangement View", "Navigation"; ecmfa-2011.org/
// index-1504.html): "click and drag vertically in the beat-time ruler at the
// top of the Arrangement View"; Live 12's lists "The Overview", then "the
// beat-time ruler", then "the scrub area" with its locators
// (ableton.com/de/live-manual/12/arrangement-view). The track headers: Live
// 10's manual ("Mixing", "The Live Mixer"; ecmfa-2011.org/index-1500.html):
// "In the Arrangement View, the mixer appears as a horizontal strip to the
// right of the track area. To display all mixer controls for a track, unfold
// the track using the button next to its name, and adjust its height
// accordingly."; Live 9's ("Automation and Editing Envelopes"): "“unfold“ the
// track by clicking the button next to the track name", "The Fades/Device
// chooser either selects audio clip fades, the track mixer, one of the track's
// devices", "The Automation Control chooser selects a control from the device
// chosen" (manualshelf.com/manual/ableton/live-9-0/reference-manual-english/
// page-262.html). Where each control sits in a header is inferred.
void arrangement(Builder& b)
{
    const double right = kTrackAreaRight;
    b.area("Overview");
    b.rect("ScrollbarLCDTrack", 224, 44, 972, 10);
    b.rect("ScrollbarLCDHandle", 400, 45, 300, 8);

    b.area("Beat-time ruler");
    const int ruler = b.rect("SurfaceBackground", 224, 56, right - 224, 16);
    for (int bar = 0; bar < kBars; ++bar) {
        b.text("ArrangementRulerMarkings", 230 + bar * 80, 69, 10, std::to_string(bar + 1), ruler);
    }

    b.area("Scrub area");
    const int scrub = b.rect("SurfaceBackground", 224, 74, right - 224, 16);
    b.rect("LoopColor", 384, 76, 240, 6);
    b.rect("OffGridLoopColor", 624, 76, 22, 6);
    const double locators[] = {304, 704};
    const char* locatorNames[] = {"Verse", "Chorus"};
    for (int i = 0; i < 2; ++i) {
        b.glyph("ControlForeground", locators[i], 78, 8, 10, scrub, ShapeKind::Polyline);
        b.text("ControlForeground", locators[i] + 10, 87, 9, locatorNames[i], scrub);
    }
    const int back = b.rounded("ControlBackground", right - 24, 76, 22, 12);
    b.glyph("ControlForeground", right - 18, 78, 8, 8, back, ShapeKind::Polyline);

    b.area("Tracks");
    b.rect("SurfaceAreaFocus", 224, 92, right - 224, 400);
    for (int tile = 0; tile < kBars; ++tile) {
        const double x = 224 + tile * 80;
        if (tile % 2 == 1) {
            b.rect("ArrangerGridTiles", x, 92, std::min(80.0, right - x), 400);
        }
        b.line("GridLineBase", x, 92, x, 492);
        b.line("GridGuideline", x + 40, 92, x + 40, 492);
    }
    b.line("OffGridGuideline", 650, 92, 650, 492);
    const int gridLabel = b.rect("SurfaceBackground", right - 54, 474, 52, 14);
    b.text("GridLabel", right - 48, 485, 9, "1/4", gridLabel);

    const int audio = b.rect("Clip6", 304, 96, 240, 56);
    b.rect("ClipBorder", 304, 96, 240, 56, Paint::Stroke);
    b.text("ClipText", 308, 108, 10, "Break.wav", audio);
    std::vector<Point> wave;
    for (int i = 0; i <= 118; ++i) {
        wave.push_back({306 + i * 2.0, 132 + 16 * std::sin(i * 0.9) * std::fabs(std::cos(i * 0.11))});
    }
    b.polyline("WaveformColor", wave);
    const int midi = b.rect("Clip11", 304, 158, 320, 56);
    b.text("ClipText", 308, 170, 10, "Chords", midi);
    for (int note = 0; note < 8; ++note) {
        b.glyph("MidiNoteMaxVelocity", 310 + note * 38, 180 + (note % 4) * 8, 30, 5, midi);
    }
    const int frozen = b.rect("FreezeColor", 304, 220, 200, 56);
    b.text("ControlForeground", 308, 232, 10, "Frozen", frozen);

    b.area("Automation lane");
    for (int i = 1; i < 4; ++i) {
        b.line("AutomationGrid", 224, 282 + i * 20, right, 282 + i * 20);
    }
    b.rect("SelectionBackground", 464, 282, 160, 80);
    b.polyline("AutomationColor", {{224, 342}, {384, 342}, {464, 302}, {544, 322}, {624, 292}});
    b.circle("AutomationColor", 464, 302, 3);
    b.circle("AutomationMouseOver", 544, 322, 4);
    b.polyline("AutomationDisabled", {{624, 292}, {860, 292}, {right, 312}});
    b.rect("AutomationTransformToolFrame", 464, 288, 160, 60, Paint::Stroke);
    b.rect("AutomationTransformToolFrameActive", 700, 288, 100, 60, Paint::Stroke);
    b.rect("AutomationTransformToolHandle", 460, 284, 8, 8);
    b.rect("AutomationTransformToolHandleActive", 696, 284, 8, 8);

    // The track headers: "1 Break" unfolded, "2 Chords" unfolded, soloed and
    // armed, with its Volume automation in a lane of its own, "3 Frozen"
    // folded; the return tracks and the Master track below the others.
    b.area("Track headers");
    const double x = kHeadersLeft;
    const double w = kHeadersWidth;
    // A track's header: its fold button, name and buttons, its volume and pan
    // with its meter, and where it is unfolded its automation choosers.
    const auto header = [&](const char* face, double top, const char* name, const std::string& number, bool soloed,
                            bool armed, const char* automated) {
        const int head = b.rect(face, x, top, w, 58);
        foldButton(b, top, automated != nullptr, head);
        b.text("ControlForeground", x + 16, top + 13, 10, name, head);
        trackButtons(b, top, number, soloed, true, armed);
        if (automated != nullptr) {
            const int device = b.rect("ControlBackground", x + 16, top + 22, 60, 14);
            b.text("ControlForeground", x + 19, top + 33, 8, "Mixer", device);
            const int control = b.rect("ControlBackground", x + 16, top + 40, 60, 14);
            b.text("ControlForeground", x + 19, top + 51, 8, automated, control);
        }
        b.rect("MeterBackground", x + w - 10, top + 22, 6, 32);
        b.numberBox(x + w - 74, top + 22, 44, 14, "0.0 dB");
        b.numberBox(x + w - 74, top + 40, 44, 14, "C");
    };
    header("SurfaceBackground", 96, "1 Break", "1", false, false, "Track Volume");
    header("SurfaceBackground", 158, "2 Chords", "2", true, true, "Track Panning");
    header("FreezeColor", 220, "3 Frozen", "3", false, false, nullptr);

    const int lane = b.rect("SurfaceBackground", x, 282, w, 80);
    b.text("ControlForeground", x + 16, 296, 10, "Volume", lane);
    const int laneControl = b.rect("ControlBackground", x + 16, 302, 80, 14);
    b.text("ControlForeground", x + 19, 313, 8, "Track Volume", laneControl);

    b.area("Return tracks");
    const char* returns[] = {"A Reverb", "B Delay"};
    for (int i = 0; i < 2; ++i) {
        const double top = 372 + i * 32;
        const int head = b.rect("SurfaceBackground", x, top, w, 30);
        foldButton(b, top, false, head);
        b.text("ControlForeground", x + 16, top + 14, 10, returns[i], head);
        trackButtons(b, top, i == 0 ? "A" : "B", false, false, false);
    }
    b.area("Master track");
    const int masterHead = b.rect("SurfaceBackground", x, 436, w, 30);
    b.text("ControlForeground", x + 16, 450, 10, "Master", masterHead);

    // The Arrangement's own Mixer Section selectors below the track headers
    // (Live's manual, "Mixing": "You can use different mixer view setups in the
    // Session View and in the Arrangement View"): returns and mixer shown. When
    // Live shows a selector unavailable is not documented: the last two stand
    // for that state, off and on (inferred).
    b.area("Mixer section selectors");
    const char* labels[] = {"I-O", "S", "R", "M", "D", "X"};
    const char* states[] = {"ViewCheckControlEnabledOff", "ViewCheckControlEnabledOff",  "ViewCheckControlEnabledOn",
                            "ViewCheckControlEnabledOn",  "ViewCheckControlDisabledOff", "ViewCheckControlDisabledOn"};
    const int strip = b.rect("SurfaceBackground", x, 468, w, 22);
    for (int i = 0; i < 6; ++i) {
        b.rect(states[i], x + 4 + i * 30, 470, 14, 7);
        b.text("ControlForeground", x + 4 + i * 30, 487, 8, labels[i], strip);
    }
}

// The left of a clip's Detail View: the Clip box, and below it the box the
// editor on the right belongs to (Notes, Envelopes, Sample).
void clipBoxes(Builder& b, const char* clip, const char* second)
{
    b.area("Detail View › Clip");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const int box = b.rect("SurfaceBackground", 228, kDetailTop + 4, 140, 116);
    b.text("ControlForeground", 232, kDetailTop + 20, 10, clip, box);
    const int lower = b.rect("SurfaceBackground", 228, kDetailTop + 124, 140, 116);
    b.text("ControlForeground", 232, kDetailTop + 140, 10, second, lower);
}

// The time ruler above a clip's editor.
void clipRuler(Builder& b, double left)
{
    const double width = 1196 - left;
    const int rulerBar = b.rect("SurfaceBackground", left, kDetailTop + 4, width, 18);
    for (int bar = 0; bar < 6; ++bar) {
        b.text("DetailViewRulerMarkings", left + 4 + bar * width / 6, kDetailTop + 18, 10,
               "1." + std::to_string(bar + 1), rulerBar);
    }
}

// The time ruler of a MIDI clip's editor, with the clip's loop brace below it.
void rulerWithLoop(Builder& b, double left)
{
    clipRuler(b, left);
    const double width = 1196 - left;
    b.rect("LoopColor", left, kDetailTop + 22, width * 2 / 3, 4);
    b.rect("OffGridLoopColor", left + width * 2 / 3, kDetailTop + 22, 40, 4);
}

// The background of a clip's editor, its time divided into bars of grid tiles.
int clipField(Builder& b, double left, double top, double height)
{
    const double width = 1196 - left;
    const int field = b.rect("BackgroundClip", left, top, width, height);
    b.rect("BackgroundClipFrame", left, top, width, height, Paint::Stroke);
    for (int tile = 0; tile < 6; ++tile) {
        const double x = left + tile * width / 6;
        if (tile % 2 == 0) {
            b.rect("DetailGridTiles", x, top, width / 6, height);
        }
        b.line("GridLineBase", x, top, x, top + height);
    }
    return field;
}

// The Detail View of a MIDI clip as Live first shows it: the MIDI Editor, its
// Note Editor with the note ruler (a piano keyboard, octaves named) on the left
// and the Velocity Editor below. Live 9's manual ("Editing MIDI Notes and
// Velocities", "The MIDI Editor"; ableton.com/en/manual/editing-midi-notes-and-
// velocities, whose chapters are numbered as Live 9's): "click in the title bar
// of the Notes box to bring up the MIDI Editor on the right-hand side of the
// screen", "The MIDI Editor is divided into two editing windows: the upper Note
// Editor and the lower Velocity Editor"; the Envelopes box's title bar brings
// up the Envelope Editor in the same place (inferred from the same wording).
// The keys' colours are inferred: no text names them.
void midiEditor(Builder& b)
{
    clipBoxes(b, "Clip: Chords", "Notes");
    b.area("Detail View › MIDI Note Editor");
    const double left = 414;
    rulerWithLoop(b, left);
    const int notes = clipField(b, left, kDetailTop + 28, 150);
    for (int note = 0; note < 8; ++note) {
        b.glyph("MidiNoteMaxVelocity", left + 8 + note * 96, kDetailTop + 40 + (note % 5) * 24, 78, 10, notes);
    }

    // Two octaves, C3 at the bottom: seven white keys each, and five black.
    b.area("Detail View › Note ruler");
    const int fold = b.rounded("ControlBackground", 372, kDetailTop + 4, 38, 18);
    b.text("ControlOffForeground", 377, kDetailTop + 17, 9, "Fold", fold);
    const double keysTop = kDetailTop + 28;
    const double white = 150.0 / 14;
    const int names = b.rect("SurfaceBackground", 372, keysTop, 18, 150);
    for (int key = 0; key < 14; ++key) {
        b.rect("SurfaceHighlight", 390, keysTop + 150 - (key + 1) * white, 22, white - 1);
    }
    for (int octave = 0; octave < 2; ++octave) {
        const double bottom = keysTop + 150 - octave * 7 * white;
        for (const double after : {1.0, 2.0, 4.0, 5.0, 6.0}) {
            b.rect("MeterBackground", 390, bottom - after * white - white * 0.3, 13, white * 0.6);
        }
        b.text("DetailViewRulerMarkings", 374, bottom - 2, 8, octave == 0 ? "C3" : "C4", names);
    }

    b.area("Detail View › Velocity Editor");
    const int velocities = b.rect("SurfaceArea", left, kDetailTop + 182, 1196 - left, 58);
    for (int note = 0; note < 8; ++note) {
        const double x = left + 12 + note * 96;
        const double top = kDetailTop + 194 + (note % 4) * 10;
        b.line("VelocityColor", x, kDetailTop + 238, x, top);
        b.glyph("VelocityColor", x - 4, top - 4, 8, 8, velocities, ShapeKind::Circle);
    }
}

// The same clip with the Envelopes box's title clicked: the Envelope Editor
// in the MIDI Editor's place, showing the clip's Volume modulation. The part
// after the last breakpoint is overridden; the pointer rests on a breakpoint.
void envelopeEditor(Builder& b)
{
    clipBoxes(b, "Clip: Chords", "Envelopes");
    const int device = b.rect("ControlBackground", 232, kDetailTop + 148, 132, 14);
    b.text("ControlForeground", 236, kDetailTop + 159, 9, "Mixer", device);
    const int control = b.rect("ControlBackground", 232, kDetailTop + 166, 132, 14);
    b.text("ControlForeground", 236, kDetailTop + 177, 9, "Track Volume", control);

    b.area("Detail View › Envelope Editor");
    rulerWithLoop(b, 372);
    clipField(b, 372, kDetailTop + 28, 212);
    b.polyline("Modulation",
               {{372, kDetailTop + 140}, {560, kDetailTop + 80}, {760, kDetailTop + 200}, {900, kDetailTop + 70}});
    b.circle("Modulation", 560, kDetailTop + 80, 3);
    b.circle("ModulationMouseOver", 760, kDetailTop + 200, 4);
    b.polyline("ModulationDisabled", {{900, kDetailTop + 70}, {1196, kDetailTop + 70}});
}

// The Detail View of an audio clip: the clip's box, the sample editor with its
// ruler, the warp markers in their bar above the waveform.
void audioEditor(Builder& b)
{
    clipBoxes(b, "Clip: Break.wav", "Sample");
    b.button("ChosenDefault", "ControlOnForeground", 232, kDetailTop + 150, 44, 16, "Warp");
    b.area("Detail View › Sample Editor");
    clipRuler(b, 372);
    const int warper = b.rect("WarperTimeBarRulerBackground", 372, kDetailTop + 24, 824, 14);
    for (int marker = 0; marker < 4; ++marker) {
        b.glyph("WarperTimeBarMarkerBackground", 420 + marker * 200, kDetailTop + 25, 10, 12, warper);
    }
    b.rect("BackgroundClip", 372, kDetailTop + 40, 824, 200);
    b.rect("BackgroundClipFrame", 372, kDetailTop + 40, 824, 200, Paint::Stroke);
    std::vector<Point> wave;
    for (int i = 0; i <= 205; ++i) {
        wave.push_back({374 + i * 4.0, kDetailTop + 140 + 60 * std::sin(i * 0.7) * std::fabs(std::cos(i * 0.05))});
    }
    b.polyline("WaveformColor", wave);
}

Scene buildArrangement(ClipEditor editor)
{
    static const char* const ids[] = {"arrangement", "envelopes", "audio-clip"};
    static const char* const names[] = {"Arrangement", "Clip envelopes", "Audio clip"};
    const auto which = static_cast<std::size_t>(editor);
    static const char* const editors[] = {"a MIDI clip's notes", "the same clip's envelopes", "an audio clip's sample"};
    Builder b(ids[which], names[which]);
    b.caption(std::string("Shown at once: Live plays; a Set loads (62 %); a time selection on automation with the "
                          "transform tool's frame and, beside it, the frame in use; overridden automation; a frozen "
                          "track. Below, the Detail View of ")
              + editors[which] + ".");
    b.area("Window");
    b.rect("Desktop", 0, 0, 1200, 760);
    controlBar(b, MapMode::Off);
    browser(b, MapMode::Off);
    arrangement(b);
    switch (editor) {
    case ClipEditor::Notes:
        midiEditor(b);
        break;
    case ClipEditor::Envelopes:
        envelopeEditor(b);
        break;
    case ClipEditor::Sample:
        audioEditor(b);
        break;
    }
    infoAndStatus(b, "Arrangement", "Drag to select time; Tab shows the Session.");
    return b.take();
}

} // namespace tintwright::sketch::drawing
