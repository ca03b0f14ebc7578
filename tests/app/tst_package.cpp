// SPDX-License-Identifier: GPL-3.0-or-later
// What the package says of itself: the licence, in the forms Debian and software centres read,
// and no web or mail address that leads nowhere.
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QString textOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class PackageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void licenceIsTheGpl3()
    {
        const QString licence = textOf(QStringLiteral(PMLINA_SOURCE "/LICENSE"));
        QVERIFY(licence.startsWith(QStringLiteral("                    GNU GENERAL PUBLIC LICENSE\n                       Version 3, 29 June 2007")));
        const QString debians = textOf(QStringLiteral("/usr/share/common-licenses/GPL-3"));
        if (!debians.isEmpty())
            QCOMPARE(licence, debians);
    }

    // Debian's machine-readable form: a header naming the format, every file under a licence
    // that a paragraph of its own spells out, the program's GPL version 3 or later.
    void debianCopyrightIsMachineReadable()
    {
        const QStringList paragraphs = textOf(QStringLiteral(PMLINA_SOURCE "/src/app/package/copyright")).split(QStringLiteral("\n\n"));
        QVERIFY(paragraphs.size() >= 3);
        QVERIFY(paragraphs.first().startsWith(QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
        QStringList used;
        QStringList spelledOut;
        QString ofAllFiles;
        for (const QString &paragraph : paragraphs.mid(1)) {
            const QString licence = QRegularExpression(QStringLiteral("^License: (\\S+)$"), QRegularExpression::MultilineOption).match(paragraph).captured(1);
            QVERIFY2(!licence.isEmpty(), qPrintable(paragraph));
            if (paragraph.startsWith(QStringLiteral("Files: "))) {
                QVERIFY(paragraph.contains(QStringLiteral("\nCopyright: ")));
                used << licence;
                if (paragraph.startsWith(QStringLiteral("Files: *\n")))
                    ofAllFiles = licence;
            } else {
                QVERIFY(paragraph.startsWith(QStringLiteral("License: ")) && paragraph.count(u'\n') >= 2);
                spelledOut << licence;
            }
        }
        QCOMPARE(ofAllFiles, QStringLiteral("GPL-3+"));
        for (const QString &licence : std::as_const(used))
            QVERIFY2(spelledOut.contains(licence), qPrintable(licence));
    }

    // What the package installs names the licence as software centres read it and leads
    // nowhere that does not exist.
    void installedTextsPointNowhereUnreal_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("metainfo") << QStringLiteral(PMLINA_BUILD "/src/app/io.github.pmlina.pmlina.metainfo.xml");
        QTest::newRow("changelog") << QStringLiteral(PMLINA_BUILD "/src/app/changelog");
        QTest::newRow("copyright") << QStringLiteral(PMLINA_SOURCE "/src/app/package/copyright");
        QTest::newRow("package") << QStringLiteral(PMLINA_BUILD "/CPackConfig.cmake");
    }
    void installedTextsPointNowhereUnreal()
    {
        QFETCH(QString, path);
        const QString text = textOf(path);
        QVERIFY2(!text.isEmpty(), qPrintable(path));
        QVERIFY(!text.contains(QStringLiteral("github.com/pmlina")) && !text.contains(QStringLiteral("githubusercontent.com/pmlina")));
        QVERIFY(!text.contains(QStringLiteral("noreply")));
        if (path.endsWith(QStringLiteral(".xml")))
            QVERIFY(text.contains(QStringLiteral("<project_license>GPL-3.0-or-later</project_license>")));
    }
};

QTEST_GUILESS_MAIN(PackageTest)
#include "tst_package.moc"
