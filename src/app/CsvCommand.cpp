#include "app/CsvCommand.h"

#include "app/CommandLine.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/FolderLock.h"

#include <QDir>
#include <QFile>

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

int exportCsv(const DataFolder &folder, const QString &dataFile, const QString &csvFile, std::FILE *out, std::FILE *err)
{
    const CsvExportResult result = exportMeasurementsCsv(folder, dataFile, csvFile);
    if (!result.result) {
        print(err, QStringLiteral("pmlina: ") + result.result.message());
        return ExitNothingWritten;
    }
    for (const MalformedLine &bad : result.malformed)
        print(err, QStringLiteral("pmlina: %1: %2行目を記録として読み取れないため書き出していません：%3").arg(dataFile).arg(bad.lineNumber).arg(bad.text));
    print(out, QStringLiteral("%1件の記録を書き出しました: %2").arg(result.written).arg(csvFile));
    return result.malformed.isEmpty() ? ExitDone : ExitLinesLeftOut;
}

int importCsv(const DataFolder &folder, const QString &dataFile, const QString &csvFile, std::FILE *out, std::FILE *err)
{
    if (!folder.exists(dataFile)) {
        print(err, QStringLiteral("pmlina: 「%1」がありません（二人を登録したフォルダを --data-dir で指定してください）。").arg(folder.pathFor(dataFile)));
        return ExitNothingWritten;
    }
    QFile file(csvFile);
    if (!file.open(QIODevice::ReadOnly)) {
        print(err, QStringLiteral("pmlina: 「%1」を読み込めませんでした（%2）。").arg(csvFile, file.errorString()));
        return ExitNothingWritten;
    }
    const CsvImportPlan plan = planCsvImport(folder, dataFile, readCsvMeasurements(file.readAll()));
    if (!plan.error.isEmpty()) {
        print(err, QStringLiteral("pmlina: %1: %2").arg(csvFile, plan.error));
        return ExitNothingWritten;
    }
    for (const CsvLineProblem &p : plan.problems)
        print(err, QStringLiteral("pmlina: %1: %2行目：%3").arg(csvFile).arg(p.lineNumber).arg(p.reason));
    if (!plan.added.isEmpty()) {
        if (StoreResult r = mergeMeasurements(folder, dataFile, plan.added); !r) {
            print(err, QStringLiteral("pmlina: ") + r.message());
            return ExitNothingWritten;
        }
    }
    print(out, QStringLiteral("%1件を加えました（すでにあった%2件と読み取れない%3行は加えていません）: %4")
                   .arg(plan.added.size())
                   .arg(plan.duplicates)
                   .arg(plan.problems.size())
                   .arg(dataFile));
    return plan.problems.isEmpty() ? ExitDone : ExitLinesLeftOut;
}

} // namespace

int RunCsvCommand(const CommandLine &command, std::FILE *out, std::FILE *err)
{
    // Unlike the window, a script never creates the data folder: a mistyped folder is an error.
    if (!QDir(command.dataDir).exists()) {
        print(err, QStringLiteral("pmlina: データのフォルダ「%1」がありません。").arg(command.dataDir));
        return ExitNothingWritten;
    }
    const DataFolder folder(command.dataDir);
    const QString dataFile = FileName::dataFile(command.csvPartner);
    if (command.csvAction == CsvAction::Export)
        return exportCsv(folder, dataFile, command.csvFile, out, err);
    // A window open on the folder would go on from its own view of the file it did not see change.
    FolderLock lock(folder);
    if (!lock.tryLock()) {
        print(err, QStringLiteral("pmlina: ポムリナがこのデータフォルダで起動中です。終了してから取り込んでください。"));
        return ExitNothingWritten;
    }
    return importCsv(folder, dataFile, command.csvFile, out, err);
}
