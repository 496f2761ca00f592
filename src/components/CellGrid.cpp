#include "CellGrid.h"

#include "SystemColors.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tintwright::ui {

namespace {

constexpr int kRowHeight = 18;
constexpr int kTextMargin = 3;

int pixels(int twips)
{
    return (twips + 7) / 15;
}

Qt::Alignment toQtAlignment(int alignment)
{
    // 0..8: left, centre, right, each at top, centre and bottom.
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    if (alignment < 0 || alignment > 8) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    return horizontal[alignment / 3] | vertical[alignment % 3];
}

// A cell line along the right and bottom edges of `rect`, inside the cell at
// any scale; filling one-pixel rectangles costs a fraction of drawing lines.
void drawCellLines(QPainter* painter, const QRect& rect, const QColor& color)
{
    painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
    painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
}

void drawCellText(QPainter* painter, const QRect& rect, const QString& text, const QColor& color,
                  Qt::Alignment alignment)
{
    if (text.isEmpty()) {
        return;
    }
    painter->setPen(color);
    const QRect area = rect.adjusted(kTextMargin, 0, -kTextMargin - 1, -1);
    painter->drawText(area, static_cast<int>(alignment),
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, area.width()));
}

} // namespace

// All cells of the grid, the fixed ones included. The view shows the cells
// below row 0 and right of column 0 as items, row 0 as the column header and
// column 0 as the row header.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Cell {
        QString text;
        std::optional<theme::ColorValue> back;
        std::optional<theme::ColorValue> fore;
        QString spoken; // what a screen reader says instead of the colour or text
        QString tip; // tooltip and accessible description
    };

    struct Look {
        theme::ColorValue backColor = 0x00FFFFFFu;
        theme::ColorValue foreColor = 0u;
        theme::ColorValue backColorFixed = 0x00C0C0C0u;
        theme::ColorValue foreColorFixed = 0u;
        theme::ColorValue gridColor = 0x00C0C0C0u;
        theme::ColorValue gridColorFixed = 0u;
    };

    explicit GridModel(QObject* parent)
        : QAbstractTableModel(parent)
    {
    }

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    Look& look() { return m_look; }
    const Look& look() const { return m_look; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows - 1; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_cols - 1;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        return cellData(index.row() + 1, index.column() + 1, role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return orientation == Qt::Horizontal ? cellData(0, section + 1, role) : cellData(section + 1, 0, role);
    }

    QVariant cellData(int row, int col, int role) const
    {
        if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) {
            return {};
        }
        switch (role) {
        case Qt::DisplayRole:
            return text(row, col);
        case Qt::BackgroundRole:
            return toQColor(backColor(row, col));
        case Qt::ForegroundRole:
            return toQColor(foreColor(row, col));
        case Qt::TextAlignmentRole:
            return static_cast<int>(alignment(col));
        case Qt::ToolTipRole: {
            const QString shown = tip(row, col);
            return shown.isEmpty() ? colorDescription(row, col) : QVariant(wrapped(shown));
        }
        case Qt::AccessibleDescriptionRole: {
            const QString shown = tip(row, col);
            return shown.isEmpty() ? QVariant() : QVariant(shown);
        }
        case Qt::AccessibleTextRole: {
            const QString shown = spoken(row, col);
            return shown.isEmpty() ? colorDescription(row, col) : QVariant(shown);
        }
        default:
            return {};
        }
    }

    // A long tooltip in lines of a readable length, broken between words.
    static QString wrapped(const QString& tip)
    {
        constexpr qsizetype kLine = 64;
        QString lines;
        qsizetype lineLength = 0;
        for (const QString& word : tip.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (lineLength > 0 && lineLength + 1 + word.size() > kLine) {
                lines += QLatin1Char('\n');
                lineLength = 0;
            } else if (lineLength > 0) {
                lines += QLatin1Char(' ');
                ++lineLength;
            }
            lines += word;
            lineLength += word.size();
        }
        return lines;
    }

    // A cell that shows a colour and no text tells its colour in words, to a
    // screen reader and as its tooltip.
    QVariant colorDescription(int row, int col) const
    {
        const std::optional<theme::ColorValue> back = cellBack(row, col);
        if (isFixed(row, col) || !text(row, col).isEmpty() || !back || theme::isSystemColor(*back)) {
            return {};
        }
        const theme::RgbTriple rgb = theme::SplitColor(*back);
        return QStringLiteral("R %1 G %2 B %3").arg(rgb.R).arg(rgb.G).arg(rgb.B);
    }

    bool hasSource() const { return m_source != nullptr; }

    // A cell of the grid's own, to be written; none while a source is shown.
    Cell& stored(int row, int col)
    {
        if (m_source != nullptr) {
            throw std::logic_error("The grid shows a model: its cells are not written.");
        }
        return m_cells[static_cast<std::size_t>(row * m_cols + col)];
    }

    // What is shown in a cell, its own or the source's.
    QString text(int row, int col) const
    {
        return m_source != nullptr ? sourceData(row, col, Qt::DisplayRole).toString() : own(row, col).text;
    }
    QString tip(int row, int col) const
    {
        return m_source != nullptr ? sourceData(row, col, Qt::ToolTipRole).toString() : own(row, col).tip;
    }
    QString spoken(int row, int col) const
    {
        return m_source != nullptr ? sourceData(row, col, Qt::AccessibleTextRole).toString() : own(row, col).spoken;
    }
    std::optional<theme::ColorValue> cellBack(int row, int col) const
    {
        return m_source != nullptr ? sourceColor(row, col, CellGrid::BackColorRole) : own(row, col).back;
    }
    std::optional<theme::ColorValue> cellFore(int row, int col) const
    {
        return m_source != nullptr ? sourceColor(row, col, CellGrid::ForeColorRole) : own(row, col).fore;
    }

    bool isFixed(int row, int col) const { return row == 0 || col == 0; }

    theme::ColorValue backColor(int row, int col) const
    {
        return cellBack(row, col).value_or(isFixed(row, col) ? m_look.backColorFixed : m_look.backColor);
    }
    theme::ColorValue foreColor(int row, int col) const
    {
        return cellFore(row, col).value_or(isFixed(row, col) ? m_look.foreColorFixed : m_look.foreColor);
    }
    Qt::Alignment alignment(int col) const
    {
        return col < static_cast<int>(m_alignments.size()) ? m_alignments[static_cast<std::size_t>(col)]
                                                           : Qt::AlignLeft | Qt::AlignVCenter;
    }

    void setAlignment(int col, Qt::Alignment alignment)
    {
        for (int c = 0; c < m_cols; ++c) {
            if (col == -1 || col == c) {
                m_alignments[static_cast<std::size_t>(c)] = alignment;
            }
        }
        allChanged();
    }

    void cellChanged(int row, int col)
    {
        if (row == 0 && col == 0) {
            emit cornerChanged();
        } else if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
        } else if (col == 0) {
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        } else {
            const QModelIndex changed = index(row - 1, col - 1);
            emit dataChanged(changed, changed);
        }
    }

    void allChanged()
    {
        if (m_rows > 1 && m_cols > 1) {
            emit dataChanged(index(0, 0), index(m_rows - 2, m_cols - 2));
        }
        if (m_cols > 1) {
            emit headerDataChanged(Qt::Horizontal, 0, m_cols - 2);
        }
        if (m_rows > 1) {
            emit headerDataChanged(Qt::Vertical, 0, m_rows - 2);
        }
        emit cornerChanged();
    }

    void setRows(int rows)
    {
        if (m_source != nullptr) {
            throw std::logic_error("The grid shows a model: its rows are the model's.");
        }
        if (rows < m_rows) {
            beginRemoveRows(QModelIndex(), rows - 1, m_rows - 2);
            m_cells.resize(static_cast<std::size_t>(rows * m_cols));
            m_rows = rows;
            endRemoveRows();
        } else if (rows > m_rows) {
            beginInsertRows(QModelIndex(), m_rows - 1, rows - 2);
            m_cells.resize(static_cast<std::size_t>(rows * m_cols));
            m_rows = rows;
            endInsertRows();
        }
    }

    void setCols(int cols)
    {
        if (m_source != nullptr) {
            throw std::logic_error("The grid shows a model: its columns are the model's.");
        }
        beginResetModel();
        std::vector<Cell> cells(static_cast<std::size_t>(m_rows * cols));
        for (int row = 0; row < m_rows; ++row) {
            for (int col = 0; col < std::min(cols, m_cols); ++col) {
                cells[static_cast<std::size_t>(row * cols + col)] = own(row, col);
            }
        }
        m_cells = std::move(cells);
        m_cols = cols;
        m_alignments.resize(static_cast<std::size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter);
        endResetModel();
    }

    // The cells shown are the source's, its counts the grid's; its rows come and
    // go as the source's do, and any change of its cells is shown.
    void setSource(QAbstractItemModel* source)
    {
        beginResetModel();
        if (m_source != nullptr) {
            disconnect(m_source, nullptr, this, nullptr);
        }
        m_source = source;
        m_cells.clear();
        followSourceCounts();
        endResetModel();
        connect(source, &QAbstractItemModel::dataChanged, this, &GridModel::allChanged);
        connect(source, &QAbstractItemModel::headerDataChanged, this, &GridModel::allChanged);
        connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
                [this](const QModelIndex&, int first, int last) {
                    beginInsertRows(QModelIndex(), std::max(first, 1) - 1, last - 1);
                });
        connect(source, &QAbstractItemModel::rowsInserted, this, [this] {
            m_rows = m_source->rowCount();
            endInsertRows();
        });
        connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [this](const QModelIndex&, int first, int last) {
                    beginRemoveRows(QModelIndex(), std::max(first, 1) - 1, last - 1);
                });
        connect(source, &QAbstractItemModel::rowsRemoved, this, [this] {
            m_rows = m_source->rowCount();
            endRemoveRows();
        });
        connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        connect(source, &QAbstractItemModel::modelReset, this, [this] {
            followSourceCounts();
            endResetModel();
        });
    }

