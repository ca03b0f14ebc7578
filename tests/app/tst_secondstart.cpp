// SPDX-License-Identifier: GPL-3.0-or-later
// One program per data folder on this computer: a live second program is refused, any lock no
// live program holds is taken over, and a lock that cannot be made opens the diary to be read.
#include "app/SecondStart.h"
#include "store/FaultHook.h"
#include "store/FolderLock.h"
#include "store/SafeSave.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

using Outcome = FolderLock::Outcome;

namespace {

// A process id that was in use a moment ago and is free now.
QByteArray endedProcess()
{
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    const qint64 pid = gone.processId();
    gone.waitForFinished(10000);
    return QByteArray::number(pid);
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray kHere = '\n' + QSysInfo::machineHostName().toUtf8() + '\n';

} // namespace

class TestSecondStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SafeSave::setReadOnly(false); }

    void lockCases_data()
    {
        QTest::addColumn<QByteArray>("left"); // a lock file there before; "-" for none
        QTest::addColumn<Outcome>("outcome"); // HeldByOther: a live program holds the folder
        QTest::addColumn<SafeSave::LockFault>("fault");
        QTest::addColumn<QString>("said"); // the box's text, in part; empty: no box
        // The lock an earlier version kept in the data folder ("-" for none), which never stands in
        // the way, and goes once no program of this computer can be holding it.
        QTest::addColumn<QByteArray>("legacy");
        QTest::addColumn<bool>("legacyKept");
        const auto row = [](const char *name, const QByteArray &left, Outcome outcome = Outcome::Held, SafeSave::LockFault fault = {},
                            const QString &said = {}) { QTest::newRow(name) << left << outcome << fault << said << QByteArray("-") << false; };
        const auto legacyRow = [](const char *name, const QByteArray &legacy, bool kept) {
            QTest::newRow(name) << QByteArray("-") << Outcome::Held << SafeSave::LockFault{} << QString() << legacy << kept;
        };
        row("no lock", "-");
        row("empty", QByteArray());
        row("garbage", "\x01\xff not a pid\n\n");
        // Process 1 is alive here, but the number is another computer's.
        row("other host", "1\nother-host\n");
        row("dead process", endedProcess() + kHere);
        row("read-only folder", "-", Outcome::Unavailable, {EROFS, 0}, QStringLiteral("書き込めません（読み取り専用です）"));
        row("full disk", "-", Outcome::Unavailable, {0, ENOSPC}, QStringLiteral("作れませんでした（ディスクがいっぱいです）"));
        row("live second program", "-", Outcome::HeldByOther, {}, QStringLiteral("プロセス番号 "));
        legacyRow("earlier version's lock, dead process", endedProcess() + "\npmlina" + kHere, false);
        legacyRow("earlier version's lock, empty", QByteArray(), false);
        legacyRow("earlier version's lock, live process", QByteArray::number(QCoreApplication::applicationPid()) + "\npmlina" + kHere, true);
        legacyRow("earlier version's lock, other host", "1\npmlina\nother-host\n", true);
    }
    void lockCases()
    {
        QFETCH(QByteArray, left);
        QFETCH(Outcome, outcome);
        QFETCH(QString, said);
        const bool held = outcome == Outcome::HeldByOther;
        QTemporaryDir dir;
        // The first program: this test binary again, holding the folder until it is killed.
        QProcess first;
        if (held) {
            first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), dir.path()});
            QVERIFY(first.waitForReadyRead(10000));
            said += QString::number(first.processId());
        }
        FolderLock lock{DataFolder(dir.path())};
        QVERIFY(left == "-" || write(lock.path(), left));
        QFETCH(QByteArray, legacy);
        const QString legacyPath = dir.filePath(FolderLock::legacyFileName());
        QVERIFY(legacy == "-" || write(legacyPath, legacy));
        ScriptedDialogs dialogs;
        QFETCH(SafeSave::LockFault, fault);
        const SafeSave::ArmedFault armed = SafeSave::injectLockFault(fault);
        QCOMPARE(ClaimDataFolder(lock, dialogs), !held);
        QCOMPARE(lock.holderPid(), held ? first.processId() : 0);
        QCOMPARE(dialogs.shown.size(), said.isEmpty() ? 0 : 1);
        if (!said.isEmpty()) {
            QVERIFY2(dialogs.shown[0].text.contains(said), qPrintable(dialogs.shown[0].text));
            // Never "already running" unless a program is.
            QCOMPARE(dialogs.shown[0].title == QStringLiteral("ポムリナは起動中です"), held);
        }
        // A run that only reads writes nothing.
        QCOMPARE(SafeSave::replaceFile(dir.filePath(QStringLiteral("x.txt")), "x").ok(), outcome != Outcome::Unavailable);
        QFile content(lock.path());
        QCOMPARE(content.open(QIODevice::ReadOnly) ? content.readLine().trimmed().toLongLong() : 0,
                 outcome == Outcome::Held ? QCoreApplication::applicationPid() : held ? first.processId() : 0);
        QTEST(QFile::exists(legacyPath), "legacyKept");
        if (held) {
            // A crash leaves the lock file behind; the next start takes it over without a word.
            ::kill(pid_t(first.processId()), SIGKILL);
            QVERIFY(first.waitForFinished(10000));
            FolderLock third{DataFolder(dir.path())};
            QCOMPARE(third.tryLock(), Outcome::Held);
        }
    }

    // The user's runtime folder, or one of the user's own in the temporary folder; one name for a
    // data folder and a link to it.
    void lockFolder_data()
    {
        QTest::addColumn<QByteArray>("runtime"); // "*": a folder of this user's
        QTest::addColumn<QString>("inside");
        const QString fallback = QDir::tempPath() + QStringLiteral("/pmlina-%1/").arg(::geteuid());
        QTest::newRow("runtime folder") << QByteArray("*") << QStringLiteral("*/pmlina/");
        QTest::newRow("not set") << QByteArray() << fallback;
        QTest::newRow("relative") << QByteArray("run/user") << fallback;
    }
    void lockFolder()
    {
        QFETCH(QByteArray, runtime);
        QFETCH(QString, inside);
        QTemporaryDir runtimeDir;
        QTemporaryDir data;
        const QString link = runtimeDir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(data.path(), link));
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime == "*" ? QFile::encodeName(runtimeDir.path()) : runtime);
        const FolderLock lock{DataFolder(data.path())};
        const FolderLock sameFolder{DataFolder(link)};
        qputenv("XDG_RUNTIME_DIR", saved);
        QVERIFY2(lock.path().startsWith(inside.replace(u'*', runtimeDir.path())), qPrintable(lock.path()));
        QCOMPARE(sameFolder.path(), lock.path());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold") {
        FolderLock lock{DataFolder(QString::fromLocal8Bit(argv[2]))};
        if (lock.tryLock() != Outcome::Held)
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
