#include "app/SecondStart.h"

#include "store/FolderLock.h"
#include "store/SafeSave.h"
#include "ui/Dialogs.h"

bool ClaimDataFolder(FolderLock &lock, Dialogs &dialogs)
{
    switch (lock.tryLock()) {
    case FolderLock::Outcome::Held:
        return true;
    case FolderLock::Outcome::HeldByOther: {
        const QString holder = lock.holderPid() > 0 ? QStringLiteral("（プロセス番号 %1）").arg(lock.holderPid()) : QString();
        dialogs.warning(QStringLiteral("ポムリナは起動中です"),
                        QStringLiteral("このデータフォルダーは、このコンピューターですでに起動しているポムリナ%1が使っています。\n\n"
                                       "開いているポムリナのウィンドウをお使いください。\n"
                                       "（二つのウィンドウで同じファイルに書き込むと、記録が食い違うおそれがあります）")
                            .arg(holder));
        return false;
    }
    case FolderLock::Outcome::Unavailable:
        break;
    }
    SafeSave::setReadOnly(true);
    dialogs.warning(QStringLiteral("記録を見るだけで開きます"),
                    lock.problem()
                        + QStringLiteral("\n\nこのまま開いて記録を見ることはできますが、この間は記録・修正・設定・メモなどを保存できません"
                                         "（保存しようとすると、そのたびに断ります）。\n"
                                         "原因を取り除いてからポムリナを起動し直すと、いつもどおり使えます。"));
    return true;
}

QString ClaimDataFolderForCommand(FolderLock &lock, const QString &task)
{
    switch (lock.tryLock()) {
    case FolderLock::Outcome::Held:
        return QString();
    case FolderLock::Outcome::HeldByOther:
        // A window open on the folder would go on from its own view of the files it did not see change.
        return QStringLiteral("ポムリナ%1がこのデータフォルダで起動中です。終了してから%2ください。")
            .arg(lock.holderPid() > 0 ? QStringLiteral("（プロセス番号 %1）").arg(lock.holderPid()) : QString(), task);
    case FolderLock::Outcome::Unavailable:
        break;
    }
    return lock.problem() + QStringLiteral("何も書いていません。");
}
