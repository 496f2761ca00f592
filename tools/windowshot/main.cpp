// Draws the program's window as a user sees it after opening a theme and
// picking a colour, for the help documents: the picture always shows the
// window as it is built.
// Usage: windowshot <theme.ask> <output.png> [device pixels per pixel, 2 by default] [preview.png]
// With preview.png it also draws the preview window, pointing at the entry picked.

#include "components/Desktop.h"
#include "components/SketchView.h"
#include "window/Application.h"
#include "window/Form1.h"

#include "ToolRuntime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

using namespace tintwright::ui;

// The user's answers: the theme to open, the colour to pick; nothing else is asked.
class ShotDesktop final : public Desktop {
public:
    explicit ShotDesktop(QString theme)
        : m_theme(std::move(theme))
    {
    }
    std::optional<QString> chooseFileToOpen(QWidget*, const FileRequest&) override { return m_theme; }
    std::optional<QString> chooseFileToSave(QWidget*, const FileRequest&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&, const QString&) override
    {
        return QColor(0xE0, 0x7A, 0x1F);
    }
    MessageAnswer showMessage(QWidget*, const MessageRequest& request) override
    {
        std::fprintf(stderr, "windowshot: the window said: %s\n", qPrintable(request.text));
        ++messages;
        return MessageAnswer::Cancel;
    }
    bool openDocument(const QString&) override { return false; }
    bool runDialog(QDialog&) override { return false; }

    int messages = 0;

private:
    QString m_theme;
};

// The offscreen platform cannot size or raise a window for a window system,
// and says so each time the window is shown; for a picture that is expected.
QtMessageHandler otherMessages = nullptr;

void quietExpectedOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message == QLatin1String("This plugin does not support propagateSizeHints()")
            || message == QLatin1String("This plugin does not support raise()"))) {
        return;
    }
    otherMessages(type, context, message);
}

void press(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

} // namespace

int main(int argc, char* argv[])
{
    // --as-is: the theme as it is, no colour picked (for a theme whose own colours are the point).
    const bool asIs = argc > 1 && std::strcmp(argv[1], "--as-is") == 0;
    if (asIs) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr,
                     "usage: windowshot [--as-is] <theme.ask> <output.png> [device pixels per pixel] [preview.png]\n");
        return 2;
    }
    // An offscreen screen large enough for the whole window, by default at
    // twice the pixels so that the picture stays sharp in print.
    const QByteArray scale = argc >= 4 ? QByteArray(argv[3]) : QByteArray("2");
    QTemporaryDir folder;
    const QString screen = folder.filePath(QStringLiteral("screen.json"));
    {
        QFile config(screen);
        if (!config.open(QIODevice::WriteOnly)
            || config.write(R"({"screens": [{"name": "shot", "x": 0, "y": 0, "width": 1920, "height": 1200,)"
                            R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": )"
                            + scale + "}]}")
                < 0) {
            std::fprintf(stderr, "windowshot: cannot write %s\n", qPrintable(screen));
            return 1;
        }
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen));
    otherMessages = qInstallMessageHandler(quietExpectedOffscreenWarnings);
    const ToolRuntimeFolder runtime;
    QApplication application(argc, argv);
    prepareApplication();

    // The theme is opened from where Live keeps its themes, as a user would.
    const QString themes = folder.filePath(QStringLiteral("Ableton/Live 10 Suite/Resources/Themes"));
    const QString theme = themes + QLatin1Char('/') + QFileInfo(QString::fromLocal8Bit(argv[1])).fileName();
    if (!QDir().mkpath(themes) || !QFile::copy(QString::fromLocal8Bit(argv[1]), theme)) {
        std::fprintf(stderr, "windowshot: cannot copy %s\n", argv[1]);
        return 1;
    }
    ShotDesktop desktop(theme);
    Form1 window(desktop);
    window.show();
    window.findChild<QAbstractButton*>(QStringLiteral("okopendatei"))->click();

    // Pick a colour for entry 3 with the keyboard, as a user may.
    auto* grid = window.findChild<QTableView*>(QStringLiteral("Tabelle2"));
    grid->setCurrentIndex(grid->model()->index(2, 5));
    if (!asIs) {
        press(grid, Qt::Key_Space);
    }
    if (desktop.messages != 0 || grid->model()->rowCount() == 0) {
        std::fprintf(stderr, "windowshot: the theme did not open as expected\n");
        return 1;
    }

    const QString output = QString::fromLocal8Bit(argv[2]);
    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "windowshot: cannot write %s\n", argv[2]);
        return 1;
    }
    if (argc == 5) {
        window.findChild<QAbstractButton*>(QStringLiteral("okpreview"))->click();
        auto* preview = window.findChild<QWidget*>(QStringLiteral("PreviewWindow"));
        auto* sketch = preview ? preview->findChild<SketchView*>(QStringLiteral("sketch")) : nullptr;
        if (!sketch) {
            std::fprintf(stderr, "windowshot: the preview did not open\n");
            return 1;
        }
        preview->resize(1000, 760);
        // The pointer over an area of the entry just picked, so the line below names it.
        const std::string element = sketch->outlined();
        for (const tintwright::sketch::Shape& shape : sketch->scene().shapes) {
            if (shape.element == element) {
                const QPointF at = sketch->toWidget({shape.x + shape.w / 2, shape.y + shape.h / 2});
                QMouseEvent move(QEvent::MouseMove, at, sketch->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(sketch, &move);
                break;
            }
        }
        if (!preview->grab().save(QString::fromLocal8Bit(argv[4]), "PNG")) {
            std::fprintf(stderr, "windowshot: cannot write %s\n", argv[4]);
            return 1;
        }
    }
    return 0;
}
