#include "Form1.h"

#include "DevicePixels.h"
#include "Form1Grid.h"
#include "Form1Texts.h"
#include "GraphicalButton.h"
#include "PathLabel.h"
#include "Pictures.h"
#include "Placement.h"
#include "PreviewWindow.h"
#include "ThemeTable.h"
#include "components/CellGrid.h"
#include "components/CommonDialog.h"
#include "components/Desktop.h"
#include "components/SystemColors.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

// Form1 as it stands on the screen: its controls laid out in twips, the lines
// around the grid, what a screen reader is told, and fitting the window to the screen.
namespace tintwright::ui {

using namespace grid;

namespace {

using theme::ColorValue;

constexpr ColorValue kThreeDLight = theme::kSystemColorFlag + 22;
constexpr ColorValue kWindowText = theme::kSystemColorFlag + 8;
constexpr ColorValue kLightGrey = 0x00C0C0C0u;
constexpr ColorValue kGrey = 0x00808080u;
constexpr ColorValue kDarkGrey = 0x00404040u;

// Positions and sizes on the window are in twips, 15 to a pixel.
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// The window's fonts are MS Sans Serif; where it is missing, the platform's sans-serif.
QFont sansSerif(qreal points, bool bold)
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
        ? QStringLiteral("MS Sans Serif")
        : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setColors(QWidget* widget, ColorValue background, ColorValue foreground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::WindowText, toQColor(foreground));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Labels 3 and 4 lie wholly beneath the save buttons, only to lend them their
// tooltips: they paint nothing, and a screen reader gets no name for them.
class CoveredLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override { }
};

class CoveredLabelAccessible final : public QAccessibleWidget {
public:
    explicit CoveredLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? QString() : QAccessibleWidget::text(kind);
    }
};

// The covered labels, and the program's two windows, which a screen reader
// should present as windows rather than as anonymous panes.
QAccessibleInterface* accessibleFactory(const QString&, QObject* object)
{
    if (auto* label = dynamic_cast<CoveredLabel*>(object)) {
        return new CoveredLabelAccessible(label);
    }
    if (dynamic_cast<Form1*>(object) != nullptr || dynamic_cast<PreviewWindow*>(object) != nullptr) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

// The controls in the order they were made at design time: the client area,
// the labels, the buttons, the grid and the dialog; then the keyboard's order,
// the handlers, and the grid's menu of edits.
void Form1::createControls()
{
    createClientArea();
    createLabels();
    createButtons();
    createGrid();
    dialog = new CommonDialog(m_desktop, this);
    dialog->setObjectName(QStringLiteral("dialog"));
    connectControls();
    createEditActions();
}

void Form1::createClientArea()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(texts::kWindowTitle));
    setWindowIcon(programIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setColors(this, kThreeDLight, kWindowText);
    // The form's own font, which every control without a font of its own takes
    // (Labels 3 and 4, the grid's headers before the grid gets its font).
    setFont(sansSerif(8.25, false));

    // The controls stand at fixed places on a client area of fixed size. It
    // fills the window wherever the screen has room for it, and scrolls inside
    // a smaller window where the screen has not (fitToScreen).
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setFixedSize(twips(0, 0, 12720, 12360).size());
    setColors(m_client, kThreeDLight, kWindowText);
    m_client->installEventFilter(this);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("clientScrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidget(m_client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    setFixedSize(m_client->size());
}

void Form1::createLabels()
{
    // Labels 3 and 4 lie beneath the save buttons, so that a disabled button
    // still explains itself through the tooltip of the label under it.
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    const auto makeLabel = [this](QLabel* label, const char* name, const QRect& geometry, const char* caption) {
        label->setObjectName(QString::fromLatin1(name));
        label->setText(text(caption));
        label->setGeometry(geometry);
        return label;
    };
    Label3 = makeLabel(new CoveredLabel(m_client), "Label3", twips(10650, 4320, 1335, 495), texts::kLabel3Caption);
    Label3->setToolTip(text(texts::kLabel3Tip));
    Label4 = makeLabel(new CoveredLabel(m_client), "Label4", twips(10680, 3120, 1215, 495), texts::kLabel4Caption);
    Label4->setToolTip(text(texts::kSaveThemeTip));

    Label1 = makeLabel(new QLabel(m_client), "Label1", twips(2280, 360, 5295, 495), texts::kTitleLine);
    Label1->setFont(sansSerif(12, true));
    setColors(Label1, kThreeDLight, kDarkGrey);
    Label2 = new PathLabel(m_client);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips(8040, 420, 4440, 300));
    Label2->setFont(sansSerif(8.25, false));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setColors(Label2, kThreeDLight, kWindowText);
}

