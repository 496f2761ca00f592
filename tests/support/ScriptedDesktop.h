#pragma once

#include "Desktop.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace tintwright::ui::testing {

// A desktop whose dialogs answer from a script and remember what they were
// asked. An answer that was not scripted is a cancel, and is counted.
class ScriptedDesktop final : public Desktop {
public:
    void answerOpen(const std::optional<QString>& path) { m_openAnswers.enqueue(path); }
    void answerSave(const std::optional<QString>& path) { m_saveAnswers.enqueue(path); }
    void answerColor(const std::optional<QColor>& color) { m_colorAnswers.enqueue(color); }
    void answerMessage(MessageAnswer answer) { m_messageAnswers.enqueue(answer); }
    void setDocumentsOpen(bool open) { m_documentsOpen = open; }

    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QList<QColor> colorRequests; // the colour each colour dialog started from
    QList<MessageRequest> messages;
    QStringList documents;
    int unscripted = 0;

    std::optional<QString> chooseFileToOpen(QWidget*, const FileRequest& request) override
    {
        openRequests << request;
        return next(m_openAnswers, std::optional<QString>());
    }
    std::optional<QString> chooseFileToSave(QWidget*, const FileRequest& request) override
    {
        saveRequests << request;
        return next(m_saveAnswers, std::optional<QString>());
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override
    {
        colorRequests << initial;
        return next(m_colorAnswers, std::optional<QColor>());
    }
    MessageAnswer showMessage(QWidget*, const MessageRequest& request) override
    {
        messages << request;
        return next(m_messageAnswers, MessageAnswer::Cancel);
    }
    bool openDocument(const QString& path) override
    {
        documents << path;
        return m_documentsOpen;
    }

private:
    template<typename Answer> Answer next(QQueue<Answer>& answers, const Answer& cancel)
    {
        if (answers.isEmpty()) {
            ++unscripted;
            return cancel;
        }
        return answers.dequeue();
    }

    QQueue<std::optional<QString>> m_openAnswers;
    QQueue<std::optional<QString>> m_saveAnswers;
    QQueue<std::optional<QColor>> m_colorAnswers;
    QQueue<MessageAnswer> m_messageAnswers;
    bool m_documentsOpen = true;
};

} // namespace tintwright::ui::testing
