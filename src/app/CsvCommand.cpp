#include "app/CsvCommand.h"

#include "app/CommandLine.h"
#include "app/SecondStart.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/FolderLock.h"
#include "store/TrackerImport.h"
#include "store/MessageText.h"

#include <QDate>
#include <QDir>

namespace {

int exportCsv(const DataFolder &folder, const QString &dataFile, const QString &csvFile, std::FILE *out, std::FILE *err)
{
    const CsvExportResult result = exportMeasurementsCsv(folder, dataFile, csvFile);
    if (!result.result) {
        PrintLine(err, QStringLiteral("pmlina: ") + result.result.message());
        return ExitNothingWritten;
    }
    for (const MalformedLine &bad : result.malformed)
        PrintLine(err, QStringLiteral("pmlina: %1: %2行目を記録として読み取れないため書き出していません：%3").arg(dataFile).arg(bad.lineNumber).arg(messageText(bad.text)));
    PrintLine(out, QStringLiteral("%1件の記録を書き出しました: %2").arg(result.written).arg(csvFile));
    return result.malformed.isEmpty() ? ExitDone : ExitLinesLeftOut;
}

int importCsv(const DataFolder &folder, const QString &dataFile, const CommandLine &command, std::FILE *out, std::FILE *err)
{
    const QString &csvFile = command.csvFile;
    if (!folder.exists(dataFile)) {
        PrintLine(err, QStringLiteral("pmlina: 「%1」がありません（二人を登録したフォルダを --data-dir で指定してください）。").arg(folder.pathFor(dataFile)));
        return ExitNothingWritten;
    }
    const QString shownFile = messageText(csvFile);
    CsvReading reading = readImportMeasurements(csvFile);
    if (reading.fileUnreadable) {
        PrintLine(err, QStringLiteral("pmlina: ") + reading.error);
        return ExitNothingWritten;
    }
    if (const QString found = readingFound(reading); !found.isEmpty())
        PrintLine(out, QStringLiteral("%1: %2").arg(shownFile, found));
    // Nobody to ask: a file that does not name its unit needs the option, never a guess.
    if (reading.unitUnknown) {
        if (command.weightUnit.isEmpty()) {
            PrintLine(err, QStringLiteral("pmlina: %1: %2には体重の単位が書かれていません。--unit kg か --unit lb を付けて取り込んでください。")
                           .arg(shownFile, reading.source));
            return ExitNothingWritten;
        }
        applyWeightUnit(&reading, command.weightUnit == QLatin1String("lb") ? WeightUnit::Pound : WeightUnit::Kilogram);
    }
    const CsvImportPlan plan = planCsvImport(folder, dataFile, reading, QDate::currentDate());
    if (!plan.error.isEmpty()) {
        PrintLine(err, QStringLiteral("pmlina: %1: %2").arg(shownFile, plan.error));
        return ExitNothingWritten;
    }
    for (const CsvLineProblem &p : plan.problems)
        PrintLine(err, QStringLiteral("pmlina: %1: %2：%3").arg(shownFile, plan.place(p.lineNumber), p.reason));
    if (plan.unlistedProblems > 0)
        PrintLine(err, QStringLiteral("pmlina: %1: ほか%2%3を読み取れません").arg(shownFile).arg(plan.unlistedProblems).arg(plan.countsRecords ? u'件' : u'行'));
    if (!plan.added.isEmpty()) {
        if (StoreResult r = mergeMeasurements(folder, dataFile, plan.added); !r) {
            PrintLine(err, QStringLiteral("pmlina: ") + r.message());
            return ExitNothingWritten;
        }
    }
    PrintLine(out, QStringLiteral("%1件を加えました（すでにあった%2件と読み取れない%3%4は加えていません）: %5")
                   .arg(plan.added.size())
                   .arg(plan.duplicates)
                   .arg(plan.problemCount())
                   .arg(plan.countsRecords ? u'件' : u'行')
                   .arg(dataFile));
    return plan.problemCount() == 0 ? ExitDone : ExitLinesLeftOut;
}

} // namespace

int RunCsvCommand(const CommandLine &command, std::FILE *out, std::FILE *err)
{
    // Unlike the window, a script never creates the data folder: a mistyped folder is an error.
    if (!QDir(command.dataDir).exists()) {
        PrintLine(err, QStringLiteral("pmlina: データのフォルダ「%1」がありません。").arg(command.dataDir));
        return ExitNothingWritten;
    }
    const DataFolder folder(command.dataDir);
    const QString dataFile = FileName::dataFile(command.csvPartner);
    if (command.csvAction == CsvAction::Export)
        return exportCsv(folder, dataFile, command.csvFile, out, err);
    FolderLock lock(folder);
    if (const QString refused = ClaimDataFolderForCommand(lock, QStringLiteral("取り込んで")); !refused.isEmpty()) {
        PrintLine(err, QStringLiteral("pmlina: ") + refused);
        return ExitNothingWritten;
    }
    return importCsv(folder, dataFile, command, out, err);
}