signals:
    void cornerChanged();

private:
    const Cell& own(int row, int col) const { return m_cells[static_cast<std::size_t>(row * m_cols + col)]; }

    QVariant sourceData(int row, int col, int role) const { return m_source->index(row, col).data(role); }
    std::optional<theme::ColorValue> sourceColor(int row, int col, int role) const
    {
        const QVariant value = sourceData(row, col, role);
        return value.isValid() ? std::optional<theme::ColorValue>(value.value<theme::ColorValue>()) : std::nullopt;
    }

    void followSourceCounts()
    {
        m_rows = std::max(m_source->rowCount(), 1);
        m_cols = std::max(m_source->columnCount(), 1);
        m_alignments.resize(static_cast<std::size_t>(m_cols), Qt::AlignLeft | Qt::AlignVCenter);
    }

    QAbstractItemModel* m_source = nullptr;
    int m_rows = 1;
    int m_cols = 1;
    std::vector<Cell> m_cells = std::vector<Cell>(1);
    std::vector<Qt::Alignment> m_alignments = {Qt::AlignLeft | Qt::AlignVCenter};
    Look m_look;
};

namespace {

// Paints a cell in its own colours with the grid lines; the keyboard's cell
// gets a frame that shows on light and dark swatches alike.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(const GridModel& model, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_model(model)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const QColor back = index.data(Qt::BackgroundRole).value<QColor>();
        painter->fillRect(option.rect, back);
        painter->setFont(option.font);
        drawCellText(painter, option.rect, index.data(Qt::DisplayRole).toString(),
                     index.data(Qt::ForegroundRole).value<QColor>(),
                     Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
        drawCellLines(painter, option.rect, toQColor(m_model.look().gridColor));
        // Without the focus (another window is active) the current cell keeps a
        // solid frame, so the row a click in the preview found stays in sight.
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        const bool focused = (option.state & QStyle::State_HasFocus) != 0;
        if (focused || (view != nullptr && !view->isActiveWindow() && view->currentIndex() == index)) {
            QPen pen(back.lightness() > 128 ? Qt::black : Qt::white, 1, focused ? Qt::DotLine : Qt::SolidLine);
            painter->setPen(pen);
            painter->drawRect(option.rect.adjusted(2, 2, -4, -4));
        }
        painter->restore();
    }

private:
    const GridModel& m_model;
};

