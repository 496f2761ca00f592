#include "ThemeTable.h"

#include "Form1Grid.h"
#include "Form1Texts.h"
#include "components/CellGrid.h"
#include "sketch/ElementTable.h"
#include "theme/DisplayText.h"

namespace tintwright::ui {

using namespace grid;
using theme::ColorValue;

namespace {

constexpr int kNumberedRows = 99; // the empty grid's rows numbered at the start
constexpr ColorValue kGridText = 0x00808080u; // grey, the grid's text colour
constexpr ColorValue kMadeText = 0x00C04000u; // blue, the names of made elements

QString fromRecord(const std::string& record)
{
    return QString::fromStdString(theme::displayText(record));
}

QVariant colorValue(ColorValue color)
{
    return QVariant::fromValue(color);
}

} // namespace

ThemeTable::ThemeTable(const model::ThemeModel& model, QObject* parent)
    : QAbstractTableModel(parent)
    , m_model(model)
    , m_rows(shownRows())
{
}

int ThemeTable::shownRows() const
{
    return m_model.document().ThemeLoaded ? m_model.entryCount() + 1 : kGridRows;
}

int ThemeTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ThemeTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kGridCols;
}

void ThemeTable::refresh()
{
    const int rows = shownRows();
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    emit dataChanged(index(0, 0), index(m_rows - 1, kGridCols - 1));
}

void ThemeTable::markMade(const std::string& element)
{
    m_madeElements.insert(element);
}

QVariant ThemeTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= kGridCols) {
        return {};
    }
    const int row = index.row();
    const int col = index.column();
    if (row == 0) {
        return headerData(col, role);
    }
    if (m_model.document().ThemeLoaded && row <= m_model.entryCount()) {
        return entryData(row, col, role);
    }
    return col == column(Column::Number) && role == Qt::DisplayRole && row <= kNumberedRows
        ? QVariant(QString::number(row))
        : QVariant();
}

QVariant ThemeTable::headerData(int col, int role) const
{
    static const char* const headers[kGridCols] = {
        texts::kHeaderNumber, texts::kHeaderItem,     texts::kHeaderRed,      texts::kHeaderGreen,
        texts::kHeaderBlue,   texts::kHeaderOldColor, texts::kHeaderNewColor, nullptr};
    static const ColorValue headerColors[kGridCols] = {0, 0, 0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0, 0, 0};
    switch (role) {
    case Qt::DisplayRole:
        return headers[col] != nullptr ? text(headers[col]) : QString();
    case CellGrid::ForeColorRole:
        return headerColors[col] != 0 ? colorValue(headerColors[col]) : QVariant();
    case Qt::AccessibleTextRole:
        return col == column(Column::Marker) ? text(texts::kMarkerHeaderSpoken)
                                             : QString(); // the column has no header text
    default:
        return {};
    }
}

QVariant ThemeTable::entryData(int row, int col, int role) const
{
    const model::Entry& entry = m_model.entry(row);
    switch (static_cast<Column>(col)) {
    case Column::Number:
        return role == Qt::DisplayRole ? QVariant(QString::number(row)) : QVariant();
    case Column::Item: {
        // A made element's name is blue, and its tooltip says where it came from.
        const bool made = m_madeElements.count(entry.element) > 0;
        if (role == Qt::DisplayRole) {
            return fromRecord(entry.item);
        }
        if (role == CellGrid::ForeColorRole) {
            return colorValue(made ? kMadeText : kGridText);
        }
        if (role == Qt::ToolTipRole) {
            QString tip = made ? text(texts::kMadeElement) : QString();
            if (const sketch::ElementInfo* info = sketch::findElement(theme::displayText(entry.item))) {
                tip += QString::fromStdString(sketch::describedWithCertainty(*info));
            }
            return tip;
        }
        return {};
    }
    case Column::Red:
    case Column::Green:
    case Column::Blue:
        return role == Qt::DisplayRole
            ? QVariant(fromRecord(entry.valueTexts[static_cast<std::size_t>(col - column(Column::Red))]))
            : QVariant();
    case Column::OldColor:
        return role == CellGrid::BackColorRole ? colorValue(entry.fileColor) : QVariant();
    case Column::NewColor: {
        const std::optional<ColorValue> color = m_model.newColor(row);
        if (role == CellGrid::BackColorRole) {
            return colorValue(color.value_or(theme::kMenuBackground));
        }
        return role == Qt::AccessibleTextRole && !color ? QVariant(text(texts::kNoNewColorSpoken)) : QVariant();
    }
    case Column::Marker: {
        const bool marked = m_model.markerRow() == row;
        if (role == Qt::DisplayRole) {
            return marked ? text(texts::kMarker) : QString();
        }
        return role == Qt::AccessibleTextRole && marked ? QVariant(text(texts::kMarkerSpoken)) : QVariant();
    }
    default:
        return {};
    }
}

} // namespace tintwright::ui
