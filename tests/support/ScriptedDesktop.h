#pragma once

#include "components/Desktop.h"

#include <QDialog>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTest>

#include <functional>
#include <utility>

namespace tintwright::ui::testing {

// A desktop whose dialogs answer from a script and remember what they were
// asked. A message box with only OK is answered OK; any other dialog or
// question without a scripted answer is cancelled and noted, so that each
// test's cleanup can refuse it (verifyEverythingWasScripted).
class ScriptedDesktop final : public Desktop {
public:
    void answerOpen(const std::optional<QString>& path) { m_openAnswers.enqueue(path); }
    void answerSave(const std::optional<QString>& path) { m_saveAnswers.enqueue(path); }
    void answerColor(const std::optional<QColor>& color) { m_colorAnswers.enqueue(color); }
    void answerMessage(MessageAnswer answer) { m_messageAnswers.enqueue(answer); }
    void setDocumentsOpen(bool open) { m_documentsOpen = open; }
    // The next dialog of the program's own is handed to `answer`, which may
    // fill it in; its result accepts or rejects the dialog.
    void answerDialog(std::function<bool(QDialog&)> answer) { m_dialogAnswers.enqueue(std::move(answer)); }

    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QList<QColor> colorRequests; // the colour each colour dialog started from
    QStringList colorTitles; // and its title, empty for the desktop's own
    QList<MessageRequest> messages;
    QStringList documents;
    QStringList dialogs; // the objectNames of the program's own dialogs shown

    // What was shown without a scripted answer, by every scripted desktop
    // since the last call.
    static QStringList takeUnscripted() { return std::exchange(s_unscripted, {}); }

    std::optional<QString> chooseFileToOpen(QWidget*, const FileRequest& request) override
    {
        openRequests << request;
        return next(m_openAnswers, std::optional<QString>(), QStringLiteral("open dialog \"%1\"").arg(request.title));
    }
    std::optional<QString> chooseFileToSave(QWidget*, const FileRequest& request) override
    {
        saveRequests << request;
        return next(m_saveAnswers, std::optional<QString>(), QStringLiteral("save dialog \"%1\"").arg(request.title));
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial, const QString& title) override
    {
        colorRequests << initial;
        colorTitles << title;
        return next(m_colorAnswers, std::optional<QColor>(), QStringLiteral("colour dialog"));
    }
    MessageAnswer showMessage(QWidget*, const MessageRequest& request) override
    {
        messages << request;
        if (request.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        return next(m_messageAnswers, MessageAnswer::Cancel, QStringLiteral("question \"%1\"").arg(request.title));
    }
    bool openDocument(const QString& path) override
    {
        documents << path;
        return m_documentsOpen;
    }
    bool runDialog(QDialog& dialog) override
    {
        dialogs << dialog.objectName();
        const auto answer = next(m_dialogAnswers, std::function<bool(QDialog&)>(),
                                 QStringLiteral("dialog \"%1\"").arg(dialog.objectName()));
        return answer && answer(dialog);
    }

private:
    template<typename Answer> Answer next(QQueue<Answer>& answers, const Answer& cancel, const QString& what)
    {
        if (answers.isEmpty()) {
            s_unscripted << what;
            return cancel;
        }
        return answers.dequeue();
    }

    QQueue<std::optional<QString>> m_openAnswers;
    QQueue<std::optional<QString>> m_saveAnswers;
    QQueue<std::optional<QColor>> m_colorAnswers;
    QQueue<MessageAnswer> m_messageAnswers;
    QQueue<std::function<bool(QDialog&)>> m_dialogAnswers;
    bool m_documentsOpen = true;
    inline static QStringList s_unscripted;
};

// For each test's cleanup: the test scripted every dialog and question the window showed.
inline void verifyEverythingWasScripted()
{
    const QStringList unscripted = ScriptedDesktop::takeUnscripted();
    QVERIFY2(unscripted.isEmpty(),
             qPrintable(QStringLiteral("not scripted: ") + unscripted.join(QStringLiteral(", "))));
}

} // namespace tintwright::ui::testing
