// SPDX-License-Identifier: GPL-3.0-or-later
// The shared session: one partner value from which both file names follow, and signals that fire
// once for each change the screens follow.

#include "screens/shell/Session.h"

#include <QSignalSpy>
#include <QTest>

namespace {
PartnerProfile profile(const QString &nickname, float target)
{
    return PartnerProfile{nickname, 165.0f, target};
}
} // namespace

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
        Session session;
        // Over to the other partner first, so that the way back is a switch as well.
        session.selectPartner(3 - partner, {});
        session.selectPartner(partner, {});
        QCOMPARE(session.partner(), partner);
        QCOMPARE(session.currentDataFile(), dataFile);
        QCOMPARE(session.currentProfileFile(), profileFile);
    }

    void partnerChangedOncePerSwitch()
    {
        Session session;
        QSignalSpy changed(&session, &Session::partnerChanged);
        QCOMPARE(session.partner(), 1);
        session.selectPartner(1, profile(QStringLiteral("ぽむ"), 60));
        QCOMPARE(changed.count(), 0);
        // The profile is taken all the same: it is the one just read.
        QCOMPARE(session.profile().nickname, QStringLiteral("ぽむ"));

        session.selectPartner(2, profile(QStringLiteral("りな"), 50));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 2);
        QCOMPARE(session.profile().nickname, QStringLiteral("りな"));
        session.selectPartner(2, profile(QStringLiteral("りな"), 50));
        QCOMPARE(changed.count(), 1);
        session.selectPartner(1, profile(QStringLiteral("ぽむ"), 60));
        QCOMPARE(changed.count(), 2);
    }

    void savedProfileReachesOnlyItsPartner()
    {
        Session session;
        session.notePartnerProfile(1, profile(QStringLiteral("ぽむ"), 60));
        session.notePartnerProfile(2, profile(QStringLiteral("りな"), 50));
        session.selectPartner(2, profile(QStringLiteral("りな"), 50));
        QSignalSpy changed(&session, &Session::profileChanged);
        QSignalSpy partner(&session, &Session::partnerChanged);

        session.setProfile(profile(QStringLiteral("りなりな"), 48.5f));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(partner.count(), 0);
        QCOMPARE(session.profile(), profile(QStringLiteral("りなりな"), 48.5f));
        QCOMPARE(session.nickname(2), QStringLiteral("りなりな"));
        QCOMPARE(session.targetWeight(2), 48.5f);
        QCOMPARE(session.nickname(1), QStringLiteral("ぽむ"));
        QCOMPARE(session.targetWeight(1), 60.0f);
    }

    void dataFileChangedOncePerChange()
    {
        Session session;
        QSignalSpy changed(&session, &Session::dataFileChanged);
        session.noteDataFileChanged();
        QCOMPARE(changed.count(), 1);
        session.selectPartner(2, {});
        session.setProfile({});
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
