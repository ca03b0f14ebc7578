// SPDX-License-Identifier: GPL-3.0-or-later
// The selected partner's measurements out to a CSV file and in from one, in the columns other
// weight trackers use. An import shows what it would do, every unreadable line included, and
// writes only on OK.
#include "screens/maintenance/MaintenanceCsv.h"

#include "screens/shell/ScreenContext.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/CsvExport.h"
#include "store/CsvImport.h"
#include "store/CsvMerge.h"
#include "diary/PartnerDiary.h"
#include "store/ImportFile.h"
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
    cmdCsvIn->setToolTip(QStringLiteral("CSVファイルの記録を選ばれているパートナーのデータに加えます"));
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
        m_ctx.dialogs.openFileName(kImportTitle, m_csvFolder.isEmpty() ? QDir::homePath() : m_csvFolder, kFilter);
    if (!path)
        return;
    m_csvFolder = QFileInfo(*path).absolutePath();
    const QString fileName = messageText(QFileInfo(*path).fileName());

    CsvReading reading;
    {
        const FileRead read = readImportFile(*path, kMaxCsvImportBytes);
        if (read.unreadable()) {
            m_ctx.dialogs.warning(kImportTitle, read.error);
            return;
        }
        reading = readCsvMeasurements(read.bytes);
    }
    const CsvImportPlan plan = planCsvImport(m_ctx.folder, session.currentDataFile(), reading, m_ctx.clock.today());
    if (!plan.error.isEmpty()) {
        m_ctx.dialogs.warning(kImportTitle, QStringLiteral("「%1」を取り込めません。\r\n\r\n%2").arg(fileName, plan.error));
        return;
    }

    const QString partner = session.profile().nickname.isEmpty() ? QStringLiteral("登録者%1").arg(session.partner())
                                                                 : session.profile().nickname;
    QString counts = QStringLiteral("新しく加える記録：%1件\r\n"
                                    "すでにある記録（日付・体重・体脂肪率が同じ）：%2件　→ 取り込みません\r\n"
                                    "読み取れない行：%3行")
                         .arg(plan.added.size())
                         .arg(plan.duplicates)
                         .arg(plan.problemCount());
    if (plan.problemCount() > 0)
        counts += QStringLiteral("　→ 取り込みません（下の一覧）");
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
