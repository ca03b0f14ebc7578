#include "store/SituationListFile.h"

#include "store/FieldReader.h"
#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/TextFile.h"

namespace {

QString quotedLine(const QString &entry)
{
    return u'"' + entry + QStringLiteral("\"\r\n");
}

QString plainLine(const QString &entry)
{
    return entry + QStringLiteral("\r\n");
}

StoreResult checkEntries(const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (StoreResult r = checkStorableText(entry); !r)
            return r;
    }
    return StoreResult::success();
}

StoreResult append(const DataFolder &folder, const QString &line, const QString &entry)
{
    if (StoreResult r = checkStorableText(entry); !r)
        return r;
    // The defaults the user has been choosing from become the file's first lines, so that
    // adding one entry does not make the others disappear.
    if (!folder.exists(FileName::situationList)) {
        QString text;
        for (const QString &d : defaultSituations())
            text += quotedLine(d);
        return replaceText(folder, FileName::situationList, text + line);
    }
    return appendText(folder, FileName::situationList, line);
}

QStringList entriesOf(const std::optional<QString> &text)
{
    if (!text)
        return defaultSituations();
    QStringList entries;
    for (QStringView line : splitLines(*text)) {
        if (isBlank(line))
            continue;
        for (const Field &field : readFields(line).fields)
            entries.append(field.text.toString());
    }
    return entries;
}

} // namespace

QStringList defaultSituations()
{
    return {QStringLiteral("起床後"), QStringLiteral("朝食前"), QStringLiteral("朝食後"), QStringLiteral("昼食前"),
            QStringLiteral("昼食後"), QStringLiteral("夕食前"), QStringLiteral("夕食後"), QStringLiteral("運動後"),
            QStringLiteral("入浴後"), QStringLiteral("就寝前")};
}

QStringList ReadSituationList(const DataFolder &folder)
{
    return entriesOf(readText(folder, FileName::situationList));
}

StoreResult ReadSituationListForChange(const DataFolder &folder, QStringList *entries)
{
    std::optional<QString> text;
    if (StoreResult r = readTextForChange(folder, FileName::situationList, &text); !r)
        return r;
    *entries = entriesOf(text);
    return StoreResult::success();
}

StoreResult AppendSituationQuoted(const DataFolder &folder, const QString &entry)
{
    return append(folder, quotedLine(entry), entry);
}

StoreResult AppendSituationPlain(const DataFolder &folder, const QString &entry)
{
    return append(folder, plainLine(entry), entry);
}

StoreResult RewriteSituationListPlain(const DataFolder &folder, const QStringList &entries)
{
    if (StoreResult r = checkEntries(entries); !r)
        return r;
    QString text;
    for (const QString &entry : entries)
        text += plainLine(entry);
    return replaceText(folder, FileName::situationList, text);
}

StoreResult RewriteSituationListQuoted(const DataFolder &folder, const QStringList &entries)
{
    if (StoreResult r = checkEntries(entries); !r)
        return r;
    QString text;
    for (const QString &entry : entries)
        text += quotedLine(entry);
    return replaceText(folder, FileName::situationList, text);
}

StoreResult ClearSituationList(const DataFolder &folder)
{
    return replaceText(folder, FileName::situationList, QString());
}
