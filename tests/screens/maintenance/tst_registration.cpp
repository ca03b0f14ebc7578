#include "screens/maintenance/Registration.h"
#include "store/FileNames.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
RegistrationFields complete()
{
    return {QStringLiteral("ぽむ"), QStringLiteral("172"), QStringLiteral("65"), QStringLiteral("72.4"), QStringLiteral("26.5"),
            QStringLiteral("はじめの一歩")};
}
} // namespace

class RegistrationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusals_data()
    {
        QTest::addColumn<int>("emptyUpTo"); // boxes 0..emptyUpTo-1 keep their text, the rest are ""
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::newRow("all empty") << 0 << QStringLiteral("ニックネームが入力されていません") << QStringLiteral("ニックネーム未入力");
        QTest::newRow("height") << 1 << QStringLiteral("身長が入力されていません") << QStringLiteral("身長未入力");
        QTest::newRow("target") << 2 << QStringLiteral("目標体重が入力されていません") << QStringLiteral("目標体重未入力");
        QTest::newRow("weight") << 3 << QStringLiteral("現在の体重が入力されていません") << QStringLiteral("現体重未入力");
        QTest::newRow("fat") << 4 << QStringLiteral("現在の体脂肪率が入力されていません") << QStringLiteral("現体脂肪率未入力");
        QTest::newRow("situation") << 5 << QStringLiteral("初回の状況が入力されていません")
                                   << QStringLiteral("初回状況（コメント）未入力");
        QTest::newRow("complete") << 6 << QString() << QString();
    }
    void refusals()
    {
        QFETCH(int, emptyUpTo);
        QFETCH(QString, message);
        QFETCH(QString, title);
        RegistrationFields f = complete();
        QString *boxes[] = {&f.nickname, &f.height, &f.target, &f.weight, &f.bodyFat, &f.situation};
        for (int i = emptyUpTo; i < 6; ++i)
            boxes[i]->clear();
        const std::optional<RegistrationRefusal> r = CheckRegistration(f);
        QCOMPARE(r ? r->message : QString(), message);
        QCOMPARE(r ? r->title : QString(), title);
    }

    void heightAndTargetMustBeNumbers_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("a blank height passes the empty test, not the number test")
            << QStringLiteral(" ") << QStringLiteral("60") << QStringLiteral("身長は数値で入力してください");
        QTest::newRow("height abc") << QStringLiteral("abc") << QStringLiteral("60") << QStringLiteral("身長は数値で入力してください");
        QTest::newRow("height with unit") << QStringLiteral("172cm") << QStringLiteral("60") << QStringLiteral("身長は数値で入力してください");
        QTest::newRow("target abc") << QStringLiteral("172") << QStringLiteral("abc") << QStringLiteral("目標体重は数値で入力してください");
        QTest::newRow("negative height") << QStringLiteral("-5") << QStringLiteral("60")
                                         << QStringLiteral("身長は0より大きい数値で入力してください");
        QTest::newRow("zero height") << QStringLiteral("0") << QStringLiteral("60") << QStringLiteral("身長は0より大きい数値で入力してください");
        QTest::newRow("decimals fine") << QStringLiteral("168.5") << QStringLiteral("55.5") << QString();
    }
    void heightAndTargetMustBeNumbers()
    {
        QFETCH(QString, height);
        QFETCH(QString, target);
        QFETCH(QString, message);
        RegistrationFields f = complete();
        f.height = height;
        f.target = target;
        const std::optional<RegistrationRefusal> r = CheckRegistration(f);
        QCOMPARE(r ? r->message : QString(), message);
    }

    void writesProfileAndOneStartLine_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << QStringLiteral("72.4") << QStringLiteral("26.5")
                               << QStringLiteral("\"2026/12/07\",\"はじめの一歩\",72.4,\"\",26.5,\"\"");
        QTest::newRow("unit after the number") << QStringLiteral("65.5kg") << QStringLiteral("21%")
                                               << QStringLiteral("\"2026/12/07\",\"はじめの一歩\",65.5,\"\",21,\"\"");
        QTest::newRow("no number at all") << QStringLiteral("abc") << QStringLiteral("x")
                                          << QStringLiteral("\"2026/12/07\",\"はじめの一歩\",0,\"\",0,\"\"");
    }
    void writesProfileAndOneStartLine()
    {
        QFETCH(QString, weight);
        QFETCH(QString, fat);
        QFETCH(QString, line);
        QTemporaryDir dir;
        TestFiles::write(dir.path(), FileName::data2, QStringLiteral("\"2020/01/01\",\"old\",80,\"\",30,\"\"\r\n\"2020/01/02\",\"old\",79,\"\",30,\"\"\r\n"));
        RegistrationFields f = complete();
        f.weight = weight;
        f.bodyFat = fat;
        QVERIFY(WriteRegistration(DataFolder(dir.path()), 2, f, QDate(2026, 12, 7)).ok());
        QCOMPARE(TestFiles::lines(dir.path(), FileName::data2), QStringList{line});
        QCOMPARE(TestFiles::text(dir.path(), FileName::profile2),
                 QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",172\r\n\"目標体重\",65\r\n"));
        QVERIFY(!QFile::exists(dir.filePath(FileName::data1)));
    }

    void refusedTextWritesNothing()
    {
        QTemporaryDir dir;
        const QString before = QStringLiteral("\"氏名\",\"前\"\r\n\"身長\",160\r\n\"目標体重\",50\r\n");
        TestFiles::write(dir.path(), FileName::profile1, before);
        RegistrationFields f = complete();
        f.situation = QStringLiteral("はじめの\"一歩\"");
        const StoreResult r = WriteRegistration(DataFolder(dir.path()), 1, f, QDate(2026, 12, 7));
        QVERIFY(!r.ok());
        QVERIFY(r.message().contains(QStringLiteral("はじめの\"一歩\"")));
        QCOMPARE(TestFiles::text(dir.path(), FileName::profile1), before);
        QVERIFY(!QFile::exists(dir.filePath(FileName::data1)));
    }
};

QTEST_GUILESS_MAIN(RegistrationTest)
#include "tst_registration.moc"
