#include "SceneBuilder.h"

#include <cmath>
#include <string>

// The Arrangement view with the Detail View of a MIDI clip or of an audio clip.
namespace tintwright::sketch::drawing {

// The Arrangement above its Detail View: the overview, the scrub area with
// locators, loop brace and the Back to Arrangement button at its right, the
// beat-time ruler, grid tiles, clips with waveform and notes, an automation
// lane with a time selection and the transform tool, the return tracks and the
// Master track, track headers on the right. It has the keyboard focus.
void arrangement(Builder& b)
{
    b.area("Overview");
    b.rect("ScrollbarLCDTrack", 224, 44, 972, 10);
    b.rect("ScrollbarLCDHandle", 400, 45, 300, 8);

    b.area("Scrub area");
    const int scrub = b.rect("SurfaceBackground", 224, 56, 880, 14);
    b.rect("LoopColor", 384, 58, 240, 6);
    b.rect("OffGridLoopColor", 624, 58, 22, 6);
    const double locators[] = {304, 704};
    const char* locatorNames[] = {"Verse", "Chorus"};
    for (int i = 0; i < 2; ++i) {
        b.glyph("ControlForeground", locators[i], 58, 8, 10, scrub, ShapeKind::Polyline);
        b.text("ControlForeground", locators[i] + 10, 67, 9, locatorNames[i], scrub);
    }
    const int back = b.rounded("ControlBackground", 1080, 57, 22, 12);
    b.glyph("ControlForeground", 1086, 59, 8, 8, back, ShapeKind::Polyline);

    b.area("Beat-time ruler");
    const int ruler = b.rect("SurfaceBackground", 224, 72, 880, 18);
    for (int bar = 0; bar < 11; ++bar) {
        b.text("ArrangementRulerMarkings", 230 + bar * 80, 86, 10, std::to_string(bar + 1), ruler);
    }

    b.area("Tracks");
    b.rect("SurfaceAreaFocus", 224, 92, 880, 400);
    for (int tile = 0; tile < 11; ++tile) {
        if (tile % 2 == 1) {
            b.rect("ArrangerGridTiles", 224 + tile * 80, 92, 80, 400);
        }
        b.line("GridLineBase", 224 + tile * 80, 92, 224 + tile * 80, 492);
        b.line("GridGuideline", 264 + tile * 80, 92, 264 + tile * 80, 492);
    }
    b.line("OffGridGuideline", 650, 92, 650, 492);
    const int gridLabel = b.rect("SurfaceBackground", 1048, 474, 52, 14);
    b.text("GridLabel", 1054, 485, 9, "1/4", gridLabel);

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
        b.line("AutomationGrid", 224, 282 + i * 20, 1104, 282 + i * 20);
    }
    b.rect("SelectionBackground", 464, 282, 160, 80);
    b.polyline("AutomationColor", {{224, 342}, {384, 342}, {464, 302}, {544, 322}, {624, 292}});
    b.circle("AutomationColor", 464, 302, 3);
    b.circle("AutomationMouseOver", 544, 322, 4);
    b.polyline("AutomationDisabled", {{624, 292}, {900, 292}, {1104, 312}});
    b.rect("AutomationTransformToolFrame", 464, 288, 160, 60, Paint::Stroke);
    b.rect("AutomationTransformToolFrameActive", 700, 288, 100, 60, Paint::Stroke);
    b.rect("AutomationTransformToolHandle", 460, 284, 8, 8);
    b.rect("AutomationTransformToolHandleActive", 696, 284, 8, 8);

    // Track headers on the right, as the Arrangement has them; the return
    // tracks and the Master track below the others.
    b.area("Track headers");
    const char* names[] = {"1 Break", "2 Chords", "3 Frozen", "Volume", "A Reverb", "B Delay", "Master"};
    const double tops[] = {96, 158, 220, 282, 372, 404, 436};
    const double heights[] = {58, 58, 58, 80, 30, 30, 40};
    for (int track = 0; track < 7; ++track) {
        if (track == 4) {
            b.area("Return tracks");
        } else if (track == 6) {
            b.area("Master track");
        }
        const char* face = track == 2 ? "FreezeColor" : "SurfaceBackground";
        const int header = b.rect(face, 1106, tops[track], 90, heights[track]);
        b.text("ControlForeground", 1110, tops[track] + 14, 10, names[track], header);
        if (track < 2) {
            const int arm =
                b.rounded(track == 1 ? "ChosenRecord" : "ControlBackground", 1172, tops[track] + 20, 18, 14);
            b.glyph("ControlForeground", 1177, tops[track] + 23, 8, 8, arm, ShapeKind::Circle);
        }
    }
}

