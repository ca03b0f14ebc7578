#include "ui/Dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
// The texts are kept with CR LF line ends, as the files and the help tour write them; a label
// only wants LF.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}
} // namespace

void Dialogs::information(const QString &title, const QString &text)
{
    show({MessageIcon::Information, MessageButtons::Ok, title, text});
}

void Dialogs::warning(const QString &title, const QString &text)
{
    show({MessageIcon::Exclamation, MessageButtons::Ok, title, text});
}

bool Dialogs::askYesNo(const QString &title, const QString &text)
{
    return show({MessageIcon::Question, MessageButtons::YesNo, title, text}) == MessageAnswer::Yes;
}

bool Dialogs::askOkCancel(const QString &title, const QString &text)
{
    return show({MessageIcon::Exclamation, MessageButtons::OkCancel, title, text}) == MessageAnswer::Ok;
}

MessageAnswer QtDialogs::show(const Message &message)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(message.title);
    box.setText(forDisplay(message.text));
    box.setTextFormat(Qt::PlainText);
    switch (message.icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (message.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(forDisplay(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
