// Renaming a situation in a full data file (about a sixth of its lines carry it) reads the file,
// looks at every line and writes it once; the store's whole-file rewrite of the same records is
// the yardstick.

#include "BenchData.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/SituationRename.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRuns = 15;

} // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");
    writeBenchDataFiles(dir.path(), kMaxDataLines);
    const DataFolder folder(dir.path());
    QFile source(folder.pathFor(FileName::data1));
    if (!source.open(QIODevice::ReadOnly))
        fail("no data file");
    const QByteArray full = source.readAll();
    const QList<Measurement> records = ReadMeasurements(folder, FileName::data1).records;
    const QString work = QStringLiteral("作業.txt");
    const auto freshCopy = [&] {
        QFile file(folder.pathFor(work));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(full) != full.size())
            fail("copy");
    };

    int changed = 0;
    const double rename = medianMs(kRuns, freshCopy, [&] {
        if (!RenameSituationInData(folder, work, QStringLiteral("朝食後"), QStringLiteral("朝ごはんの後"), &changed) || changed == 0)
            fail("rename");
    });
    const double rewrite = medianMs(kRuns, freshCopy, [&] {
        if (!RewriteDataFile(folder, work, records))
            fail("rewrite");
    });

    std::printf("renamed %d of %d lines\n", changed, int(records.size()));
    printBench(QStringLiteral("rename_situation"), rename);
    printBench(QStringLiteral("rewrite"), rewrite);
    printRatio(QStringLiteral("rename_situation/rewrite"), rename / rewrite);
    return 0;
}
