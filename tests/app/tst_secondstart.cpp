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

#include <cerrno>
#include <csignal>
#include <unistd.h>
#include <cstdio>

namespace {

// A process id that was in use a moment ago and is free now.
qint64 endedProcess()
{
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    const qint64 pid = gone.processId();
    gone.waitForFinished(10000);
    return pid;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSecondStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SafeSave::setReadOnly(false); }

    void lockCases_data()
    {
        QTest::addColumn<QByteArray>("left");           // a lock file there before; "-" for none
        QTest::addColumn<int>("folderError");           // an injected failure of the folder check
        QTest::addColumn<int>("lockError");             // of the lock file's creation
        QTest::addColumn<bool>("held");                 // a live program holds the folder
        QTest::addColumn<FolderLock::Outcome>("outcome");
        QTest::addColumn<QString>("said");              // the box's text, in part; empty: no box
        using O = FolderLock::Outcome;
        const QByteArray here = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("no lock") << QByteArray("-") << 0 << 0 << false << O::Held << QString();
        QTest::newRow("empty") << QByteArray() << 0 << 0 << false << O::Held << QString();
        QTest::newRow("garbage") << QByteArray("\x01\xff not a pid\n\n") << 0 << 0 << false << O::Held << QString();
        // Process 1 is alive, but on another computer the number means nothing here.
        QTest::newRow("other host") << QByteArray("1\nother-host\n/x\n") << 0 << 0 << false << O::Held << QString();
        QTest::newRow("dead process") << QByteArray::number(endedProcess()) + '\n' + here + '\n' << 0 << 0 << false << O::Held << QString();
        QTest::newRow("read-only folder") << QByteArray("-") << EROFS << 0 << false << O::Unavailable << QStringLiteral("読み取り専用です");
        QTest::newRow("full disk") << QByteArray("-") << 0 << ENOSPC << false << O::Unavailable << QStringLiteral("ディスクがいっぱいです");
        QTest::newRow("live second program") << QByteArray("-") << 0 << 0 << true << O::HeldByOther << QStringLiteral("プロセス番号 ");
    }
    void lockCases()
    {
        QFETCH(QByteArray, left);
        QFETCH(int, folderError);
        QFETCH(int, lockError);
        QFETCH(bool, held);
        QFETCH(FolderLock::Outcome, outcome);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const DataFolder folder(dir.path());
        // The first program: this test binary again, holding the folder until it is killed.
        QProcess first;
        if (held) {
            first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), dir.path()});
            QVERIFY(first.waitForReadyRead(10000));
            QCOMPARE(first.readLine().trimmed(), QByteArray("locked"));
            said += QString::number(first.processId());
        }
        FolderLock lock(folder);
        if (left != "-")
            QVERIFY(write(lock.path(), left));
        ScriptedDialogs dialogs;
        const SafeSave::ArmedFault fault = SafeSave::injectLockFault({folderError, lockError});
        QCOMPARE(ClaimDataFolder(lock, dialogs), outcome != FolderLock::Outcome::HeldByOther);
        QCOMPARE(lock.holderPid(), held ? first.processId() : 0);
        QCOMPARE(dialogs.shown.size(), said.isEmpty() ? 0 : 1);
        if (!said.isEmpty()) {
            QVERIFY2(dialogs.shown[0].text.contains(said), qPrintable(dialogs.shown[0].text));
            QCOMPARE(dialogs.shown[0].icon, MessageIcon::Exclamation);
            // Never "already running" unless a program is.
            QCOMPARE(dialogs.shown[0].title == QStringLiteral("ポムリナは起動中です"), held);
        }
        // A run that only reads writes nothing, and says why when it is refused.
        const StoreResult write = SafeSave::replaceFile(dir.filePath(QStringLiteral("x.txt")), "x");
        QCOMPARE(write.ok(), outcome != FolderLock::Outcome::Unavailable);
        if (outcome == FolderLock::Outcome::Held) {
            QFile content(lock.path());
            QVERIFY(content.open(QIODevice::ReadOnly));
            QCOMPARE(content.readLine().trimmed().toLongLong(), QCoreApplication::applicationPid());
        }
        if (held) {
            // A crash leaves the lock file behind; the next start takes it over without a word.
            ::kill(pid_t(first.processId()), SIGKILL);
            QVERIFY(first.waitForFinished(10000));
            dialogs.clear();
            FolderLock third(folder);
            QVERIFY(ClaimDataFolder(third, dialogs));
            QVERIFY(dialogs.shown.isEmpty());
        }
    }

    // The user's runtime folder, or one of the user's own in the temporary folder; one name for a
    // data folder and a link to it.
    void lockFolder_data()
    {
        QTest::addColumn<QByteArray>("runtime"); // "*": a new folder of this user's
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
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime == "*" ? QFile::encodeName(runtimeDir.path()) : runtime);
        const FolderLock lock{DataFolder(data.path())};
        const QString link = runtimeDir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(data.path(), link));
        const FolderLock sameFolder{DataFolder(link)};
        qputenv("XDG_RUNTIME_DIR", saved);
        QVERIFY2(lock.path().startsWith(inside.replace(u'*', runtimeDir.path())), qPrintable(lock.path()));
        QCOMPARE(sameFolder.path(), lock.path());
    }

    // The lock an earlier version kept in the data folder never stands in the way, and goes once
    // no program of this computer can be holding it.
    void legacyLock_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("kept");
        const QByteArray here = '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
        QTest::newRow("dead process") << QByteArray::number(endedProcess()) + "\npmlina" + here << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("live process") << QByteArray::number(QCoreApplication::applicationPid()) + "\npmlina" + here << true;
        QTest::newRow("other host") << QByteArray("1\npmlina\nother-host\n") << true;
    }
    void legacyLock()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        const QString legacy = dir.filePath(FolderLock::legacyFileName());
        QVERIFY(write(legacy, content));
        FolderLock lock{DataFolder(dir.path())};
        QCOMPARE(lock.tryLock(), FolderLock::Outcome::Held);
        QCOMPARE(QFile::exists(legacy), kept);
        // Nothing of it is in the runtime folder's lock, which is not in the data folder at all.
        QVERIFY(!lock.path().startsWith(dir.path()));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold") {
        FolderLock lock{DataFolder(QString::fromLocal8Bit(argv[2]))};
        if (lock.tryLock() != FolderLock::Outcome::Held)
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
