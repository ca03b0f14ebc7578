#include "ui/Dialogs.h"

#include "ui/Twips.h"
#include "ui/WindowPlacement.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QPushButton>
#include <QSpacerItem>
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
    QList<std::pair<QAbstractButton *, MessageAnswer>> choices;
    auto add = [&](const QString &text, QDialogButtonBox::ButtonRole role, MessageAnswer answer) {
        choices.append({buttons->addButton(text, role), answer});
    };
    switch (message.buttons) {
    case MessageButtons::Ok:
        add(QStringLiteral("OK"), QDialogButtonBox::AcceptRole, MessageAnswer::Ok);
        break;
    case MessageButtons::OkCancel:
        add(QStringLiteral("OK"), QDialogButtonBox::AcceptRole, MessageAnswer::Ok);
        add(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole, MessageAnswer::Cancel);
        break;
    case MessageButtons::YesNo:
        add(QStringLiteral("はい"), QDialogButtonBox::YesRole, MessageAnswer::Yes);
        add(QStringLiteral("いいえ"), QDialogButtonBox::NoRole, MessageAnswer::No);
        break;
    case MessageButtons::YesNoCancel:
        add(QStringLiteral("はい"), QDialogButtonBox::YesRole, MessageAnswer::Yes);
        add(QStringLiteral("いいえ"), QDialogButtonBox::NoRole, MessageAnswer::No);
        add(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole, MessageAnswer::Cancel);
        break;
    }
    // Closing the box (Escape, the title bar) answers as its most cautious button does.
    MessageAnswer answer = ClosingAnswer(message.buttons);
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton *clicked) {
        for (const auto &[button, choice] : std::as_const(choices)) {
            if (button == clicked)
                answer = choice;
        }
        dialog.accept();
    });
    layout->addWidget(buttons);
    dialog.setMinimumWidth(titleBarRoom(message.title, &dialog));
    dialog.exec();
    return answer;
}

} // namespace

MessageAnswer ClosingAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::OkCancel: return MessageAnswer::Cancel;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

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

bool Dialogs::askYesNoDefaultNo(const QString &title, const QString &text)
{
    return show({MessageIcon::Question, MessageButtons::YesNo, title, text, QString(), true}) == MessageAnswer::Yes;
}

bool Dialogs::askOkCancel(const QString &title, const QString &text)
{
    return show({MessageIcon::Exclamation, MessageButtons::OkCancel, title, text}) == MessageAnswer::Ok;
}

MessageAnswer Dialogs::askYesNoCancel(const QString &title, const QString &text)
{
    return show({MessageIcon::Question, MessageButtons::YesNoCancel, title, text});
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
        if (message.cautiousDefault)
            box.setDefaultButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
        box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    // A message box is as wide as its text; a short text under a long title would leave the title
    // cut off in the title bar. A spacer in its layout makes the box at least as wide as the title.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(titleBarRoom(message.title, &box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return ClosingAnswer(message.buttons);
    }
}

std::optional<int> QtDialogs::choose(const QString &title, const QString &text, const QStringList &choices)
{
    OnScreen<QMessageBox> box(m_parent);
    box.setWindowTitle(title);
    box.setText(forDisplay(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::Question);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons << box.addButton(choice, QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen >= 0 ? std::optional<int>(int(chosen)) : std::nullopt;
}

namespace {

// The toolkit's progress dialog, shown after half a second, kept up to date a few times a
// second (drawing it for every piece read would cost more than the reading).
class DialogProgress : public Progress
{
public:
    DialogProgress(QWidget *parent, const QString &title, const QString &text)
        : m_dialog(forDisplay(text), QStringLiteral("キャンセル"), 0, 1000, parent)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
        m_clock.start();
    }

    bool advance(qint64 done, qint64 total) override
    {
        if (m_clock.elapsed() >= 100) {
            m_clock.restart();
            m_dialog.setValue(total > 0 ? int(std::min<qint64>(1000, done * 1000 / total)) : 0);
            QCoreApplication::processEvents();
        }
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_clock;
};

} // namespace

std::unique_ptr<Progress> QtDialogs::progress(const QString &title, const QString &text)
{
    return std::make_unique<DialogProgress>(m_parent, title, text);
}

std::optional<QString> QtDialogs::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    OnScreen<QInputDialog> dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(forDisplay(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    // The dialog's layout sets its size from the controls: its prompt is made as wide as the
    // title needs.
    if (auto *label = dialog.findChild<QLabel *>()) {
        const int margins = dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &dialog)
                            + dialog.style()->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &dialog);
        label->setMinimumWidth(titleBarRoom(title, &dialog) - margins);
    }
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
