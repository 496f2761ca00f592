#pragma once

#include "theme/ThemeReader.h"

#include <QString>

// Every text the main window shows, exactly as the user sees it: the blanks
// inside and around them belong to the texts.
namespace tintwright::ui::texts {

inline constexpr char kWindowTitle[] = "Tintwright";
// The theme's file name follows; "[*]" becomes the mark of unsaved changes.
inline constexpr char kWindowTitleWithTheme[] = "Tintwright – %1[*]";
inline constexpr char kTitleLine[] = "- Ableton Live 10 / Tintwright -";

inline constexpr char kOpenThemeCaption[] = "OpenTheme";
inline constexpr char kSaveThemeCaption[] = "Save Theme";
inline constexpr char kQuickSaveCaption[] = "Quick Save";
inline constexpr char kColorTableCaption[] = "Color Table";
inline constexpr char kExitCaption[] = "Exit";
inline constexpr char kLabel3Caption[] = "Label3";
inline constexpr char kLabel4Caption[] = "Label4";

inline constexpr char kOpenThemeTip[] =
    " Choose your Theme File (.ask) for editing in \\Abletons install directory\\Resources\\Themes \\ ";
inline constexpr char kSaveThemeTip[] = " Save your modified Theme File .ask in Abletons install "
                                        "directory\\Resources\\Themes   Important! - check the new given name for "
                                        "the file   ";
inline constexpr char kQuickSaveTip[] =
    " Save without any questions - works only after a regular save with \"Save Theme\"  button  ";
inline constexpr char kLabel3Tip[] =
    "  Save without any questions - works only after a regular save with \"Save Theme\"  button  ";
inline constexpr char kColorTableTip[] = " You can choose all your needed colors before begining ";
inline constexpr char kExitTip[] = " Exit the program, save your changes before! ";
inline constexpr char kGermanHelpTip[] = "German  help document ";
inline constexpr char kEnglishHelpTip[] = " English help document ";

inline constexpr char kGridName[] = "Colour entries"; // for screen readers

inline constexpr char kHeaderNumber[] = "NBR";
inline constexpr char kHeaderItem[] = "ITEM";
inline constexpr char kHeaderRed[] = "R";
inline constexpr char kHeaderGreen[] = "G";
inline constexpr char kHeaderBlue[] = "B";
inline constexpr char kHeaderOldColor[] = "OLD COLOR";
inline constexpr char kHeaderNewColor[] = "NEW COLOR";
inline constexpr char kMarker[] = "#";

inline constexpr char kOpenDialogTitle[] = "Select Ableton Theme File to Edit ";
inline constexpr char kSaveDialogTitle[] = "Save as new Themes File .ask";
inline constexpr char kThemeFilter[] = "Files (*.ask)|*.ask";
inline constexpr char kSaveNamePrefix[] = "my";
inline constexpr char kThemeExtension[] = "ask";

inline constexpr const char* kWrongFormatText = theme::kWrongFormatMessage;
inline constexpr char kErrorTitle[] = " Error! ";
inline constexpr char kExitText[] =
    "WARNING!  PROGRAM MAY EXIT WITHOUT SAVING YOUR MODIFICATIONS !! For saving press Button  *Save Theme*  ";
inline constexpr char kExitTitle[] = " EXIT Program";

inline constexpr char kOpenFailed[] = "The theme could not be opened.";
inline constexpr char kSaveFailed[] = "The theme could not be saved.";
inline constexpr char kColorFailed[] = "The colour could not be changed.";
inline constexpr char kHelpFailed[] = "The help document could not be opened.";
inline constexpr char kHelpMissing[] = "the document is not there.";
inline constexpr char kHelpNoViewer[] = "this desktop has no program that shows PDF documents. Open the document "
                                        "above with a PDF viewer of your choice.";

// What a screen reader says of cells that show no text.
inline constexpr char kNoNewColorSpoken[] = "no new colour";
inline constexpr char kMarkerSpoken[] = "changed";

inline constexpr char kPreviewCaption[] = "Preview";
inline constexpr char kHidePreviewText[] = "Put the preview away";
inline constexpr char kEnglishHelpText[] = "English help document";
inline constexpr char kGermanHelpText[] = "German help document";
inline constexpr char kPreviewMenuName[] = "Commands"; // for screen readers
inline constexpr char kPreviewTip[] = "Show a sketch of Live's window in this theme's colours";
inline constexpr char kPreviewTitle[] = "Preview – %1[*]"; // the theme's file name, the mark of unsaved changes
inline constexpr char kColorForTitle[] = "Colour for %1 %2"; // entry number, ITEM text
inline constexpr char kColorTableTitle[] = "Custom colours for the picks to come";
inline constexpr char kChangeAllTitle[] = "Colour for every entry of this colour (%1)";
inline constexpr char kPreviewName[] = "Preview of the theme"; // for screen readers
inline constexpr char kSketchName[] = "Sketch of Live's window";
inline constexpr char kHoverHint[] = "Point at an area to see which entry paints it; click to find its row, "
                                     "double-click to pick its colour.";
// "<Name>" then this, for an area of an element the theme does not have.
inline constexpr char kSimulateName[] = "Colour vision"; // for screen readers
inline constexpr char kSimulateTip[] = "Show the sketch as seen with a colour vision deficiency";
inline constexpr char kContrastListName[] = "Text and marks below their contrast minimum"; // for screen readers
inline constexpr char kContrastListTip[] = "Text below 4.5:1 and marks below 3:1 on what they stand on; click one to "
                                           "find its row";
inline constexpr char kContrastListSimulated[] = "Text and marks below their contrast minimum, as seen with %1";
inline constexpr char kContrastItem[] = "%1  <%2> on <%3>  (minimum %4)";
inline constexpr char kContrastAllPass[] = "Every text and mark reaches its contrast minimum.";
inline constexpr char kAreaSeparator[] = " · "; // between an entry and the part of Live's window it is in
// "%1" is the number of elements the theme lacks; the names are in the tooltip.
inline constexpr char kMissingOf101[] = "%1 elements of Live 10.1 are missing: Live uses its defaults";
inline constexpr char kMissingOneOf101[] = "%1 element of Live 10.1 is missing: Live uses its default";
inline constexpr char kMissingMany[] = "%1 elements are missing: Live uses its defaults";
inline constexpr char kMissingOne[] = "%1 element is missing: Live uses its default";
inline constexpr char kMissingElement[] = " is missing from this theme: Live uses its default colour here";

// "%1" is the number of entries that have the current row's colour.
inline constexpr char kEditCaption[] = "Edit…";
inline constexpr char kEditTip[] = "Change many colours at once, undo and redo (also in the grid's menu: right-click, "
                                   "the Menu key or Shift+F10)";
inline constexpr char kEditMenuName[] = "Edit colours"; // for screen readers
inline constexpr char kMarkerHeaderSpoken[] = "Changed"; // the marker column's header, for screen readers
inline constexpr char kNoEntries[] = "the file holds no colour entries: no line in it begins with <R Value.";
inline constexpr char kChangeAllText[] = "Change every entry of this colour (%1)…";
inline constexpr char kAdjustText[] = "Adjust colours…";
inline constexpr char kUndoText[] = "Undo";
inline constexpr char kRedoText[] = "Redo";
inline constexpr char kUndoStep[] = "Undo %1"; // what the step takes back, as below
inline constexpr char kRedoStep[] = "Redo %1";
inline constexpr char kStepPick[] = "the colour picked for %1 %2"; // entry number, ITEM text
inline constexpr char kStepRevert[] = "the old colour given back to %1 %2";
inline constexpr char kStepChangeAll[] = "the new colour of %1 entries";
inline constexpr char kStepAdjust[] = "the adjustment of colours";
inline constexpr char kStepRecolour[] = "the recolouring from base colours";
inline constexpr char kStepComplete[] = "the completion (%1, %2)";
inline constexpr char kAdjustTitle[] = "Adjust colours";
inline constexpr char kAdjustHue[] = "Turn the hue by";
inline constexpr char kAdjustChroma[] = "Multiply the chroma by";
inline constexpr char kAdjustLightness[] = "Add to the lightness";
inline constexpr char kAdjustInvert[] = "Invert the lightness first (dark becomes light)";
inline constexpr char kAdjustOnly[] = "Only the elements";
inline constexpr char kAdjustOnlyHint[] = "all; or patterns such as Clip* Surface?rea (capitals count)";
inline constexpr char kAdjustNothingMatches[] =
    "No element of the theme matches %1 (capitals count: Clip*, not clip*).";

inline constexpr char kImportText[] = "Import a Live 11 or 12 theme…";
inline constexpr char kImportDialogTitle[] = "Select a Live 11 or 12 Theme to Import";
inline constexpr char kImportFailed[] = "The theme could not be imported.";
inline constexpr char kImportFilter[] = "Themes of Live 11 and 12 (*.ask)|*.ask|All files (*)|*";

inline constexpr char kExportLive12Text[] = "Export for Live 12…";
inline constexpr char kExportLive11Text[] = "Export for Live 11…";
inline constexpr char kExportDialogTitle[] = "Save the theme for %1"; // "Live 12"
inline constexpr char kExportFilter[] = "Themes of %1 (*.ask)|*.ask";
inline constexpr char kExportFailed[] = "The theme could not be exported.";

inline constexpr char kCompleteText[] = "Complete the theme…";
inline constexpr char kCompleteFailed[] = "The theme could not be completed.";
inline constexpr char kCompleteTitle[] = "Complete the theme";
inline constexpr char kElementsMadeOne[] = "%1 element made";
inline constexpr char kElementsMade[] = "%1 elements made";
inline constexpr char kFactorsAddedOne[] = "%1 blend factor or alpha added";
inline constexpr char kFactorsAdded[] = "%1 blend factors and alphas added";
// The two counts above, then where the made elements are.
inline constexpr char kCompleteDone[] = "%1 and %2, as Live 10.1 has them.";
inline constexpr char kCompleteWhereRows[] =
    "The made elements are the rows whose names are blue, the first of them row %1; the preview (F5) shows where "
    "Live paints them. Undo takes the completion back as a whole.";
inline constexpr char kCompleteWhereFactors[] =
    "Blend factors and alphas are no colours: no row shows them, and Save Theme writes them with the theme.";
// The ITEM tooltip of a made element begins with this.
inline constexpr char kMadeElement[] = "Made by Complete the theme, not read from the file. ";
inline constexpr char kImportOffer[] = "This is a theme of Live 11 or 12: import it?";
inline constexpr char kImportOfferTitle[] = "Import a Live 11 or 12 theme";
inline constexpr char kCloseUnsaved[] = "The changes to %1 are not saved. Save them before closing?";
inline constexpr char kCloseUnsavedTitle[] = "Close Tintwright";
inline constexpr char kRecolourText[] = "Recolour from base colours…";
inline constexpr char kRecolourTitle[] = "Recolour from base colours";
inline constexpr char kRecolourIntro[] =
    "The theme keeps its design: every colour keeps its place relative to these three, which start as the "
    "theme's own; text and marks keep at least the contrast they need (4.5:1 for text, 3:1 for marks).";
inline constexpr char kRecolourBackground[] = "Background";
inline constexpr char kRecolourForeground[] = "Foreground";
inline constexpr char kRecolourAccent[] = "Accent";
inline constexpr char kRecolourBackgroundTip[] = "The window's ground, #rrggbb";
inline constexpr char kRecolourForegroundTip[] = "The colour of text, #rrggbb";
inline constexpr char kRecolourAccentTip[] = "What is on, chosen or selected, #rrggbb";
inline constexpr char kRecolourChoose[] = "Choose…";
inline constexpr char kRecolourNotAColour[] = "%1 needs a whole colour: # and six hexadecimal digits, as #1e1f22.";
inline constexpr char kRecolourTooClose[] =
    "Text in the foreground cannot be read on the background (%1:1, and text needs 4.50:1): choose a lighter or "
    "darker one.";
inline constexpr char kRecolourChooseSpoken[] = "Choose the %1 colour"; // for screen readers

inline constexpr char kEnglishHelpFile[] = "readme.pdf";
inline constexpr char kGermanHelpFile[] = "liesmich.pdf";

} // namespace tintwright::ui::texts

namespace tintwright::ui {

// One of the texts above, for Qt.
inline QString text(const char* constant)
{
    return QString::fromUtf8(constant);
}

} // namespace tintwright::ui
