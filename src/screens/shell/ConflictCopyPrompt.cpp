#include "screens/shell/ConflictCopyPrompt.h"

#include "diary/PartnerDiary.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/ConflictMerge.h"
#include "store/FileNames.h"
#include "store/MessageText.h"
#include "store/SafeSave.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QScopedValueRollback>

namespace {

const QString kCopyTitle = QStringLiteral("同期の競合コピー");
const QString kKeptIn = QStringLiteral("バックアップのフォルダー（backup/conflicts）");

std::optional<QList<int>> askInWindow(const ConflictCopyOffer &offer)
{
    ConflictCopyDialog dialog(offer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

ConflictCopyPrompt::Chooser &currentChooser()
{
    static ConflictCopyPrompt::Chooser chooser = askInWindow;
    return chooser;
}

// Lines of a copy from another computer, each as a message may quote it.
QString quotedLines(const QStringList &lines)
{
    QStringList quoted;
    for (const QString &line : lines)
        quoted << messageText(line);
    return quoted.join(u'\n');
}

bool isDataFile(const QString &name)
{
    return name == FileName::data1 || name == FileName::data2;
}

} // namespace

void ConflictCopyPrompt::setChooser(Chooser chooser)
{
    currentChooser() = chooser ? std::move(chooser) : Chooser(askInWindow);
}

void ConflictCopyPrompt::beforeAsking()
{
    if (m_beforeAsking)
        m_beforeAsking();
}

void ConflictCopyPrompt::fail(const ConflictCopy &copy, const QString &message)
{
    m_later.insert(copy.fileName);
    beforeAsking();
    m_ctx.shell.showStoreFailure(kCopyTitle, message);
}

void ConflictCopyPrompt::OfferConflictCopies()
{
    // A run that only reads can take nothing in; the copies stay for the next start. A copy that
    // arrives while one is being offered waits for the folder's next change.
    if (SafeSave::readOnly() || m_offering)
        return;
    const QScopedValueRollback offering(m_offering, true);
    for (const ConflictCopy &copy : FindConflictCopies(m_ctx.folder)) {
        // The sync tool may have taken a copy away while an earlier one was being offered; one
        // put off until later is offered again at the next start, not at every change.
        if (m_later.contains(copy.fileName) || !QFileInfo::exists(m_ctx.folder.pathFor(copy.fileName)))
            continue;
        if (isDataFile(copy.original))
            offerDataCopy(copy);
        else
            offerOtherCopy(copy);
    }
}

void ConflictCopyPrompt::offerDataCopy(const ConflictCopy &copy)
{
    const DataCopyDifference difference = CompareDataCopy(m_ctx.folder, copy);
    if (!difference.error.isEmpty()) {
        fail(copy, difference.error);
        return;
    }
    QList<Measurement> chosen;
    if (!difference.missing.isEmpty()) {
        beforeAsking();
        const int partner = copy.original == FileName::data2 ? 2 : 1;
        const std::optional<QList<int>> ticked = currentChooser()(
            {copy.fileName, copy.original, m_ctx.session.nickname(partner), difference.missing, difference.onlyInFile});
        if (!ticked) {
            m_later.insert(copy.fileName); // あとで: offered again at the next start
            return;
        }
        for (const int row : *ticked) {
            if (row >= 0 && row < difference.missing.size())
                chosen << difference.missing[row];
        }
    }
    int added = 0;
    QString keptAs;
    // Through the partner's diary, which every screen shows.
    const int partner = copy.original == FileName::data2 ? 2 : 1;
    if (StoreResult r = m_ctx.session.diary(partner).write(
            [&] { return MergeDataCopy(m_ctx.folder, copy, chosen, m_ctx.clock.today(), &added, &keptAs); });
        !r) {
        fail(copy, r.message());
        return;
    }
    if (!difference.unreadable.isEmpty()) {
        QStringList lines;
        for (const MalformedLine &bad : difference.unreadable)
            lines << QStringLiteral("%1行目：%2").arg(bad.lineNumber).arg(messageText(bad.text));
        beforeAsking();
        m_ctx.dialogs.show({MessageIcon::Exclamation, MessageButtons::Ok, kCopyTitle,
                            QStringLiteral("競合コピー「%1」の次の行は記録として読み取れないため、「%2」に加えていません。"
                                           "コピーは「%3」に残しています。")
                                .arg(copy.fileName, copy.original, keptAs),
                            lines.join(u'\n')});
    }
}

void ConflictCopyPrompt::offerOtherCopy(const ConflictCopy &copy)
{
    const TextCopyDifference difference = CompareTextCopy(m_ctx.folder, copy);
    if (!difference.error.isEmpty()) {
        fail(copy, difference.error);
        return;
    }
    QStringList appended;
    const bool memoLines = copy.original == FileName::memo && !difference.onlyInCopy.isEmpty();
    if (memoLines) {
        beforeAsking();
        const Message question{MessageIcon::Question, MessageButtons::YesNo, kCopyTitle,
                               QStringLiteral("気付きメモの同期の競合コピー「%1」に、今のメモにない行が%2行あります（下に一覧）。\n\n"
                                              "メモの最後に加えますか？\n（どちらでも今のメモは残し、コピーは%3に移します）")
                                   .arg(copy.fileName)
                                   .arg(difference.onlyInCopy.size())
                                   .arg(kKeptIn),
                               quotedLines(difference.onlyInCopy)};
        if (m_ctx.dialogs.show(question) == MessageAnswer::Yes)
            appended = difference.onlyInCopy;
    } else if (!difference.onlyInCopy.isEmpty() || !difference.onlyInFile.isEmpty()) {
        beforeAsking();
        QStringList details;
        if (!difference.onlyInCopy.isEmpty())
            details << QStringLiteral("コピーにだけある行：\n") + quotedLines(difference.onlyInCopy);
        if (!difference.onlyInFile.isEmpty())
            details << QStringLiteral("今のファイルにだけある行：\n") + quotedLines(difference.onlyInFile);
        m_ctx.dialogs.show({MessageIcon::Information, MessageButtons::Ok, kCopyTitle,
                            QStringLiteral("「%1」の同期の競合コピー「%2」が見つかりました。今のファイルとは内容が違います（下に一覧）。\n\n"
                                           "今の「%1」をそのまま使い、コピーは%3に移します。")
                                .arg(copy.original, copy.fileName, kKeptIn),
                            details.join(QStringLiteral("\n\n"))});
    }
    if (StoreResult r = KeepCurrentFile(m_ctx.folder, copy, appended, m_ctx.clock.today()); !r)
        fail(copy, r.message());
}
