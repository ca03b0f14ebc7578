#include "app/SecondStart.h"

#include "store/FolderLock.h"
#include "ui/Dialogs.h"

bool ClaimDataFolder(FolderLock &lock, Dialogs &dialogs)
{
    if (lock.tryLock())
        return true;
    dialogs.warning(QStringLiteral("ポムリナは起動中です"),
                    QStringLiteral("このデータフォルダーは、すでに起動しているポムリナが使っています。\n\n"
                                   "開いているポムリナのウィンドウをお使いください。\n"
                                   "（二つのウィンドウで同じファイルに書き込むと、記録が食い違うおそれがあります）"));
    return false;
}
