// Turns a help text written in Markdown into a PDF document.
// Usage: helpdoc <input.md> <output.pdf> <title>

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: helpdoc <input.md> <output.pdf> <title>\n");
        return 2;
    }
    // Laying out text needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    QFile source(input);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "helpdoc: cannot read %s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }

    QTextDocument document;
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setMarkdown(QString::fromUtf8(source.readAll()));

    {
        QPdfWriter writer(output);
        writer.setTitle(QString::fromLocal8Bit(argv[3]));
        writer.setCreator(QStringLiteral("Tintwright"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        // Printing adds margins of two centimetres of its own.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        document.print(&writer);
    }

    if (QFileInfo(output).size() == 0) {
        std::fprintf(stderr, "helpdoc: nothing was written to %s\n", argv[2]);
        return 1;
    }
    return 0;
}
