// SPDX-License-Identifier: GPL-3.0-or-later
// One program per data folder: a second start is refused while the first runs, and a lock left
// by a run that was killed is taken over.
#include "app/SecondStart.h"
#include "store/FolderLock.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>

class TestSecondStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedWhileHeldTakenOverAfterKill();
};

void TestSecondStart::refusedWhileHeldTakenOverAfterKill()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());

    // The first program: this test binary again, holding the lock until it is killed.
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), dir.path()});
    QVERIFY(first.waitForReadyRead(10000));
    QCOMPARE(first.readLine().trimmed(), QByteArray("locked"));

    ScriptedDialogs dialogs;
    FolderLock second(folder);
    QVERIFY(!ClaimDataFolder(second, dialogs));
    QCOMPARE(dialogs.titles(), QStringList{QStringLiteral("ポムリナは起動中です")});
    QCOMPARE(dialogs.shown.first().icon, MessageIcon::Exclamation);
    QCOMPARE(second.holderPid(), first.processId());

    // A crash leaves the lock file behind; the next start takes it over without a word.
    ::kill(pid_t(first.processId()), SIGKILL);
    QVERIFY(first.waitForFinished(10000));
    dialogs.clear();
    FolderLock third(folder);
    QVERIFY(ClaimDataFolder(third, dialogs));
    QVERIFY(dialogs.shown.isEmpty());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold") {
        FolderLock lock{DataFolder(QString::fromLocal8Bit(argv[2]))};
        if (!lock.tryLock())
            return 1;
        std::puts("locked");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    }
    TestSecondStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_secondstart.moc"
