#include "PreviewWindow.h"

#include "Form1Texts.h"
#include "Placement.h"
#include "components/SketchView.h"
#include "sketch/ElementTable.h"

#include <QAccessible>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace tintwright::ui {

PreviewWindow::PreviewWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , m_sketch(new SketchView(this))
    , m_view(new QTabBar(this))
    , m_simulate(new QComboBox(this))
    , m_hoverInfo(new QLabel(this))
    , m_missing(new QLabel(this))
    , m_contrastHeading(new QLabel(this))
    , m_contrast(new QListWidget(this))
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setAccessibleName(text(texts::kPreviewName));
    m_sketch->setObjectName(QStringLiteral("sketch"));
    m_sketch->setAccessibleName(text(texts::kSketchName));
    m_view->setObjectName(QStringLiteral("previewView"));
    m_view->setExpanding(false);
    // Each tab says which states its view shows at once, so that nobody takes it for Live at rest.
    for (const sketch::Scene* scene : sketch::allScenes()) {
        const int tab = m_view->addTab(QString::fromStdString(scene->name));
        m_view->setTabToolTip(tab, QString::fromStdString(scene->caption));
    }
    m_simulate->setObjectName(QStringLiteral("previewSimulate"));
    m_simulate->setAccessibleName(text(texts::kSimulateName));
    m_simulate->setToolTip(text(texts::kSimulateTip));
    for (const color::NamedVision& named : color::visions()) {
        m_simulate->addItem(QString::fromUtf8(named.name.data(), static_cast<qsizetype>(named.name.size())),
                            static_cast<int>(named.vision));
    }
    m_contrast->setObjectName(QStringLiteral("contrastList"));
    m_contrast->setAccessibleName(text(texts::kContrastListName));
    m_contrast->setToolTip(text(texts::kContrastListTip));
    m_contrast->setMaximumHeight(m_contrast->fontMetrics().height() * 5);
    m_contrast->installEventFilter(this);
    m_contrastHeading->setObjectName(QStringLiteral("contrastHeading"));
    m_contrastHeading->setBuddy(m_contrast);
    m_hoverInfo->setObjectName(QStringLiteral("hoverInfo"));
    m_hoverInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_missing->setObjectName(QStringLiteral("missingInfo"));
    m_missing->setWordWrap(true);
    m_missing->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sketch->setDescriber([this](const sketch::Shape& shape) { return describe(shape); });
    showHovered(-1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* top = new QHBoxLayout;
    top->addWidget(m_view);
    top->addStretch(1);
    top->addWidget(m_simulate);
    layout->addLayout(top);
    layout->addWidget(m_sketch, 1);
    layout->addWidget(m_hoverInfo);
    layout->addWidget(m_missing);
    layout->addWidget(m_contrastHeading);
    layout->addWidget(m_contrast);
    resize(960, 700);

    connect(m_view, &QTabBar::currentChanged, this, [this](int index) {
        m_sketch->setScene(*sketch::allScenes().at(static_cast<std::size_t>(index)));
        showHovered(-1);
    });
    connect(m_sketch, &SketchView::hovered, this, &PreviewWindow::showHovered);
    connect(m_sketch, &SketchView::clicked, this, &PreviewWindow::elementClicked);
    connect(m_sketch, &SketchView::doubleClicked, this, &PreviewWindow::elementDoubleClicked);
    connect(m_simulate, qOverload<int>(&QComboBox::currentIndexChanged), this, &PreviewWindow::showColors);
    // A pair in the list finds its text's or mark's row, as a click in the sketch does.
    connect(m_contrast, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem* item) { emit elementClicked(item->data(Qt::UserRole).toString()); });
    connect(m_contrast, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { emit elementClicked(item->data(Qt::UserRole).toString()); });
    // Shift+F10 asks for the menu as the Menu key does, on whatever control has the keys.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QWidget* focused = focusWidget() ? focusWidget() : this;
        QPoint at = focused->rect().center();
        if (focused == m_sketch && m_sketch->focusedShape() >= 0) {
            at = m_sketch->shapeRect(m_sketch->focusedShape()).center();
        }
        emit menuRequested(focused->mapToGlobal(at));
    });
}

void PreviewWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint at = event->globalPos();
    if (event->reason() != QContextMenuEvent::Mouse && m_sketch->hasFocus() && m_sketch->focusedShape() >= 0) {
        at = m_sketch->mapToGlobal(m_sketch->shapeRect(m_sketch->focusedShape()).center());
    }
    emit menuRequested(at);
}

void PreviewWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (m_framePending && isVisible() && frameGeometry() != geometry()) {
        m_framePending = false;
        keepFrameOnScreen();
    }
}

void PreviewWindow::keepFrameOnScreen()
{
    const QRect area = screen()->availableGeometry();
    const QMargins frame = frameOf(*this, *this);
    if (area.contains(frameGeometry())) {
        return;
    }
    resize(size().boundedTo(area.size().shrunkBy(frame)));
    const QSize framed = size().grownBy(frame);
    const QPoint corner = frameGeometry().topLeft();
    move(std::clamp(corner.x(), area.left(), std::max(area.left(), area.left() + area.width() - framed.width())),
         std::clamp(corner.y(), area.top(), std::max(area.top(), area.top() + area.height() - framed.height())));
}

void PreviewWindow::placeBeside(QWidget& owner, const QRect& keepVisible)
{
    constexpr QSize kOpeningSize(960, 700);
    constexpr int kLeastUsableWidth = 640; // below it the sketch's labels cannot be read
    const QRect area = owner.screen()->availableGeometry();
    const QMargins frame = frameOf(*this, owner);
    QRect main = owner.frameGeometry();
    QSize opening = kOpeningSize.boundedTo(area.size().shrunkBy(frame));
    const int frameWidth = frame.left() + frame.right();
    // Side by side where the screen is wide enough for both: the main window
    // moves to the screen's left edge where that makes the room.
    const int areaEnd = area.left() + area.width();
    const bool bothFit = area.width() >= main.width() + kLeastUsableWidth + frameWidth;
    if (bothFit && areaEnd - (main.left() + main.width()) < kLeastUsableWidth + frameWidth) {
        owner.move(owner.pos() + QPoint(area.left() - main.left(), 0));
        main.moveLeft(area.left());
    }
    // Where the screen has no room beside the main window, the room beside
    // what must stay visible, if the sketch is still usable there.
    const int besideMain = areaEnd - (main.left() + main.width()) - frameWidth;
    const int besideKept = areaEnd - (keepVisible.left() + keepVisible.width()) - frameWidth;
    if (bothFit || besideMain >= kLeastUsableWidth) {
        opening.setWidth(std::min(opening.width(), besideMain));
    } else if (besideKept >= kLeastUsableWidth) {
        opening.setWidth(std::min(opening.width(), besideKept));
    }
    // No taller than the sketch needs at that width.
    const QSize sketch = m_sketch->sizeHint();
    const QSize chrome = layout()->sizeHint() - sketch;
    opening.setHeight(std::min(
        opening.height(), (opening.width() - chrome.width()) * sketch.height() / sketch.width() + chrome.height()));
    resize(opening); // held to the window's least size
    const QSize framed = size().grownBy(frame);
    const QPoint right(main.left() + main.width(), main.top());
    QPoint at = bothFit ? right : leastCovering(framed, area, main, right);
    if (!bothFit && overlap(QRect(at, framed), main) > 0) {
        at = leastCovering(framed, area, keepVisible, right);
    }
    // Never past the screen's edges.
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), areaEnd - framed.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.top() + area.height() - framed.height())));
    move(at);
    // The frame used here was the main window's; the preview's own is known once it is shown.
    m_framePending = true;
}

QRect PreviewWindow::sketchOnScreen() const
{
    const sketch::Scene& scene = m_sketch->scene();
    const QRectF drawn(m_sketch->toWidget({0, 0}), m_sketch->toWidget({scene.width, scene.height}));
    return QRect(m_sketch->mapToGlobal(drawn.topLeft().toPoint()), drawn.size().toSize());
}