void Form1::createButtons()
{
    const auto makeButton = [this](const char* name, const QRect& geometry, const char* caption, ColorValue back,
                                   qreal points, const char* tip) {
        auto* button = new GraphicalButton(m_client);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(geometry);
        button->setText(text(caption));
        button->setBackColor(toQColor(back));
        button->setFont(sansSerif(points, true));
        button->setToolTip(text(tip));
        return button;
    };
    okopendatei = makeButton("okopendatei", twips(10500, 1800, 1575, 735), texts::kOpenThemeCaption, kLightGrey, 9.75,
                             texts::kOpenThemeTip);
    okcolor = makeButton("okcolor", twips(10440, 6120, 1575, 735), texts::kColorTableCaption, 0x0000FFFFu, 9.75,
                         texts::kColorTableTip);
    okcolor->setPicture(
        renderPicture(QStringLiteral(":/resources/colortable.svg"), QSize(183, 85), devicePixelRatioF()));
    okende =
        makeButton("okende", twips(10440, 9960, 1575, 735), texts::kExitCaption, 0x008080FFu, 9.75, texts::kExitTip);
    oksave = makeButton("oksave", twips(10500, 3000, 1575, 735), texts::kSaveThemeCaption, kLightGrey, 9.75,
                        texts::kSaveThemeTip);
    okhelpgerman =
        makeButton("okhelpgerman", twips(10440, 8040, 1575, 495), "", 0x00E0E0E0u, 8.25, texts::kGermanHelpTip);
    okhelpgerman->setPicture(
        renderPicture(QStringLiteral(":/resources/flag_de.svg"), QSize(122, 30), devicePixelRatioF()));
    okquick = makeButton("okquick", twips(10500, 4200, 1575, 735), texts::kQuickSaveCaption, 0x0000C000u, 9.75,
                         texts::kQuickSaveTip);
    okhelpenglish =
        makeButton("okhelpenglish", twips(10440, 8760, 1575, 495), "", 0x00E0E0E0u, 8.25, texts::kEnglishHelpTip);
    okhelpenglish->setPicture(
        renderPicture(QStringLiteral(":/resources/flag_uk.svg"), QSize(106, 34), devicePixelRatioF()));
    // Beyond the window's own controls: the preview, in the free space below Exit.
    okpreview = makeButton("okpreview", twips(10440, 11280, 1575, 735), texts::kPreviewCaption, 0x00F0D8B0u, 9.75,
                           texts::kPreviewTip);
    // And the grid's menu of edits, in the free space between Quick Save and Color Table.
    okedit =
        makeButton("okedit", twips(10440, 5160, 1575, 735), texts::kEditCaption, 0x00D8ECD8u, 9.75, texts::kEditTip);
    oksave->setEnabled(false);
    okquick->setEnabled(false);
    okpreview->setEnabled(false);
    okedit->setEnabled(false);
    // The flags have no caption; a screen reader says the words of their tooltips.
    okhelpgerman->setAccessibleName(text(texts::kGermanHelpTip).simplified());
    okhelpenglish->setAccessibleName(text(texts::kEnglishHelpTip).simplified());
}

// The grid shows the theme model through its table; its own look is set here.
void Form1::createGrid()
{
    m_table = new ThemeTable(m_model, this);
    Tabelle2 = new CellGrid(m_client);
    Tabelle2->setObjectName(QStringLiteral("Tabelle2"));
    Tabelle2->setAccessibleName(text(texts::kGridName));
    Tabelle2->setFrameShape(QFrame::NoFrame); // the window draws its frame, Shape1
    Tabelle2->setGeometry(twips(600, 1080, 9255, 10425));
    Tabelle2->setFont(sansSerif(8.25, false));
    Tabelle2->setSource(m_table);
    Tabelle2->setBackColor(theme::kMenuBackground);
    Tabelle2->setForeColor(kGrey);
    Tabelle2->setBackColorFixed(kLightGrey);
    Tabelle2->setForeColorFixed(kDarkGrey);
    Tabelle2->setBackColorBkg(kLightGrey);
    Tabelle2->setGridColor(kDarkGrey);
    Tabelle2->setGridColorFixed(kDarkGrey);
    Tabelle2->setSearchCol(column(Column::Item));
}

