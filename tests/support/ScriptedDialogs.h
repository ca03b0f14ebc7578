#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QStringList>

// Message and input boxes answered in advance; every box shown is kept for the test to read.
// Without a preset answer a box gets its affirmative answer (OK or Yes) and an input box is
// cancelled.
class ScriptedDialogs : public Dialogs
{
public:
    QList<Message> shown;
    QList<MessageAnswer> answers;
    QStringList promptsAsked;
    QList<std::optional<QString>> inputAnswers;

    MessageAnswer show(const Message &message) override
    {
        shown << message;
        if (!answers.isEmpty())
            return answers.takeFirst();
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    std::optional<QString> input(const QString &title, const QString &prompt, const QString &) override
    {
        promptsAsked << title + QStringLiteral("|") + prompt;
        return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.takeFirst();
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