// The fixed row and column, painted like the ordinary cells but in the fixed colours.
class GridHeader : public QHeaderView {
public:
    GridHeader(Qt::Orientation orientation, const GridModel& model, QWidget* parent)
        : QHeaderView(orientation, parent)
        , m_model(model)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
    }

    // The grid fixes its headers' thickness; measuring the text of every one of
    // 170 sections to suggest one cost start-up a tenth of its work.
    QSize sizeHint() const override
    {
        if (orientation() == Qt::Vertical && minimumWidth() == maximumWidth()) {
            return {minimumWidth(), length()};
        }
        if (orientation() == Qt::Horizontal && minimumHeight() == maximumHeight()) {
            return {length(), minimumHeight()};
        }
        return QHeaderView::sizeHint();
    }

    void paintFixedCell(QPainter* painter, const QRect& rect, int row, int col) const
    {
        painter->fillRect(rect, toQColor(m_model.backColor(row, col)));
        painter->setFont(font());
        drawCellText(painter, rect, m_model.text(row, col), toQColor(m_model.foreColor(row, col)),
                     m_model.alignment(col));
        drawCellLines(painter, rect, toQColor(m_model.look().gridColorFixed));
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        painter->save();
        if (orientation() == Qt::Horizontal) {
            paintFixedCell(painter, rect, 0, logicalIndex + 1);
        } else {
            paintFixedCell(painter, rect, logicalIndex + 1, 0);
        }
        painter->restore();
    }

