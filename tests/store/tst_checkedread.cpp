// SPDX-License-Identifier: GPL-3.0-or-later
// Reading before writing: a file that cannot be read whole (a read that ends short, a folder of
// that name, no permission) is refused by every writer with a message naming it, and nothing is
// written; readers tell such a file from a missing one. Faults armed for a test end with it.
#include "FolderTest.h"

#include "store/Backup.h"
#include "store/RecordEdit.h"
#include "store/CsvMerge.h"
#include "store/DataFile.h"
#include "store/FileNames.h"
#include "store/FileRead.h"
#include "store/ImportFile.h"
#include "store/LegacyConversion.h"
#include "store/SafeSave.h"
#include "store/SituationRename.h"
#include "store/SystemReason.h"

#include <QDate>
#include <QMap>
#include <QTemporaryDir>

#include <functional>
#include <cerrno>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace StoreTest;

namespace {

const QStringList kLines = {
    QStringLiteral("\"2003/11/08\",\"はじめの一歩\",65.5,\"\",21.3,\"\""),
    QStringLiteral("\"2003/11/09\",\"朝食前\",65.1,\"\",21.1,\"\""),
    QStringLiteral("\"2003/11/11\",\"起床後\",64.9,\"散歩\",21,\"\""),
};

// A read fault that leaves every read whole.
constexpr qint64 kNoCut = std::numeric_limits<qint64>::max();

using Writer = std::function<StoreResult(const DataFolder &)>;

// An operation that reads a file and then writes it, or writes what it read elsewhere.
struct WriterCase {
    const char *name;
    Writer write;
    QString reads = FileName::data1;                      // the file whose read goes wrong
    QString readsFirst = {};                              // a file it reads whole before that one
    std::function<bool(const DataFolder &)> prepare = {}; // what it needs besides the usual files
};

QList<WriterCase> writers()
{
    const Measurement added = record(QStringLiteral("2003/11/10"), QStringLiteral("夜"), 65, 21);
    const Measurement second = record(QStringLiteral("2003/11/09"), QStringLiteral("朝食前"), 65.1f, 21.1f);
    return {
        {"append", [=](const DataFolder &f) { return AppendMeasurement(f, FileName::data1, added); }},
        {"ordered insert", [=](const DataFolder &f) { return InsertMeasurementInOrder(f, FileName::data1, added); }},
        {"rewrite", [=](const DataFolder &f) { return RewriteDataFile(f, FileName::data1, {second}); }},
        {"CSV merge", [=](const DataFolder &f) { return mergeMeasurements(f, FileName::data1, {added}); }},
        {"comment save", [=](const DataFolder &f) { return ReplaceComment(f, FileName::data1, 1, 3, second, QStringLiteral("新")).result; }},
        {"situation rename", [](const DataFolder &f) { return RenameSituationInData(f, FileName::data1, QStringLiteral("朝食前"), QStringLiteral("朝")); }},
        {"older-data conversion",
         [](const DataFolder &f) { LegacyConversionReport report; return convertOlderDataFile(f, FileName::data1, 20, &report); }, FileName::data1, {},
         // The older program's data: no body fat.
         [](const DataFolder &f) {
             return writeFile(f.pathFor(FileName::data1), cp932Lines({QStringLiteral("\"2002/05/01\",\"起床後\",58.2,\"\",\"\",\"\""),
                                                                      QStringLiteral("\"2002/05/02\",\"朝\",58,\"\",\"\",\"\"")}));
         }},
        {"weight-history conversion",
         [](const DataFolder &f) { LegacyConversionReport report; return convertWeightHistoryFile(f, FileName::data1, 20, &report); },
         FileName::data1, LegacyFileName::weightHistory},
        // A replace on a day that has its backup already compares with it.
        {"backup before a replace", [](const DataFolder &f) { return BackupBeforeReplace(f, {FileName::data1}, QDate(2024, 6, 11)); },
         FileName::data1, {}, [](const DataFolder &f) { return MakeDailyBackup(f, QDate(2024, 6, 11)).ok(); }},
        {"situation list rename", [](const DataFolder &f) { return RenameSituationInList(f, QStringLiteral("夜"), QStringLiteral("就寝前")); },
         FileName::situationList},
        {"record correction", [=](const DataFolder &f) { return ReplaceRecord(f, FileName::data1, 1, 3, second, added).result; }},
        {"record deletion", [=](const DataFolder &f) { return DeleteRecord(f, FileName::data1, 1, 3, second).result; }},
    };
}

} // namespace

