#include "ui/Dialogs.h"

#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// The texts are kept with CR LF line ends, as the files and the help tour write them; a label
// only wants LF.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}
QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::Information;
}

QStyle::StandardPixmap stylePixmap(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QStyle::SP_MessageBoxInformation;
    case MessageIcon::Exclamation: return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Question: return QStyle::SP_MessageBoxQuestion;
    }
    return QStyle::SP_MessageBoxInformation;
}

// A message with a long list below it. A message box hides its detailed text behind a button
// and keeps it narrow; here the list is open from the start, scrolls, and the box can be made
// larger, so that every line can be read before the box is closed.
MessageAnswer showWithDetails(QWidget *parent, const Message &message)
{
    OnScreen<QDialog> dialog(parent);
    dialog.setWindowTitle(message.title);
    dialog.setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout(&dialog);
    auto *top = new QHBoxLayout;
    auto *icon = new QLabel(&dialog);
    const int iconSize = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &dialog);
    icon->setPixmap(dialog.style()->standardIcon(stylePixmap(message.icon), nullptr, &dialog).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    top->addWidget(icon);
    auto *text = new QLabel(forDisplay(message.text), &dialog);
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(text, 1);
    layout->addLayout(top);
    auto *details = new QPlainTextEdit(forDisplay(message.details), &dialog);
    details->setObjectName(QStringLiteral("details"));
    details->setReadOnly(true);
    details->setLineWrapMode(QPlainTextEdit::NoWrap);
    details->setMinimumSize(layoutPixels(520, parent), layoutPixels(160, parent));
    layout->addWidget(details, 1);
    auto *buttons = new QDialogButtonBox(&dialog);
    MessageAnswer yes = MessageAnswer::Ok;
    MessageAnswer no = MessageAnswer::Cancel;
    switch (message.buttons) {
    case MessageButtons::Ok:
        buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
        break;
    case MessageButtons::OkCancel:
        buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
        buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
        break;
    case MessageButtons::YesNo:
        buttons->addButton(QStringLiteral("はい"), QDialogButtonBox::AcceptRole);
        buttons->addButton(QStringLiteral("いいえ"), QDialogButtonBox::RejectRole);
        yes = MessageAnswer::Yes;
        no = MessageAnswer::No;
        break;
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (message.buttons == MessageButtons::Ok)
        yes = no = MessageAnswer::Ok; // closing the box is its OK
    return dialog.exec() == QDialog::Accepted ? yes : no;
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
    if (!message.details.isEmpty())
        return showWithDetails(m_parent, message);
    OnScreen<QMessageBox> box(m_parent);
    box.setWindowTitle(message.title);
    box.setText(forDisplay(message.text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(boxIcon(message.icon));
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
    OnScreen<QInputDialog> dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(forDisplay(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFileName(const QString &title, const QString &directory, const QString &filter)
{
    OnScreen<QFileDialog> dialog(m_parent, title, directory, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::saveFileName(const QString &title, const QString &suggestedPath, const QString &filter)
{
    OnScreen<QFileDialog> dialog(m_parent, title, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the filter's first one ("*.csv" gives csv).
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    if (star >= 0) {
        qsizetype end = star + 2;
        while (end < filter.size() && filter[end].isLetterOrNumber())
            ++end;
        dialog.setDefaultSuffix(filter.mid(star + 2, end - star - 2));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
