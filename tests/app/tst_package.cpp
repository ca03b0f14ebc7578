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
        const QString copyright = textOf(QStringLiteral(PMLINA_SOURCE "/src/app/package/copyright"));
        QVERIFY(copyright.startsWith(QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
        QVERIFY(copyright.contains(QStringLiteral("\n\nFiles: *\nCopyright: 2026 the Pmlina developers\nLicense: GPL-3+\n")));
        const QRegularExpression licence(QStringLiteral("^License: (\\S+)$"), QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch &used : licence.globalMatch(copyright)) // each spelled out after a blank line
            QVERIFY2(copyright.contains(QStringLiteral("\n\nLicense: %1\n ").arg(used.captured(1))), qPrintable(used.captured(1)));
    }

    // What the package installs names the licence as software centres read it and leads
    // nowhere that does not exist.
    void installedTextsPointNowhereUnreal_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("metainfo") << QStringLiteral(PMLINA_BUILD "/src/app/io.github.pmlina.pmlina.metainfo.xml");
        QTest::newRow("changelog") << QStringLiteral(PMLINA_BUILD "/src/app/changelog");
        QTest::newRow("copyright") << QStringLiteral(PMLINA_SOURCE "/src/app/package/copyright");
        QTest::newRow("package fields") << QStringLiteral(PMLINA_SOURCE "/src/app/package/Package.cmake");
    }
    void installedTextsPointNowhereUnreal()
    {
        QFETCH(QString, path);
        const QString text = textOf(path);
        QVERIFY2(!text.isEmpty(), qPrintable(path));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("github(usercontent)?\\.com/pmlina|noreply"))));
        if (path.endsWith(QStringLiteral(".xml")))
            QVERIFY(text.contains(QStringLiteral("<project_license>GPL-3.0-or-later</project_license>")));
    }
};

QTEST_GUILESS_MAIN(PackageTest)
#include "tst_package.moc"
