#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

// Every message box and input box of the program goes through this interface, so that tests can
// answer them in advance and read back exactly what was shown.
enum class MessageIcon { Information, Exclamation, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };
// What closing a box without a button answers: OK for a box with only OK, No for Yes/No, Cancel
// for the others.
MessageAnswer ClosingAnswer(MessageButtons buttons);

struct Message {
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    QString title;
    QString text;
    // A long list that goes with the text (every line a file could not give, say), shown below
    // it in a scrollable box; empty for most messages.
    QString details = {};
    // No (or Cancel) is the default button instead of Yes: Enter alone does not destroy anything.
    bool cautiousDefault = false;
    bool operator==(const Message &) const = default;
};

// A long piece of work shown with a bar and a cancel button.
class Progress
{
public:
    virtual ~Progress() = default;
    // How far the work has come; false once the user has cancelled it.
    virtual bool advance(qint64 done, qint64 total) = 0;
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A question answered by one of a few buttons, in the order given (the first the default),
    // and キャンセル: the index of the one pressed, nothing when cancelled or closed.
    virtual std::optional<int> choose(const QString &title, const QString &text, const QStringList &choices) = 0;
    // A progress bar that appears once the work has taken a moment, closed when it is destroyed.
    virtual std::unique_ptr<Progress> progress(const QString &title, const QString &text) = 0;

    virtual MessageAnswer show(const Message &message) = 0;
    // The typed text; nothing when the box was cancelled.
    virtual std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultText) = 0;
    // The desktop's file dialogs: the chosen path, nothing when cancelled. `filter` is in the
    // toolkit's form, "CSV (*.csv)"; a save starts from `suggestedPath` and asks before it
    // replaces an existing file.
    virtual std::optional<QString> openFileName(const QString &title, const QString &directory, const QString &filter) = 0;
    virtual std::optional<QString> saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) = 0;

    // An information box with OK.
    void information(const QString &title, const QString &text);
    // A warning box (exclamation icon) with OK: refuses invalid input.
    void warning(const QString &title, const QString &text);
    // A question box with Yes and No: true on Yes.
    bool askYesNo(const QString &title, const QString &text);
    // A question box with Yes and No, No the default: for what cannot be undone. True on Yes.
    bool askYesNoDefaultNo(const QString &title, const QString &text);
    // An exclamation box with OK and Cancel: true on OK.
    bool askOkCancel(const QString &title, const QString &text);
    // A question box with Yes, No and Cancel; closing the box is its Cancel.
    MessageAnswer askYesNoCancel(const QString &title, const QString &text);
};

// The real boxes, modal to the given window.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    MessageAnswer show(const Message &message) override;
    std::optional<int> choose(const QString &title, const QString &text, const QStringList &choices) override;
    std::unique_ptr<Progress> progress(const QString &title, const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultText) override;
    std::optional<QString> openFileName(const QString &title, const QString &directory, const QString &filter) override;
    std::optional<QString> saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) override;

private:
    QWidget *m_parent;
};
