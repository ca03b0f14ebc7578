#include "app/MergeCopiesCommand.h"

#include "app/CommandLine.h"
#include "app/SecondStart.h"
#include "store/ConflictMerge.h"
#include "store/FileNames.h"
#include "store/FolderLock.h"

#include <QDir>
#include <QFileInfo>

namespace {

// What was done with one copy, for standard output; an empty string after a failure, which has
// gone to `err`.
QString takeIn(const DataFolder &folder, const ConflictCopy &copy, bool *linesLeftOut, std::FILE *err)
{
    const QDate today = QDate::currentDate();
    QString keptAs;
    const auto failed = [&](const QString &message) {
        PrintLine(err, QStringLiteral("pmlina: %1: %2").arg(copy.fileName, message));
        return QString();
    };
    if (copy.original == FileName::data1 || copy.original == FileName::data2) {
        const DataCopyDifference difference = CompareDataCopy(folder, copy);
        if (!difference.error.isEmpty())
            return failed(difference.error);
        int added = 0;
        if (StoreResult r = MergeDataCopy(folder, copy, difference.missing, today, &added, &keptAs); !r)
            return failed(r.message());
        for (const MalformedLine &bad : difference.unreadable)
            PrintLine(err, QStringLiteral("pmlina: %1: %2行目は記録として読み取れないため加えていません（%3 に残しています）：%4")
                         .arg(copy.fileName)
                         .arg(bad.lineNumber)
                         .arg(keptAs, bad.text));
        *linesLeftOut = *linesLeftOut || !difference.unreadable.isEmpty();
        return QStringLiteral("%1: %2件の記録を「%3」に加えました（「%3」にだけある%4件はそのままです）。コピーは %5 に移しました。")
            .arg(copy.fileName)
            .arg(added)
            .arg(copy.original)
            .arg(difference.onlyInFile)
            .arg(keptAs);
    }
    const TextCopyDifference difference = CompareTextCopy(folder, copy);
    if (!difference.error.isEmpty())
        return failed(difference.error);
    const QStringList appended = copy.original == FileName::memo ? difference.onlyInCopy : QStringList();
    if (StoreResult r = KeepCurrentFile(folder, copy, appended, today, &keptAs); !r)
        return failed(r.message());
    if (!appended.isEmpty())
        return QStringLiteral("%1: コピーにしかない%2行を「%3」の最後に加えました。コピーは %4 に移しました。")
            .arg(copy.fileName)
            .arg(appended.size())
            .arg(copy.original, keptAs);
    return QStringLiteral("%1: 「%2」は今のまま残しました（コピーにだけある行 %3、今のファイルにだけある行 %4）。コピーは %5 に移しました。")
        .arg(copy.fileName, copy.original)
        .arg(difference.onlyInCopy.size())
        .arg(difference.onlyInFile.size())
        .arg(keptAs);
}

} // namespace

int RunMergeCopiesCommand(const CommandLine &command, std::FILE *out, std::FILE *err)
{
    if (!QDir(command.dataDir).exists()) {
        PrintLine(err, QStringLiteral("pmlina: データのフォルダ「%1」がありません。").arg(command.dataDir));
        return ExitNothingWritten;
    }
    const DataFolder folder(command.dataDir);
    FolderLock lock(folder);
    if (const QString refused = ClaimDataFolderForCommand(lock, QStringLiteral("競合コピーをまとめて")); !refused.isEmpty()) {
        PrintLine(err, QStringLiteral("pmlina: ") + refused);
        return ExitNothingWritten;
    }
    const QList<ConflictCopy> copies = FindConflictCopies(folder);
    int merged = 0;
    bool linesLeftOut = false;
    for (const ConflictCopy &copy : copies) {
        // The sync tool may have taken a copy away meanwhile.
        if (!QFileInfo::exists(folder.pathFor(copy.fileName))) {
            ++merged;
            continue;
        }
        if (const QString done = takeIn(folder, copy, &linesLeftOut, err); !done.isEmpty()) {
            PrintLine(out, done);
            ++merged;
        }
    }
    if (copies.isEmpty())
        PrintLine(out, QStringLiteral("競合コピーはありません。"));
    else
        PrintLine(out, QStringLiteral("競合コピー%1個のうち%2個をまとめました。").arg(copies.size()).arg(merged));
    if (merged < copies.size())
        return ExitNothingWritten;
    return linesLeftOut ? ExitLinesLeftOut : ExitDone;
}