// The Detail View of a MIDI clip: the clip's box, the note editor with its
// ruler, grid tiles and notes, the velocities and the clip's modulation.
void midiEditor(Builder& b)
{
    b.area("Detail View › Clip");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const int box = b.rect("SurfaceBackground", 228, kDetailTop + 4, 140, 236);
    b.text("ControlForeground", 232, kDetailTop + 20, 10, "Clip: Chords", box);
    b.area("Detail View › MIDI Note Editor");
    const int rulerBar = b.rect("SurfaceBackground", 372, kDetailTop + 4, 824, 18);
    for (int bar = 0; bar < 6; ++bar) {
        b.text("DetailViewRulerMarkings", 376 + bar * 136, kDetailTop + 18, 10, "1." + std::to_string(bar + 1),
               rulerBar);
    }
    b.rect("LoopColor", 372, kDetailTop + 22, 544, 4);
    b.rect("OffGridLoopColor", 916, kDetailTop + 22, 40, 4);
    const int notes = b.rect("BackgroundClip", 372, kDetailTop + 28, 824, 104);
    b.rect("BackgroundClipFrame", 372, kDetailTop + 28, 824, 104, Paint::Stroke);
    for (int tile = 0; tile < 6; ++tile) {
        if (tile % 2 == 0) {
            b.rect("DetailGridTiles", 372 + tile * 136, kDetailTop + 28, 136, 104);
        }
        b.line("GridLineBase", 372 + tile * 136, kDetailTop + 28, 372 + tile * 136, kDetailTop + 132);
    }
    for (int note = 0; note < 8; ++note) {
        b.glyph("MidiNoteMaxVelocity", 380 + note * 100, kDetailTop + 40 + (note % 5) * 16, 80, 8, notes);
    }
    b.area("Detail View › Velocity lane");
    const int velocities = b.rect("SurfaceArea", 372, kDetailTop + 136, 824, 52);
    for (int note = 0; note < 8; ++note) {
        const double top = kDetailTop + 146 + (note % 4) * 9;
        b.line("VelocityColor", 384 + note * 100, kDetailTop + 186, 384 + note * 100, top);
        b.glyph("VelocityColor", 380 + note * 100, top - 4, 8, 8, velocities, ShapeKind::Circle);
    }
    b.area("Detail View › Envelopes");
    b.rect("SurfaceArea", 372, kDetailTop + 192, 824, 48);
    b.polyline("Modulation",
               {{372, kDetailTop + 220}, {560, kDetailTop + 204}, {760, kDetailTop + 236}, {900, kDetailTop + 200}});
    b.polyline("ModulationDisabled", {{900, kDetailTop + 200}, {1196, kDetailTop + 200}});
    b.circle("ModulationMouseOver", 760, kDetailTop + 236, 4);
}

// The Detail View of an audio clip: the clip's box, the sample editor with its
// ruler, the warp markers in their bar above the waveform.
void audioEditor(Builder& b)
{
    b.area("Detail View › Clip");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const int box = b.rect("SurfaceBackground", 228, kDetailTop + 4, 140, 236);
    b.text("ControlForeground", 232, kDetailTop + 20, 10, "Clip: Break.wav", box);
    b.button("ChosenDefault", "ControlOnForeground", 232, kDetailTop + 30, 44, 16, "Warp");
    b.area("Detail View › Sample Editor");
    const int rulerBar = b.rect("SurfaceBackground", 372, kDetailTop + 4, 824, 18);
    for (int bar = 0; bar < 6; ++bar) {
        b.text("DetailViewRulerMarkings", 376 + bar * 136, kDetailTop + 18, 10, "1." + std::to_string(bar + 1),
               rulerBar);
    }
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

Scene buildArrangement(bool audio)
{
    Builder b(audio ? "audio-clip" : "arrangement", audio ? "Audio clip" : "Arrangement");
    b.area("Window");
    b.rect("Desktop", 0, 0, 1200, 760);
    controlBar(b);
    browser(b);
    arrangement(b);
    if (audio) {
        audioEditor(b);
    } else {
        midiEditor(b);
    }
    infoAndStatus(b, "Arrangement", "Drag to select time; Tab shows the Session.");
    return b.take();
}

} // namespace tintwright::sketch::drawing
