#include "store/MemoFile.h"

#include "store/FileNames.h"
#include "store/TextFile.h"

QString ReadMemo(const DataFolder &folder)
{
    return memoFromFileText(readText(folder, FileName::memo).value_or(QString()));
}

QString memoFromFileText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    // The line end the writer adds after the text is not part of the memo.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

StoreResult WriteMemo(const DataFolder &folder, const QString &memo)
{
    QString text = memo;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(u'\n', QStringLiteral("\r\n"));
    return replaceText(folder, FileName::memo, text + QStringLiteral("\r\n"));
}
