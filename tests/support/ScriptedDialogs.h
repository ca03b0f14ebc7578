#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QStringList>

// Message and input boxes answered in advance; every box shown is kept for the test to read.
// Without a preset answer a box gets its affirmative answer (OK or Yes) and an input box or a
// file dialog is cancelled.
class ScriptedDialogs : public Dialogs
{
public:
    QList<Message> shown;
    QList<MessageAnswer> answers;
    QStringList promptsAsked;
    QList<std::optional<QString>> inputAnswers;
    // "title|start|filter" of every file dialog, and the paths they answer with.
    QStringList fileDialogsAsked;
    QList<std::optional<QString>> fileAnswers;

    MessageAnswer show(const Message &message) override
    {
        shown << message;
        if (!answers.isEmpty())
            return answers.takeFirst();
        const bool yesNo = message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel;
        return yesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    std::optional<QString> input(const QString &title, const QString &prompt, const QString &) override
    {
        promptsAsked << title + QStringLiteral("|") + prompt;
        return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.takeFirst();
    }

    std::optional<QString> openFileName(const QString &title, const QString &directory, const QString &filter) override
    {
        return fileDialog(title, directory, filter);
    }
    std::optional<QString> saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) override
    {
        return fileDialog(title, suggestedPath, filter);
    }
    std::optional<QString> fileDialog(const QString &title, const QString &start, const QString &filter)
    {
        fileDialogsAsked << title + u'|' + start + u'|' + filter;
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }

    QStringList titles() const
    {
        QStringList result;
        for (const Message &m : shown)
            result << m.title;
        return result;
    }
    void clear() { shown.clear(); }
};
