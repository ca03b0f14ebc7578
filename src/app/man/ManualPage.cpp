// SPDX-License-Identifier: GPL-3.0-or-later
// pmlina_manual_page TEMPLATE OUTPUT: the manual page, its options and exit statuses written from
// the texts --help is made of, so that the two cannot tell different stories.
#include "app/CommandLine.h"
#include "store/SafeSave.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

// Text as roff shows it: a backslash and the dashes of an option escaped, no line taken for a
// request.
QString roff(QString text)
{
    text.replace(u'\\', QStringLiteral("\\e"));
    text.replace(QStringLiteral("--"), QStringLiteral("\\-\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// ".TP" with the term in bold (an option's arguments in italics), then the text.
QString entries(const QList<HelpEntry> &help, bool japanese)
{
    QString out;
    for (const HelpEntry &entry : help) {
        const QString term = japanese ? entry.termJa : entry.term;
        const qsizetype space = term.indexOf(u' ');
        out += QStringLiteral(".TP\n");
        if (space < 0)
            out += QStringLiteral(".B %1\n").arg(roff(term));
        else
            out += QStringLiteral(".BI %1 \" %2\"\n").arg(roff(term.left(space)), term.mid(space + 1));
        // The groff of Debian 12 cannot break Japanese lines: they are broken here and shown as
        // written.
        if (japanese)
            out += QStringLiteral(".nf\n") + roff(WrappedLines(entry.japanese, 66).join(u'\n')) + u'\n';
        else
            out += roff(entry.english) + u'\n';
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: pmlina_manual_page TEMPLATE OUTPUT\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pmlina_manual_page: cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList markers = {QStringLiteral(".\\\" pmlina: options"), QStringLiteral(".\\\" pmlina: options ja"),
                                 QStringLiteral(".\\\" pmlina: exit status"), QStringLiteral(".\\\" pmlina: exit status ja")};
    const QString sections[] = {entries(OptionHelp(), false), entries(OptionHelp(), true), entries(ExitStatusHelp(), false),
                                entries(ExitStatusHelp(), true)};
    QString page;
    int replaced = 0;
    for (const QString &line : QString::fromUtf8(in.readAll()).split(u'\n')) {
        const qsizetype marker = markers.indexOf(line);
        if (marker >= 0) {
            page += sections[marker];
            ++replaced;
        } else {
            page += line + u'\n';
        }
    }
    page.chop(1); // the split's last, empty line
    if (replaced != markers.size()) {
        std::fputs("pmlina_manual_page: the template lacks a section marker\n", stderr);
        return 1;
    }
    if (const StoreResult written = SafeSave::replaceFile(QString::fromLocal8Bit(argv[2]), page.toUtf8()); !written) {
        std::fprintf(stderr, "pmlina_manual_page: %s\n", written.message().toUtf8().constData());
        return 1;
    }
    return 0;
}
