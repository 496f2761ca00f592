#pragma once

#include "model/ThemeModel.h"

#include <QAbstractTableModel>

#include <set>
#include <string>

namespace tintwright::ui {

// What the grid shows of the theme model: row 0 the column headers, column 0
// the entry numbers, and per entry its ITEM and value texts, its OLD COLOR and
// NEW COLOR swatches and the "#" of the row last picked. Before a theme is read
// it is the empty grid of the start, 169 rows below its header, numbered to 99.
// Every cell is read from the model when shown; after an edit of the model,
// refresh() lets the grid follow it.
class ThemeTable : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ThemeTable(const model::ThemeModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The model changed: the grid takes its rows and shows every cell anew.
    void refresh();
    // The element was made by Complete the theme: its name is blue and its tooltip says so.
    void markMade(const std::string& element);

private:
    int shownRows() const; // what the model holds now, the header row included
    QVariant headerData(int col, int role) const;
    QVariant entryData(int row, int col, int role) const;

    const model::ThemeModel& m_model;
    std::set<std::string> m_madeElements;
    int m_rows; // the rows the grid was last told of
};

} // namespace tintwright::ui
