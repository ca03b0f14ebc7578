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
    // "title|text|choice|choice…" of every choice box, and the indexes they answer with
    // (cancelled without one).
    QStringList choicesAsked;
    QList<std::optional<int>> choiceAnswers;
    // Each progress bar shown cancels at its advance number `cancelProgressAt` (never when 0).
    int cancelProgressAt = 0;

    std::optional<int> choose(const QString &title, const QString &text, const QStringList &choices) override
    {
        choicesAsked << (QStringList{title, text} + choices).join(u'|');
        return choiceAnswers.isEmpty() ? std::nullopt : choiceAnswers.takeFirst();
    }

    struct ScriptedProgress : Progress {
        int cancelAt, advances = 0;
        explicit ScriptedProgress(int at) : cancelAt(at) {}
        bool advance(qint64, qint64) override { return cancelAt == 0 || ++advances < cancelAt; }
    };
    std::unique_ptr<Progress> progress(const QString &, const QString &) override { return std::make_unique<ScriptedProgress>(cancelProgressAt); }

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
