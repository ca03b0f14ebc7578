// SPDX-License-Identifier: GPL-3.0-or-later
// A writer killed at random moments while it appends, inserts and rewrites data files and
// rewrites the settings, the situation list, the memo and a profile. After every kill each file
// holds what it held before the interrupted step or what the step writes, never a mix; every file
// reads without a damaged line; and what the next start reads is what the finished steps wrote,
// whatever temporary files were left behind.

#include "WriterSteps.h"

#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/MemoFile.h"
#include "store/Profile.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

constexpr int kKills = 200;
constexpr int kMaxDelayUs = 4000; // a few steps' time: most kills land inside a step

// File name -> bytes; a missing file has no entry.
using Snapshot = QMap<QString, QByteArray>;

Snapshot snapshot(const QString &dir)
{
    Snapshot files;
    for (const QString &name : WriterSteps::files()) {
        QFile file(QDir(dir).filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

void restore(const QString &dir, const Snapshot &files)
{
    for (const QString &name : WriterSteps::files()) {
        const QString path = QDir(dir).filePath(name);
        QFile::remove(path);
        if (files.contains(name)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(files[name]) == files[name].size());
        }
    }
}

// The first file in which two snapshots differ, for the failure message.
QString firstDifference(const Snapshot &a, const Snapshot &b)
{
    for (const QString &name : WriterSteps::files()) {
        if (a.value(name, "<missing>") != b.value(name, "<missing>"))
            return QStringLiteral("%1 (%2 and %3 bytes)").arg(name).arg(a.value(name).size()).arg(b.value(name).size());
    }
    return QString();
}

// Everything a start reads from the folder, as the readers give it.
QStringList startReading(const QString &dir)
{
    const DataFolder folder(dir);
    QStringList read;
    for (const QString &name : {FileName::data1, FileName::data2}) {
        const MeasurementFile file = ReadMeasurements(folder, name);
        read << file.malformedReport();
        for (const Measurement &m : file.records)
            read << measurementLine(m);
    }
    read << ReadSituationList(folder);
    const ScaleSteps steps = ReadScaleSteps(folder);
    const PartnerProfile profile = ReadProfile(folder, FileName::profile1);
    read << steps.weightStep << steps.fatStep << ReadMovingAverageSetting(folder) << ReadMemo(folder) << profile.nickname
         << QString::number(profile.height);
    return read;
}

QString scratchBase()
{
    // A kill tests the process, not the disk: a memory file system keeps the thousands of synced
    // writes quick, with the same rename and append behaviour.
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

} // namespace

class TestInterruptedWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKillLeavesBeforeOrAfter()
    {
        QTemporaryDir base(scratchBase() + QStringLiteral("/pmlina-kill-XXXXXX"));
        QVERIFY(base.isValid());
        const QString real = base.filePath(QStringLiteral("real"));
        const QString reference = base.filePath(QStringLiteral("reference"));
        QVERIFY(QDir().mkpath(real) && QDir().mkpath(reference));
        // What an interrupted save leaves where the system cannot make unnamed temporary files.
        for (const QString &name : {FileName::data1, FileName::situationList}) {
            QFile leftover(QDir(real).filePath(name + QStringLiteral(".Ab12Cd")));
            QVERIFY(leftover.open(QIODevice::WriteOnly));
            leftover.write("\"2030/01/01\",\"half\",1,\"\",2,\"\"\r\n\"2030/01");
        }

        QRandomGenerator random(20240611);
        qint64 done = 0;    // the steps the real folder holds
        int cutShort = 0;   // kills after which the step under way had not taken effect
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(STORE_WRITER), {real, QString::number(done + 1)});
            QVERIFY(writer.waitForStarted());
            while (!writer.canReadLine())
                QVERIFY2(writer.waitForReadyRead(10000), writer.readAllStandardError().constData());
            QThread::usleep(random.bounded(kMaxDelayUs));
            writer.kill();
            QVERIFY(writer.waitForFinished());
            QVERIFY2(writer.exitStatus() == QProcess::CrashExit, writer.readAllStandardError().constData());

            qint64 reported = done;
            for (const QByteArray &line : writer.readAllStandardOutput().split('\n')) {
                bool number = false;
                const qint64 step = line.toLongLong(&number);
                if (number)
                    reported = step;
            }
            // The reference runs the same steps undisturbed: up to the last one reported, then
            // the one that may have been under way.
            for (qint64 step = done + 1; step <= reported; ++step)
                QVERIFY(WriterSteps::run(DataFolder(reference), step).ok());
            const Snapshot before = snapshot(reference);
            QVERIFY(WriterSteps::run(DataFolder(reference), reported + 1).ok());
            const Snapshot after = snapshot(reference);

            const Snapshot now = snapshot(real);
            if (now == after) {
                done = reported + 1;
            } else {
                QVERIFY2(now == before, qPrintable(QStringLiteral("kill %1 during step %2: neither before nor after in %3")
                                                       .arg(kill)
                                                       .arg(reported + 1)
                                                       .arg(firstDifference(now, before))));
                done = reported;
                ++cutShort;
                restore(reference, before);
            }
            const QStringList read = startReading(real);
            QVERIFY2(read.at(0).isEmpty(), qPrintable(read.at(0)));
            QCOMPARE(read, startReading(reference));
        }

        // Whatever else is in the folder is a temporary file of a save, never a second spelling
        // of a file that a reader could take.
        QStringList leftovers = QDir(real).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : WriterSteps::files())
            leftovers.removeAll(name);
        for (const QString &name : leftovers)
            QVERIFY2(name.contains(u'.') && WriterSteps::files().contains(name.left(name.lastIndexOf(u'.'))), qPrintable(name));
        qInfo("%d kills survived: %lld steps done, %d kills cut a step short, %lld temporary files left", kKills, done,
              cutShort, qint64(leftovers.size()));
        QVERIFY(cutShort > kKills / 4); // the kills did land inside steps
    }
};

QTEST_GUILESS_MAIN(TestInterruptedWriter)
#include "tst_interruptedwriter.moc"
