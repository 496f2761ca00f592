#pragma once

#include "theme/ColorValue.h"

#include <QElapsedTimer>
#include <QTableView>

class QAbstractItemModel;

namespace tintwright::ui {

class GridModel;

// A grid of text cells with one fixed header row (row 0) and one fixed column
// (column 0) that stay in view while the rest scrolls. Its cells are either
// its own, reached through the current cell (set Row and Col, then read or
// write its text and colours), or a source model's, shown as they are.
// Colours are colour values, so system colours work as well.
class CellGrid : public QTableView {
    Q_OBJECT

public:
    // What a source model gives of a cell beside its text (Qt::DisplayRole), its
    // tooltip (Qt::ToolTipRole) and what a screen reader says instead of its text
    // or colour (Qt::AccessibleTextRole): its colours as colour values; none for
    // the grid's own.
    enum SourceRole { BackColorRole = Qt::UserRole + 1, ForeColorRole };

    explicit CellGrid(QWidget* parent = nullptr);
    ~CellGrid() override;

    // The grid shows `source`'s cells from now on, its row 0 and column 0 as the
    // fixed ones, and follows its rows and its changes. Its cells are then
    // read only: writing one throws std::logic_error.
    void setSource(QAbstractItemModel* source);

    // Rows and columns including the fixed ones; rows past a smaller count
    // disappear with their contents.
    void setRows(int rows);
    int rows() const;
    void setCols(int cols);
    int cols() const;

    // Select the current cell. A row or column the grid does not have throws
    // std::out_of_range.
    void setRow(int row);
    void setCol(int col);
    int row() const { return m_row; }
    int col() const { return m_col; }

    void setText(const QString& text);
    void setCellBackColor(theme::ColorValue color);
    // The value last set, or the grid's background for a cell never set.
    theme::ColorValue cellBackColor() const;
    void setCellForeColor(theme::ColorValue color);
    // What a screen reader says of the current cell instead of its text or colour; empty for that.
    void setCellAccessibleText(const QString& text);
    // The current cell's tooltip and accessible description.
    void setCellToolTip(const QString& text);
    // The column whose texts typed letters are looked for in.
    void setSearchCol(int col) { m_searchCol = col; }

    // Where the selection ends; while cellClicked is being handled, the cell clicked.
    int rowSel() const { return m_rowSel; }
    int colSel() const { return m_colSel; }

    void setColWidth(int col, int twips);
    // Alignment 4 centres text horizontally and vertically; column -1 means all columns.
    void setColAlignment(int col, int alignment);
    // Whether the cells follow the scroll bar while its thumb is dragged.
    void setScrollTrack(bool track);

    // The grid's own colours.
    void setBackColor(theme::ColorValue color);
    void setForeColor(theme::ColorValue color);
    void setBackColorFixed(theme::ColorValue color);
    void setForeColorFixed(theme::ColorValue color);
    void setBackColorBkg(theme::ColorValue color);
    void setGridColor(theme::ColorValue color);
    void setGridColorFixed(theme::ColorValue color);

    // Any cell, without moving the current cell.
    QString textAt(int row, int col) const;
    theme::ColorValue backColorAt(int row, int col) const;
    theme::ColorValue foreColorAt(int row, int col) const;
    // Where cell (row, col) is drawn, in viewport coordinates; empty for a fixed cell.
    QRect cellRect(int row, int col) const;
    // Makes a cell below the header row and right of the fixed column the
    // current cell, scrolled into view, as a keyboard user would.
    void setCurrentCell(int row, int col);
    // Acts as a click on that cell does.
    void clickCellAt(int row, int col);

signals:
    // The user clicked a cell below the header row and right of the fixed
    // column, or pressed Space or Enter on one.
    void cellClicked();
    // The current cell moved, by mouse, keyboard or program.
    void currentCellChanged(int row, int col);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clickCell(const QModelIndex& index);
    void checkCell(int row, int col) const;

    GridModel* m_model;
    int m_row = 0;
    int m_col = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
    int m_searchCol = 1;
    QString m_search;
    QElapsedTimer m_searchTimer;
};

} // namespace tintwright::ui