Q_DECLARE_METATYPE(WriterCase)

class TestCheckedRead : public FolderTest
{
    Q_OBJECT

private:

    // A data file every writer can work on, and the weight history the conversion reads.
    void putFiles()
    {
        put(FileName::data1, kLines);
        put(LegacyFileName::weightHistory, {QStringLiteral("\"2003/08/21\",\"朝食前\",70.1")});
        put(FileName::situationList, {QStringLiteral("\"朝\""), QStringLiteral("\"夜\"")});
    }

private Q_SLOTS:
    void noPermissionIsUnreadable()
    {
        if (::geteuid() == 0)
            QSKIP("the superuser reads files of mode 000");
        put(FileName::data1, kLines);
        QVERIFY(QFile::setPermissions(path(FileName::data1), QFileDevice::Permissions()));
        const MeasurementFile read = ReadMeasurements(folder(), FileName::data1);
        QVERIFY(read.exists && read.unreadable());
        QVERIFY(!AppendMeasurement(folder(), FileName::data1, record(QStringLiteral("2003/11/12"), QStringLiteral("夜"), 64, 20)).ok());
        QVERIFY(QFile::setPermissions(path(FileName::data1), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(readFile(path(FileName::data1)), cp932Lines(kLines));
    }

    // What the screens read: an unreadable file is no records and the store's message, never
    // part of the file or an empty diary without a word; a missing one is an empty diary.
    void readersTellUnreadableFromMissing_data()
    {
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("read cut short") << false;
        QTest::newRow("folder of that name") << true;
    }
    void readersTellUnreadableFromMissing()
    {
        QFETCH(bool, asFolder);
        // The records seen (-1 when the file is said to be missing) and the message.
        const auto read = [&]() -> std::pair<int, QString> {
            const MeasurementFile file = ReadMeasurements(folder(), FileName::data1);
            return {file.exists ? int(file.records.size()) : -1, file.readError};
        };
        QCOMPARE(read(), std::make_pair(-1, QString()));
        put(FileName::data1, kLines);
        const std::pair<int, QString> whole{3, QString()};
        QCOMPARE(read(), whole);

        if (asFolder) {
            QVERIFY(QFile::remove(path(FileName::data1)));
            QVERIFY(QDir().mkpath(path(FileName::data1)));
        }
        const auto armed = SafeSave::injectReadFault({asFolder ? kNoCut : 40});
        const auto [seen, error] = read();
        QCOMPARE(seen, 0);
        QVERIFY2(error.startsWith(QStringLiteral("「データ1.txt」を読み込めませんでした")), qPrintable(error));
        if (!asFolder) { // the fault was used up by the read it cut short
            QVERIFY2(error.contains(QStringLiteral("のうち40バイト")), qPrintable(error));
            QCOMPARE(read(), whole);
        }
    }

    void everyWriterRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<WriterCase>("writer");
        QTest::addColumn<QString>("unreadable");
        QTest::addColumn<int>("skipReads");
        QTest::addColumn<bool>("asFolder");
        for (const WriterCase &writer : writers()) {
            const int first = writer.readsFirst.isEmpty() ? 0 : 1;
            QTest::addRow("%s, read cut short", writer.name) << writer << writer.reads << first << false;
            QTest::addRow("%s, folder of that name", writer.name) << writer << writer.reads << 0 << true;
            if (first)
                QTest::addRow("%s, its own file cut short", writer.name) << writer << writer.readsFirst << 0 << false;
        }
    }
    void everyWriterRefusesWhatItCannotRead()
    {
        QFETCH(WriterCase, writer);
        QFETCH(QString, unreadable);
        QFETCH(int, skipReads);
        QFETCH(bool, asFolder);
        putFiles();
        if (writer.prepare)
            QVERIFY(writer.prepare(folder()));
        if (asFolder) {
            QVERIFY(QFile::remove(path(unreadable)));
            QVERIFY(QDir().mkpath(path(unreadable)));
        }
        const auto before = snapshot(m_dir->path());
        const auto backupsBefore = snapshot(BackupRoot(folder()));

        const auto armed = SafeSave::injectReadFault({asFolder ? kNoCut : 5, skipReads});
        const StoreResult r = writer.write(folder());
        QVERIFY(!r.ok());
        QVERIFY2(r.message().contains(QStringLiteral("「%1」を読み込めませんでした").arg(unreadable)), qPrintable(r.message()));
        QCOMPARE(snapshot(m_dir->path()), before);
        QCOMPARE(snapshot(BackupRoot(folder())), backupsBefore);
    }

    void csvImportPlansNothingForAnUnreadableFile()
    {
        // Nothing in the CSV file can be told new or present, and nothing may be merged.
        QVERIFY(QDir().mkpath(path(FileName::data1)));
        const CsvImportPlan plan = planCsvImport(folder(), FileName::data1, readCsvMeasurements("DATE,WEIGHT\n2026-12-01,70\n"), QDate(2026, 12, 7));
        QVERIFY2(plan.error.startsWith(QStringLiteral("「データ1.txt」を読み込めませんでした")), qPrintable(plan.error));
    }

    // A file to import comes from elsewhere: only a regular file is read, whole and within the
    // limit, never blocking on a FIFO or reading a device without end.
    void importFileIsReadOnlyWhenItCan_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("reason"); // empty for a read
        QTest::newRow("regular file") << QStringLiteral("file") << qint64(12) << QString();
        QTest::newRow("above the limit") << QStringLiteral("file") << qint64(11)
                                         << QStringLiteral("12バイトあり、取り込めるファイルの大きさ（11バイトまで）を超えています");
        QTest::newRow("cut short") << QStringLiteral("short") << qint64(12) << QStringLiteral("12バイトのうち5バイトしか読めませんでした");
        QTest::newRow("FIFO") << QStringLiteral("fifo") << qint64(12) << QStringLiteral("普通のファイルではありません");
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero") << kNoCut << QStringLiteral("普通のファイルではありません");
        QTest::newRow("folder") << QStringLiteral("folder") << qint64(12) << QStringLiteral("ファイルではなくフォルダです");
        QTest::newRow("missing") << QStringLiteral("missing") << qint64(12) << QStringLiteral("ファイルまたはフォルダがありません");
    }
    void importFileIsReadOnlyWhenItCan()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, limit);
        QFETCH(QString, reason);
        const QString file = path(QStringLiteral("in.csv"));
        if (kind == u"file" || kind == u"short")
            QVERIFY(writeFile(file, "DATE,WEIGHT\n"));
        else if (kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (kind == u"zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
        else if (kind == u"folder")
            QVERIFY(QDir().mkpath(file));
        const auto armed = SafeSave::injectReadFault({kind == u"short" ? 5 : kNoCut});
        const FileRead read = readImportFile(file, limit);
        QCOMPARE(read.error, reason.isEmpty() ? QString() : QStringLiteral("「in.csv」を読み込めませんでした（%1）。").arg(reason));
        QCOMPARE(read.bytes, reason.isEmpty() ? QByteArray("DATE,WEIGHT\n") : QByteArray());
    }

    // The operating system's reasons in Japanese where a user meets them, its own words otherwise.
    void systemReasons_data()
    {
        QTest::addColumn<QString>("qtReason");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << QStringLiteral("No space left on device") << QStringLiteral("ディスクの空きがありません");
        QTest::newRow("file not writable") << QStringLiteral("Existing file /d/データ1.txt is not writable") << QStringLiteral("アクセスが許可されていません");
        QTest::newRow("read-only") << QString::fromLocal8Bit(std::strerror(EROFS)) << QStringLiteral("読み取り専用の場所です");
    }
    void systemReasons()
    {
        QFETCH(QString, qtReason);
        QTEST(systemReason(qtReason), "reason");
    }
    void writingOverAFolderIsSaidInJapanese()
    {
        QVERIFY(QDir().mkpath(path(FileName::data1)));
        QCOMPARE(SafeSave::replaceFile(path(FileName::data1), "x").message(),
                 QStringLiteral("「データ1.txt」に書き込めませんでした（ファイルではなくフォルダです）。"));
    }

    void faultEndsWithItsScope()
    {
        put(FileName::data1, kLines);
        {
            // Armed, and the operation it was meant for never ran (a test that failed half-way).
            const auto write = SafeSave::injectFault({0, false});
            const auto read = SafeSave::injectReadFault({0});
        }
        QVERIFY(AppendMeasurement(folder(), FileName::data1, record(QStringLiteral("2003/11/12"), QStringLiteral("夜"), 64, 20)));
        QCOMPARE(ReadMeasurements(folder(), FileName::data1).records.size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestCheckedRead)
#include "tst_checkedread.moc"
