// SPDX-License-Identifier: GPL-3.0-or-later
// The shared session: one partner value from which both file names follow, both partners'
// diaries read from their files, and signals that fire once for each change, whoever made it.

#include "diary/PartnerDiary.h"
#include "screens/shell/Session.h"
#include "store/FileNames.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filesFollowThePartner_data()
    {
        QTest::addColumn<int>("partner");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<QString>("profileFile");
        QTest::newRow("1") << 1 << QStringLiteral("データ1.txt") << QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.txt");
        QTest::newRow("2") << 2 << QStringLiteral("データ2.txt") << QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ2.txt");
    }
    void filesFollowThePartner()
    {
        QFETCH(int, partner);
        QFETCH(QString, dataFile);
        QFETCH(QString, profileFile);
        QTemporaryDir dir;
        Session session{DataFolder(dir.path())};
        QSignalSpy changed(&session, &Session::partnerChanged);
        // Over to the other partner first, so that the way back is a switch as well.
        session.selectPartner(3 - partner);
        session.selectPartner(3 - partner);
        session.selectPartner(partner);
        QCOMPARE(changed.count(), partner == 1 ? 2 : 1);
        QCOMPARE(session.partner(), partner);
        QCOMPARE(session.currentDataFile(), dataFile);
        QCOMPARE(session.currentProfileFile(), profileFile);
        QCOMPARE(&session.diary(), &session.diary(partner));
    }

    // Each change is announced once, for its partner only, and what every screen reads follows
    // it: the nickname and target of a saved profile, the records of a save.
    void changesReachOnlyTheirPartner()
    {
        QTemporaryDir dir;
        TestFiles::write(dir.path(), FileName::profile1, QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",170\r\n\"目標体重\",60\r\n"));
        Session session{DataFolder(dir.path())};
        session.load();
        QCOMPARE(session.nickname(1), QStringLiteral("ぽむ"));
        QCOMPARE(session.targetWeight(1), 60.0f);
        session.selectPartner(2);
        QSignalSpy profiles(&session, &Session::profileChanged);
        QSignalSpy records(&session, &Session::recordsChanged);
        QSignalSpy partners(&session, &Session::partnerChanged);

        QVERIFY(session.diary().writeProfile({QStringLiteral("りな"), 158.0f, 48.5f}).ok());
        QCOMPARE(profiles.count(), 1);
        QCOMPARE(profiles.at(0).at(0).toInt(), 2);
        QCOMPARE(session.profile(), (PartnerProfile{QStringLiteral("りな"), 158.0f, 48.5f}));
        QCOMPARE(session.nickname(1), QStringLiteral("ぽむ"));

        QVERIFY(session.diary(1).append({QStringLiteral("2026/12/07"), QStringLiteral("朝"), 65.5f, {}, 20.0f, {}}).ok());
        QCOMPARE(records.count(), 1);
        QCOMPARE(records.at(0).at(0).toInt(), 1);
        QCOMPARE(session.diary(1).recordCount(), 1);
        QCOMPARE(session.recordCount(), 0);
        // Nothing changed since: a look at the files announces nothing.
        session.refresh();
        QCOMPARE(profiles.count() + records.count() + partners.count(), 2);

        // The memo and the situation list, which their screens read, are announced once changed.
        QSignalSpy memo(&session, &Session::memoFileChanged);
        QSignalSpy situations(&session, &Session::situationFileChanged);
        TestFiles::write(dir.path(), FileName::memo, QStringLiteral("朝は散歩\r\n"));
        session.refresh();
        session.refresh();
        QCOMPARE(memo.count(), 1);
        QCOMPARE(situations.count(), 0);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