void Form1::connectControls()
{
    setTabOrder(Tabelle2, okopendatei);
    setTabOrder(okopendatei, okcolor);
    setTabOrder(okcolor, okende);
    setTabOrder(okende, oksave);
    setTabOrder(oksave, okhelpgerman);
    setTabOrder(okhelpgerman, okquick);
    setTabOrder(okquick, okhelpenglish);
    setTabOrder(okhelpenglish, okpreview);
    setTabOrder(okpreview, okedit);
    Tabelle2->setFocus();

    connect(okopendatei, &QAbstractButton::clicked, this, &Form1::okopendatei_Click);
    connect(oksave, &QAbstractButton::clicked, this, [this] { oksave_Click(1); });
    connect(okquick, &QAbstractButton::clicked, this, &Form1::okquick_Click);
    connect(Tabelle2, &CellGrid::cellClicked, this, &Form1::Tabelle2_Click);
    connect(Tabelle2, &CellGrid::currentCellChanged, this, &Form1::showCurrentCell);
    connect(okcolor, &QAbstractButton::clicked, this, &Form1::okcolor_Click);
    connect(okende, &QAbstractButton::clicked, this, &Form1::okende_Click);
    connect(okhelpgerman, &QAbstractButton::clicked, this, &Form1::okhelpgerman_Click);
    connect(okhelpenglish, &QAbstractButton::clicked, this, &Form1::okhelpenglish_Click);
    connect(okpreview, &QAbstractButton::clicked, this, &Form1::okpreview_Click);
    connect(okedit, &QAbstractButton::clicked, this,
            [this] { showEditMenu(okedit->mapToGlobal(QPoint(0, okedit->height()))); });
}

void Form1::createEditActions()
{
    // Changes of many colours and their history, in the grid's context menu and on keys.
    const auto makeAction = [this](const char* name, const char* caption, const QList<QKeySequence>& keys) {
        auto* action = new QAction(text(caption), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setEnabled(false);
        Tabelle2->addAction(action);
        return action;
    };
    actionChangeAll =
        makeAction("actionChangeAll", texts::kChangeAllText, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    actionAdjust = makeAction("actionAdjust", texts::kAdjustText, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)});
    actionRecolour =
        makeAction("actionRecolour", texts::kRecolourText, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)});
    actionComplete =
        makeAction("actionComplete", texts::kCompleteText, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)});
    actionUndo = makeAction("actionUndo", texts::kUndoText, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    actionRedo = makeAction("actionRedo", texts::kRedoText,
                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    createImportAction();
    createCommandActions();
    // The grid's menu opens without waiting for it to close, under the pointer
    // or, from the keyboard (the Menu key, Shift+F10), at the current cell.
    m_editMenu = new QMenu(this);
    m_editMenu->setObjectName(QStringLiteral("editMenu"));
    m_editMenu->setAccessibleName(text(texts::kEditMenuName));
    m_editMenu->addActions(Tabelle2->actions());
    Tabelle2->setContextMenuPolicy(Qt::PreventContextMenu);
    Tabelle2->viewport()->installEventFilter(this);
    Tabelle2->installEventFilter(this);
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), Tabelle2, nullptr, nullptr,
                                  Qt::WidgetWithChildrenShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] { showEditMenu(menuPointAtCurrentCell()); });
    connect(actionChangeAll, &QAction::triggered, this, &Form1::changeAllOfColor);
    connect(actionAdjust, &QAction::triggered, this, &Form1::adjustColors);
    connect(actionRecolour, &QAction::triggered, this, &Form1::recolourFromBaseColors);
    connect(actionComplete, &QAction::triggered, this, &Form1::completeTheme);
    connect(actionUndo, &QAction::triggered, this, [this] { stepThroughHistory(true); });
    connect(actionRedo, &QAction::triggered, this, [this] { stepThroughHistory(false); });
    updateEditActions();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Paint) {
        paintShapes();
    }
    const bool inGrid = Tabelle2 != nullptr && (watched == Tabelle2 || watched == Tabelle2->viewport());
    // The sketch outlines the current row's element once the user has moved in the grid: a click,
    // or a key that moves (not Ctrl or Shift on their own, nor one held for a window's key).
    if (inGrid && m_document.ThemeLoaded) {
        const auto* key = event->type() == QEvent::KeyPress ? static_cast<const QKeyEvent*>(event) : nullptr;
        const bool modifierAlone = key != nullptr
            && ((key->key() >= Qt::Key_Shift && key->key() <= Qt::Key_ScrollLock) || key->key() == Qt::Key_AltGr);
        const bool held = key != nullptr && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
        if (!m_outlineFollowsGrid
            && ((key != nullptr && !modifierAlone && !held) || event->type() == QEvent::MouseButtonPress)) {
            m_outlineFollowsGrid = true;
            const int row = currentRow(); // a click on the current row moves nothing, yet shows it
            if (m_preview && row > 0) {
                m_preview->setOutlined(m_model.entry(row).element);
            }
        }
    }
    if (event->type() == QEvent::ContextMenu && inGrid) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        showEditMenu(request->reason() == QContextMenuEvent::Mouse ? request->globalPos() : menuPointAtCurrentCell());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showEditMenu(const QPoint& at)
{
    m_editMenu->popup(at); // before a theme is read it offers the import alone
}

