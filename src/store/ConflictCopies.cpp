#include "store/ConflictCopies.h"

#include "store/FileNames.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Each pattern takes one mark off, the last one in the name: what comes before it, and the
// extension after it, if any.
const QRegularExpression &copyMark(int scheme)
{
    constexpr auto options = QRegularExpression::CaseInsensitiveOption;
    // Syncthing: the base name, ".sync-conflict-", the local date and time "yyyyMMdd-HHmmss", "-",
    // the short device id (seven letters and digits of base 32; none for a file of unknown
    // origin), then the extension.
    static const QRegularExpression syncthing(QStringLiteral(R"(^(.+)\.sync-conflict-[0-9]{8}-[0-9]{6}-(?:[a-z2-7]{7})?(\.[^.]*)?$)"),
                                              options);
    // Nextcloud: " (conflicted copy ", a user name and a space if known (never with parentheses),
    // the date "yyyy-MM-dd hhmmss", ")".
    static const QRegularExpression nextcloud(
        QStringLiteral(R"(^(.+) \(conflicted copy (?:[^()]* )?[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{6}\)(\.[^.]*)?$)"), options);
    // Dropbox: " (", whose copy, "'s conflicted copy ", the date, ")"; a later copy of that day
    // numbered inside.
    static const QRegularExpression dropbox(
        QStringLiteral(R"(^(.+) \([^()]*['’]s conflicted copy [0-9]{4}-[0-9]{2}-[0-9]{2}(?: \([0-9]+\))?\)(\.[^.]*)?$)"), options);
    return scheme == 0 ? syncthing : scheme == 1 ? nextcloud : dropbox;
}

// The name with its last conflict mark taken off, or an empty string when it has none. The mark
// stands where the tool put it, before the extension of the name it copied.
QString withoutLastMark(const QString &name)
{
    for (int scheme = 0; scheme < 3; ++scheme) {
        const QRegularExpressionMatch match = copyMark(scheme).match(name);
        if (!match.hasMatch())
            continue;
        const QString base = match.captured(1);
        const QString extension = match.captured(2);
        if (!extension.isEmpty() || !base.contains(u'.'))
            return base + extension;
    }
    return QString();
}

} // namespace

QString ConflictCopyOriginal(const QString &name)
{
    QString original = withoutLastMark(name);
    // A copy of a copy is a copy of the same file.
    for (QString inner = original; !inner.isEmpty(); inner = withoutLastMark(inner))
        original = inner;
    if (original.isEmpty())
        return QString();
    for (const QString &own : FileName::all()) {
        if (original.compare(own, Qt::CaseInsensitive) == 0)
            return own;
    }
    return QString();
}

QList<ConflictCopy> FindConflictCopies(const DataFolder &folder)
{
    QList<ConflictCopy> copies;
    const QStringList names = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        if (const QString original = ConflictCopyOriginal(name); !original.isEmpty())
            copies.append({name, original});
    }
    return copies;
}