private:
    const GridModel& m_model;
};

} // namespace

CellGrid::CellGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(new GridModel(this))
{
    setModel(m_model);
    setHorizontalHeader(new GridHeader(Qt::Horizontal, *m_model, this));
    setVerticalHeader(new GridHeader(Qt::Vertical, *m_model, this));
    setItemDelegate(new GridDelegate(*m_model, this));
    horizontalHeader()->setFixedHeight(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setDefaultSectionSize(64);
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    viewport()->setAutoFillBackground(true);

    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
    connect(m_model, &GridModel::cornerChanged, this, [this] {
        if (auto* corner = findChild<QAbstractButton*>()) {
            corner->update();
        }
    });
    connect(this, &QAbstractItemView::clicked, this, &CellGrid::clickCell);
}

CellGrid::~CellGrid() = default;

void CellGrid::setSource(QAbstractItemModel* source)
{
    m_model->setSource(source);
}

void CellGrid::setRows(int rows)
{
    m_model->setRows(std::max(rows, 1));
}

int CellGrid::rows() const
{
    return m_model->rows();
}

void CellGrid::setCols(int cols)
{
    m_model->setCols(std::max(cols, 1));
}

int CellGrid::cols() const
{
    return m_model->cols();
}

void CellGrid::checkCell(int row, int col) const
{
    if (row < 0 || row >= rows()) {
        throw std::out_of_range("The grid has no row " + std::to_string(row) + ".");
    }
    if (col < 0 || col >= cols()) {
        throw std::out_of_range("The grid has no column " + std::to_string(col) + ".");
    }
}

void CellGrid::setRow(int row)
{
    checkCell(row, 0);
    m_row = row;
}

void CellGrid::setCol(int col)
{
    checkCell(0, col);
    m_col = col;
}

void CellGrid::setText(const QString& text)
{
    checkCell(m_row, m_col);
    m_model->stored(m_row, m_col).text = text;
    m_model->cellChanged(m_row, m_col);
}

void CellGrid::setCellBackColor(theme::ColorValue color)
{
    checkCell(m_row, m_col);
    m_model->stored(m_row, m_col).back = color;
    m_model->cellChanged(m_row, m_col);
}

theme::ColorValue CellGrid::cellBackColor() const
{
    return backColorAt(m_row, m_col);
}

void CellGrid::setCellForeColor(theme::ColorValue color)
{
    checkCell(m_row, m_col);
    m_model->stored(m_row, m_col).fore = color;
    m_model->cellChanged(m_row, m_col);
}

void CellGrid::setColWidth(int col, int twips)
{
    checkCell(0, col);
    if (col == 0) {
        verticalHeader()->setFixedWidth(pixels(twips));
    } else {
        setColumnWidth(col - 1, pixels(twips));
    }
}

void CellGrid::setColAlignment(int col, int alignment)
{
    if (col != -1) {
        checkCell(0, col);
    }
    m_model->setAlignment(col, toQtAlignment(alignment));
}

void CellGrid::setScrollTrack(bool track)
{
    verticalScrollBar()->setTracking(track);
    horizontalScrollBar()->setTracking(track);
}

void CellGrid::setBackColor(theme::ColorValue color)
{
    m_model->look().backColor = color;
    m_model->allChanged();
}

void CellGrid::setForeColor(theme::ColorValue color)
{
    m_model->look().foreColor = color;
    m_model->allChanged();
}

void CellGrid::setBackColorFixed(theme::ColorValue color)
{
    m_model->look().backColorFixed = color;
    m_model->allChanged();
}

void CellGrid::setForeColorFixed(theme::ColorValue color)
{
    m_model->look().foreColorFixed = color;
    m_model->allChanged();
}

void CellGrid::setBackColorBkg(theme::ColorValue color)
{
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, toQColor(color));
    palette.setColor(QPalette::Window, toQColor(color));
    viewport()->setPalette(palette);
}