// The contrast list shows its focus as soon as it has it: its first pair becomes current.
bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_contrast && event->type() == QEvent::FocusIn && m_contrast->currentRow() < 0
        && m_contrast->count() > 0) {
        m_contrast->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::setThemeName(const QString& fileName)
{
    setWindowTitle(text(texts::kPreviewTitle).arg(fileName));
}

// The line below the sketch names the colours as they are now.
void PreviewWindow::setColors(sketch::ElementColors colors)
{
    m_colors = std::move(colors);
    showColors();
    showMissing();
    showHovered(m_shown);
}

// "8 elements are missing: Live uses its defaults", the names in the tooltip
// and for screen readers; hidden when the theme has every element.
void PreviewWindow::showMissing()
{
    const sketch::Coverage covered = sketch::coverage(m_colors);
    QStringList names;
    int since101 = 0;
    for (const std::string& name : covered.missing) {
        names << QLatin1Char('<') + QString::fromStdString(name) + QLatin1Char('>');
        const sketch::ElementInfo* info = sketch::findElement(name);
        since101 += info && info->since101 ? 1 : 0;
    }
    const int count = static_cast<int>(names.size());
    QString line;
    if (count > 0 && since101 == count) {
        line = text(count == 1 ? texts::kMissingOneOf101 : texts::kMissingOf101).arg(count);
    } else if (count > 0) {
        line = text(count == 1 ? texts::kMissingOne : texts::kMissingMany).arg(count);
    }
    m_missing->setText(line);
    m_missing->setToolTip(names.join(QStringLiteral(", ")));
    m_missing->setAccessibleDescription(m_missing->toolTip());
    m_missing->setVisible(count > 0);
}

void PreviewWindow::showColors()
{
    const sketch::ElementColors seen =
        sketch::simulated(m_colors, static_cast<color::Vision>(m_simulate->currentData().toInt()));
    m_contrast->clear();
    // Under a simulation the ratios are those of the simulated colours: the heading says so.
    const QString heading = m_simulate->currentIndex() <= 0
        ? text(texts::kContrastListName)
        : text(texts::kContrastListSimulated).arg(m_simulate->currentText());
    m_contrastHeading->setText(heading);
    m_contrast->setAccessibleName(heading);
    for (const sketch::ContrastPair& pair : sketch::contrastPairs(seen)) {
        if (pair.passes) {
            continue;
        }
        auto* item = new QListWidgetItem(text(texts::kContrastItem)
                                             .arg(color::shownRatio(pair.ratio), 0, 'f', 2)
                                             .arg(QString::fromStdString(pair.foreground))
                                             .arg(QString::fromStdString(pair.background))
                                             .arg(pair.minimum, 0, 'f', 2),
                                         m_contrast);
        item->setData(Qt::UserRole, QString::fromStdString(pair.foreground));
    }
    if (m_contrast->count() == 0) {
        (new QListWidgetItem(text(texts::kContrastAllPass), m_contrast))->setFlags(Qt::NoItemFlags);
    }
    m_sketch->setColors(seen);
}

void PreviewWindow::setOutlined(const std::string& element)
{
    m_sketch->setOutlined(element);
}

// "36 <ChosenPlay> R 43 G 209 B 79 · Session › Clip grid", or what Live does
// for an element the theme lacks.
QString PreviewWindow::describe(const sketch::Shape& shape) const
{
    const QString element = QString::fromStdString(shape.element);
    const QString area = text(texts::kAreaSeparator) + QString::fromStdString(shape.area);
    const auto found = m_colors.find(shape.element);
    if (found == m_colors.end()) {
        return QLatin1Char('<') + element + QLatin1Char('>') + text(texts::kMissingElement) + area;
    }
    const theme::RgbTriple& rgb = found->second.rgb;
    return QStringLiteral("%1 <%2> R %3 G %4 B %5")
               .arg(found->second.entry)
               .arg(element)
               .arg(rgb.R)
               .arg(rgb.G)
               .arg(rgb.B)
        + area;
}

void PreviewWindow::showHovered(int shape)
{
    m_shown = shape;
    const QString info = shape < 0 ? text(texts::kHoverHint) : m_sketch->describe(shape);
    m_hoverInfo->setText(info);
    m_sketch->setToolTip(shape < 0 ? QString() : info);
    // A screen reader announces the line as its name changes.
    m_hoverInfo->setAccessibleName(info);
    QAccessibleEvent changed(m_hoverInfo, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace tintwright::ui
