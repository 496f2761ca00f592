#pragma once

#include "ScriptedDesktop.h"
#include "components/CellGrid.h"
#include "window/Form1.h"
#include "window/Form1Grid.h"
#include "window/GraphicalButton.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <memory>

namespace tintwright::ui::testing {

// The grid's columns by name, as the grid counts them.
namespace cols {
inline constexpr int Number = grid::column(grid::Column::Number);
inline constexpr int Item = grid::column(grid::Column::Item);
inline constexpr int Red = grid::column(grid::Column::Red);
inline constexpr int Green = grid::column(grid::Column::Green);
inline constexpr int Blue = grid::column(grid::Column::Blue);
inline constexpr int OldColor = grid::column(grid::Column::OldColor);
inline constexpr int NewColor = grid::column(grid::Column::NewColor);
inline constexpr int Marker = grid::column(grid::Column::Marker);
} // namespace cols

// The real window on a scripted desktop, driven through its controls as a user would.
class FormDriver {
public:
    FormDriver()
        : form(std::make_unique<Form1>(desktop))
    {
        form->show();
        exposed = QTest::qWaitForWindowExposed(form.get());
    }

    ScriptedDesktop desktop;
    std::unique_ptr<Form1> form;
    bool exposed = false;

    CellGrid* grid() const { return form->findChild<CellGrid*>(QStringLiteral("Tabelle2")); }
    GraphicalButton* button(const char* name) const
    {
        return form->findChild<GraphicalButton*>(QString::fromLatin1(name));
    }
    QLabel* label(const char* name) const { return form->findChild<QLabel*>(QString::fromLatin1(name)); }
    const theme::ThemeDocument& document() const { return form->document(); }

    void click(const char* buttonName) const { QTest::mouseClick(button(buttonName), Qt::LeftButton); }

    void clickCell(int row, int col) const
    {
        CellGrid* cells = grid();
        cells->scrollTo(cells->model()->index(row - 1, col - 1));
        QTest::mouseClick(cells->viewport(), Qt::LeftButton, Qt::NoModifier, cells->cellRect(row, col).center());
    }

    // "OpenTheme" with the open dialog answering `path`.
    void openTheme(const QString& path)
    {
        desktop.answerOpen(path);
        click("okopendatei");
    }

    // A click on the row's "NEW COLOR" cell, the colour dialog answering `color`.
    void pick(int row, const std::optional<QColor>& color)
    {
        desktop.answerColor(color);
        clickCell(row, grid::column(grid::Column::NewColor));
    }

    void revert(int row) const { clickCell(row, grid::column(grid::Column::OldColor)); }

    void saveAs(const std::optional<QString>& path)
    {
        desktop.answerSave(path);
        click("oksave");
    }
};

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A theme in the application's own shape: three header lines, then per entry
// its element line, R, G, B, Alpha and closing lines, CR LF at each line end.
inline QByteArray themeText(const QList<QColor>& colors)
{
    QByteArray text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Ableton MajorVersion=\"5\">\r\n\t<SkinManager>\r\n";
    for (int i = 0; i < colors.size(); ++i) {
        const QByteArray name = i == 0 ? "ControlForeground" : "Element" + QByteArray::number(i + 1);
        text += "\t\t<" + name + ">\r\n";
        text += "\t\t\t<R Value=\"" + QByteArray::number(colors[i].red()) + "\" />\r\n";
        text += "\t\t\t<G Value=\"" + QByteArray::number(colors[i].green()) + "\" />\r\n";
        text += "\t\t\t<B Value=\"" + QByteArray::number(colors[i].blue()) + "\" />\r\n";
        text += "\t\t\t<Alpha Value=\"255\" />\r\n\t\t</" + name + ">\r\n";
    }
    text += "\t</SkinManager>\r\n</Ableton>\r\n";
    return text;
}

} // namespace tintwright::ui::testing