void CellGrid::setGridColor(theme::ColorValue color)
{
    m_model->look().gridColor = color;
    viewport()->update();
}

void CellGrid::setGridColorFixed(theme::ColorValue color)
{
    m_model->look().gridColorFixed = color;
    m_model->allChanged();
}

QString CellGrid::textAt(int row, int col) const
{
    checkCell(row, col);
    return m_model->text(row, col);
}

theme::ColorValue CellGrid::backColorAt(int row, int col) const
{
    checkCell(row, col);
    return m_model->backColor(row, col);
}

theme::ColorValue CellGrid::foreColorAt(int row, int col) const
{
    checkCell(row, col);
    return m_model->foreColor(row, col);
}

QRect CellGrid::cellRect(int row, int col) const
{
    checkCell(row, col);
    if (m_model->isFixed(row, col)) {
        return {};
    }
    return visualRect(m_model->index(row - 1, col - 1));
}

void CellGrid::setCellAccessibleText(const QString& text)
{
    checkCell(m_row, m_col);
    m_model->stored(m_row, m_col).spoken = text;
    m_model->cellChanged(m_row, m_col);
}

void CellGrid::setCellToolTip(const QString& text)
{
    checkCell(m_row, m_col);
    m_model->stored(m_row, m_col).tip = text;
    m_model->cellChanged(m_row, m_col);
}

void CellGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous); // scrolls the cell into the grid's view first
    if (current.isValid()) {
        emit currentCellChanged(current.row() + 1, current.column() + 1);
    }
}

// Typed letters find the first row whose text in the search column begins
// with them; an angle bracket in front of the text need not be typed.
void CellGrid::keyboardSearch(const QString& search)
{
    if (!m_searchTimer.isValid() || m_searchTimer.elapsed() > QApplication::keyboardInputInterval()) {
        m_search.clear();
    }
    m_searchTimer.start();
    m_search += search;
    const auto withoutBracket = [](QString text) { return text.startsWith(QLatin1Char('<')) ? text.mid(1) : text; };
    const QString wanted = withoutBracket(m_search);
    if (wanted.isEmpty()) {
        return;
    }
    for (int row = 1; row < m_model->rows(); ++row) {
        if (withoutBracket(m_model->text(row, m_searchCol)).startsWith(wanted, Qt::CaseInsensitive)) {
            const int col = currentIndex().isValid() ? currentIndex().column() : m_searchCol - 1;
            setCurrentIndex(m_model->index(row - 1, col));
            return;
        }
    }
}

void CellGrid::setCurrentCell(int row, int col)
{
    checkCell(row, col);
    const QModelIndex index = m_model->index(row - 1, col - 1);
    setCurrentIndex(index);
    scrollTo(index);
}

void CellGrid::clickCellAt(int row, int col)
{
    checkCell(row, col);
    clickCell(m_model->index(row - 1, col - 1));
}

void CellGrid::clickCell(const QModelIndex& index)
{
    if (!index.isValid()) {
        return;
    }
    m_rowSel = index.row() + 1;
    m_colSel = index.column() + 1;
    m_row = m_rowSel;
    m_col = m_colSel;
    emit cellClicked();
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        clickCell(currentIndex());
        event->accept();
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

bool CellGrid::eventFilter(QObject* watched, QEvent* event)
{
    // The corner above the row header is cell (0, 0).
    if (event->type() == QEvent::Paint && watched == findChild<QAbstractButton*>()) {
        auto* corner = static_cast<QWidget*>(watched);
        QPainter painter(corner);
        static_cast<GridHeader*>(horizontalHeader())->paintFixedCell(&painter, corner->rect(), 0, 0);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace tintwright::ui

#include "CellGrid.moc"
