// Turns a help text written in Markdown into a PDF document. A picture the
// text shows by a file name ("window.png") is taken from the file of that name given.
// Usage: helpdoc <input.md> <output.pdf> <title> [picture.png...]

#include "ToolRuntime.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

// The text's width on an A4 page with its print margins, in the document's pixels.
constexpr qreal kPictureWidth = 600;

// Gives the document the picture and shows it across the text's width.
bool showPicture(QTextDocument& document, const QString& path)
{
    const QImage picture(path);
    if (picture.isNull()) {
        return false;
    }
    const QUrl name(QFileInfo(path).fileName());
    document.addResource(QTextDocument::ImageResource, name, picture);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            QTextImageFormat format = fragment.fragment().charFormat().toImageFormat();
            if (!format.isValid() || format.name() != name.toString()) {
                continue;
            }
            format.setWidth(kPictureWidth);
            format.setHeight(kPictureWidth * picture.height() / picture.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: helpdoc <input.md> <output.pdf> <title> [picture.png...]\n");
        return 2;
    }
    // Laying out text needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const ToolRuntimeFolder runtime;
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
    for (int picture = 4; picture < argc; ++picture) {
        if (!showPicture(document, QString::fromLocal8Bit(argv[picture]))) {
            std::fprintf(stderr, "helpdoc: cannot read the picture %s\n", argv[picture]);
            return 1;
        }
    }

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
