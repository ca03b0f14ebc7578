// SPDX-License-Identifier: GPL-3.0-or-later
// The selected partner's measurements out to a CSV file and in from one, in the columns other
// weight trackers use, or from another tracker's export (Apple Health, Google Fit, Fitbit, …).
// An import shows what it found and what it would do, every unreadable line included, asks the
// unit of a file that does not name it, and writes only on OK.
#include "screens/maintenance/MaintenanceCsv.h"

#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "diary/PartnerDiary.h"
#include "store/TrackerImport.h"
#include "store/MessageText.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"
#include "ui/Named.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

const QString kFilter = QStringLiteral("CSVファイル (*.csv);;すべてのファイル (*)");
// What other trackers export: CSV and text files, JSON, the Health app's XML, and zips of them.
const QString kImportFilter = QStringLiteral("記録のファイル (*.csv *.txt *.json *.xml *.zip);;すべてのファイル (*)");
const QString kImportTitle = QStringLiteral("CSV取り込み");
const QString kExportTitle = QStringLiteral("CSV書き出し");

// A nickname as part of a file name: the characters file systems refuse become "_".
QString fileNamePart(const QString &text)
{
    QString part;
    for (const QChar c : text)
        part += (c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c)) ? QChar(u'_') : c;
    return part.trimmed();
}

} // namespace

MaintenanceCsv::MaintenanceCsv(ScreenContext &context, QWidget *frameParent, QObject *parent)
    : QObject(parent)
    , m_ctx(context)
{
    build(frameParent);
    connect(cmdCsvOut, &QPushButton::clicked, this, &MaintenanceCsv::cmdCsvOut_Click);
    connect(cmdCsvIn, &QPushButton::clicked, this, &MaintenanceCsv::cmdCsvIn_Click);
}

void MaintenanceCsv::build(QWidget *parent)
{
    fraCsv = named(new QGroupBox(QStringLiteral("データの書き出し・取り込み"), parent), QStringLiteral("fraCsv"));
    auto *layout = new QHBoxLayout(fraCsv);
    cmdCsvOut = named(new QPushButton(QStringLiteral("CSV書き出し"), fraCsv), QStringLiteral("cmdCsvOut"));
    cmdCsvIn = named(new QPushButton(QStringLiteral("CSV取り込み"), fraCsv), QStringLiteral("cmdCsvIn"));
    cmdCsvOut->setToolTip(QStringLiteral("選ばれているパートナーの記録をCSVファイルに書き出します"));
    cmdCsvIn->setToolTip(QStringLiteral("CSVファイルやほかのアプリの書き出し（Apple Health、Google Fit、Fitbit など）の記録を選ばれているパートナーのデータに加えます"));
    layout->addWidget(cmdCsvOut);
    layout->addWidget(cmdCsvIn);
    layout->addStretch();
}

void MaintenanceCsv::cmdCsvOut_Click()
{
    m_ctx.session.refresh();
    const Session &session = m_ctx.session;
    QString name = fileNamePart(session.profile().nickname);
    if (name.isEmpty())
        name = QStringLiteral("データ%1").arg(session.partner());
    name += m_ctx.clock.today().toString(QStringLiteral("_yyyy-MM-dd")) + QStringLiteral(".csv");
    const QString folder = m_csvFolder.isEmpty() ? QDir::homePath() : m_csvFolder;
    const std::optional<QString> path = m_ctx.dialogs.saveFileName(kExportTitle, QDir(folder).filePath(name), kFilter);
    if (!path)
        return;
    m_csvFolder = QFileInfo(*path).absolutePath();

    const CsvExportResult out = exportMeasurementsCsv(m_ctx.folder, session.currentDataFile(), *path);
    if (!out.result) {
        m_ctx.shell.showStoreFailure(QStringLiteral("CSVを書き出せません"), out.result.message());
        return;
    }
    Message done{MessageIcon::Information, MessageButtons::Ok, kExportTitle,
                 QStringLiteral("%1件の記録を書き出しました。\r\n%2").arg(out.written).arg(QDir::toNativeSeparators(*path))};
    if (!out.malformed.isEmpty()) {
        done.text += QStringLiteral("\r\n\r\n記録として読み取れない%1行は書き出していません（下の一覧）。").arg(out.malformed.size());
        QStringList lines;
        for (const MalformedLine &bad : out.malformed)
            lines << QStringLiteral("%1行目：%2").arg(bad.lineNumber).arg(messageText(bad.text));
        done.details = lines.join(u'\n');
    }
    m_ctx.dialogs.show(done);
}