// Where a menu opened from the keyboard stands: on the current cell, or at the grid's corner.
QPoint Form1::menuPointAtCurrentCell() const
{
    const QModelIndex current = Tabelle2->currentIndex();
    const QRect cell = current.isValid() ? Tabelle2->cellRect(current.row() + 1, current.column() + 1) : QRect();
    return Tabelle2->viewport()->mapToGlobal(cell.isEmpty() ? QPoint(0, 0) : cell.center());
}

// Shape1, the grey frame of the grid, one line outside it on every side, and
// the lines that show in the gaps between the buttons; on the screen's own
// pixels, so that they meet the grid and stay one line thick at any scale.
void Form1::paintShapes()
{
    QPainter painter(m_client);
    device::usePixels(painter, *m_client);
    const int line = device::lineWidth(*m_client);
    const QColor grey = toQColor(kGrey);

    const QRect frame = device::rect(*m_client, Tabelle2->geometry()).adjusted(-line, -line, line, line);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), line), grey);
    painter.fillRect(QRect(frame.left(), frame.bottom() - line + 1, frame.width(), line), grey);
    painter.fillRect(QRect(frame.left(), frame.top(), line, frame.height()), grey);
    painter.fillRect(QRect(frame.right() - line + 1, frame.top(), line, frame.height()), grey);

    for (const QRect& verticalLine : {twips(11280, 2520, 15, 4920 - 2520), twips(11190, 8520, 15, 8880 - 8520)}) {
        const QRect pixels = device::rect(*m_client, verticalLine);
        painter.fillRect(QRect(pixels.left(), pixels.top(), line, pixels.height()), grey);
    }
}

void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (windowHandle()) {
        connect(windowHandle(), &QWindow::screenChanged, this, &Form1::fitToScreen, Qt::UniqueConnection);
    }
    fitToScreen();
}

void Form1::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // A window manager tells the size of its frame only once the window is shown.
    if (isVisible() && windowHandle() && windowHandle()->frameMargins() != m_fittedFrame) {
        fitToScreen();
    }
}

// Where the screen's free area holds the window with its frame, the window is
// exactly its client area. Where it does not (a 1366 x 768 laptop, a 1024 x 768
// screen), the window fits that area and the client area scrolls inside it,
// so every control and every grid row stays in reach.
void Form1::fitToScreen()
{
    if (!isWindow() || !screen()) {
        return;
    }
    m_fittedFrame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QRect area = screen()->availableGeometry();
    const QMargins frame = roundedUp(m_fittedFrame, devicePixelRatioF());
    const QSize room = area.size().shrunkBy(frame);
    const QSize client = m_client->size();
    // Sizes here are Qt's device-independent pixels, the units of the screen's
    // geometry at any scale. A scroll bar shows only in the direction that needs it.
    const int bar = m_scrollArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollArea);
    bool vertical = client.height() > room.height();
    const bool horizontal = client.width() > room.width() - (vertical ? bar : 0);
    vertical = vertical || (horizontal && client.height() > room.height() - bar);
    m_scrollArea->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (!horizontal && !vertical) {
        setFixedSize(client);
        return;
    }
    const QSize withScrollBars = client + QSize(vertical ? bar : 0, horizontal ? bar : 0);
    const QSize fitted = withScrollBars.boundedTo(room);
    setMinimumSize(QSize(160, 120).boundedTo(fitted));
    setMaximumSize(fitted);
    resize(fitted);

    const QSize framed = fitted.grownBy(frame);
    const QPoint corner = frameGeometry().topLeft();
    move(std::clamp(corner.x(), area.left(), area.left() + area.width() - framed.width()),
         std::clamp(corner.y(), area.top(), area.top() + area.height() - framed.height()));
}

// The outer area scrolls just enough to show the whole current cell.
void Form1::showCurrentCell(int row, int col)
{
    updateEditActions();
    if (m_preview && m_outlineFollowsGrid && row <= m_document.EntryCount) {
        m_preview->setOutlined(row >= 1 ? m_model.entry(row).element : std::string());
    }
    const QRect cell = Tabelle2->cellRect(row, col);
    if (cell.isEmpty()) {
        return;
    }
    const QRect inClient(Tabelle2->viewport()->mapTo(m_client, cell.topLeft()), cell.size());
    m_scrollArea->ensureVisible(inClient.center().x(), inClient.center().y(), inClient.width() / 2 + 1,
                                inClient.height() / 2 + 1);
}

} // namespace tintwright::ui