void MaintenanceCsv::cmdCsvIn_Click()
{
    m_ctx.session.refresh();
    const Session &session = m_ctx.session;
    const std::optional<QString> path =
        m_ctx.dialogs.openFileName(kImportTitle, m_csvFolder.isEmpty() ? QDir::homePath() : m_csvFolder, kImportFilter);
    if (!path)
        return;
    m_csvFolder = QFileInfo(*path).absolutePath();
    const QString fileName = messageText(QFileInfo(*path).fileName());

    CsvReading reading;
    {
        // An Apple Health export takes a while: its reading shows a bar and can be cancelled.
        const std::unique_ptr<Progress> progress = m_ctx.dialogs.progress(kImportTitle, QStringLiteral("「%1」を読んでいます…").arg(fileName));
        reading = readImportMeasurements(*path, [&](qint64 done, qint64 total) { return progress->advance(done, total); });
    }
    if (reading.cancelled)
        return;
    if (reading.fileUnreadable) {
        m_ctx.dialogs.warning(kImportTitle, reading.error);
        return;
    }
    if (reading.unitUnknown) {
        const std::optional<int> unit = m_ctx.dialogs.choose(
            kImportTitle,
            QStringLiteral("「%1」（%2）には体重の単位が書かれていません。\r\n体重はどちらの単位で書かれていますか？").arg(fileName, reading.source),
            {QStringLiteral("kg"), QStringLiteral("lb（ポンド）")});
        if (!unit)
            return;
        applyWeightUnit(&reading, *unit == 1 ? WeightUnit::Pound : WeightUnit::Kilogram);
    }
    const CsvImportPlan plan = planCsvImport(m_ctx.folder, session.currentDataFile(), reading, m_ctx.clock.today());
    if (!plan.error.isEmpty()) {
        m_ctx.dialogs.warning(kImportTitle, QStringLiteral("「%1」を取り込めません。\r\n\r\n%2").arg(fileName, plan.error));
        return;
    }

    const QString partner = session.profile().nickname.isEmpty() ? QStringLiteral("登録者%1").arg(session.partner())
                                                                 : session.profile().nickname;
    QString counts = QStringLiteral("新しく加える記録：%1件\r\n"
                                    "すでにある記録（日付・体重・体脂肪率が同じ）：%2件　→ 取り込みません\r\n")
                         .arg(plan.added.size())
                         .arg(plan.duplicates);
    counts += (plan.countsRecords ? QStringLiteral("読み取れない記録：%1件") : QStringLiteral("読み取れない行：%1行")).arg(plan.problemCount());
    if (plan.problemCount() > 0)
        counts += QStringLiteral("　→ 取り込みません（下の一覧）");
    // What the file was found to be comes first: "Apple Health の書き出し：体重 1,204件、…".
    if (const QString found = readingFound(reading); !found.isEmpty())
        counts = found + QStringLiteral("\r\n\r\n") + counts;
    Message summary;
    summary.title = kImportTitle;
    summary.details = plan.problemList();
    if (plan.added.isEmpty()) {
        summary.text = QStringLiteral("「%1」に「%2」のデータへ加える新しい記録はありません。\r\n\r\n%3").arg(fileName, partner, counts);
        m_ctx.dialogs.show(summary);
        return;
    }
    summary.icon = MessageIcon::Exclamation;
    summary.buttons = MessageButtons::OkCancel;
    summary.text = QStringLiteral("「%1」の記録を「%2」のデータに取り込みます。\r\n\r\n%3\r\n\r\nよろしいですか？").arg(fileName, partner, counts);
    if (m_ctx.dialogs.show(summary) != MessageAnswer::Ok)
        return;

    if (StoreResult r = m_ctx.session.diary().merge(plan.added); !r) {
        m_ctx.shell.showStoreFailure(QStringLiteral("CSVを取り込めません"), r.message());
        return;
    }
    m_ctx.dialogs.information(kImportTitle, QStringLiteral("%1件の記録を取り込みました。").arg(plan.added.size()));
}
