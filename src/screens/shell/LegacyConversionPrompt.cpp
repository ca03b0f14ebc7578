#include "screens/shell/LegacyConversionPrompt.h"

#include "diary/PartnerDiary.h"
#include "screens/shell/Session.h"
#include "screens/shell/ShellServices.h"
#include "store/Backup.h"
#include "store/LegacyConversion.h"
#include "store/NumberText.h"
#include "store/SafeSave.h"
#include "ui/Clock.h"
#include "ui/Dialogs.h"

namespace {
const QString kTitle = QStringLiteral("データ変換");
} // namespace

std::optional<float> LegacyConversionPrompt::askBodyFat(const QString &detected)
{
    if (m_beforeAsking)
        m_beforeAsking();
    const std::optional<QString> answer = m_ctx.dialogs.input(
        QStringLiteral("データ変換および体脂肪率確認"),
        detected + QStringLiteral("\r\n\r\n変換する場合は現在の体脂肪率を入力してください。"), QString());
    if (!answer || answer->isEmpty())
        return std::nullopt;
    return float(leadingNumber(*answer));
}

bool LegacyConversionPrompt::backUpDataFile()
{
    const StoreResult r = BackupBeforeReplace(m_ctx.folder, {m_ctx.session.currentDataFile()}, m_ctx.clock.today());
    if (!r)
        m_ctx.shell.showStoreFailure(QStringLiteral("バックアップできません"), r.message());
    return r.ok();
}

void LegacyConversionPrompt::ConvertWeightHistoryFile()
{
    // A run that only reads could not write the answer's conversion.
    if (SafeSave::readOnly() || !hasWeightHistoryFile(m_ctx.folder))
        return;
    const std::optional<float> bodyFat = askBodyFat(QStringLiteral("連続体重.txtを検出しました。"));
    if (!bodyFat || !backUpDataFile())
        return;
    LegacyConversionReport report;
    const StoreResult result = m_ctx.session.diary().write(
        [&] { return convertWeightHistoryFile(m_ctx.folder, m_ctx.session.currentDataFile(), *bodyFat, &report); });
    tell(result, report);
}

void LegacyConversionPrompt::ConvertOlderDataFile()
{
    if (SafeSave::readOnly() || !holdsOlderData(m_ctx.folder, m_ctx.session.currentDataFile()))
        return;
    const std::optional<float> bodyFat = askBodyFat(QStringLiteral("ミルテのデータを検出しました。"));
    if (!bodyFat || !backUpDataFile())
        return;
    LegacyConversionReport report;
    const StoreResult result = m_ctx.session.diary().write(
        [&] { return convertOlderDataFile(m_ctx.folder, m_ctx.session.currentDataFile(), *bodyFat, &report); });
    tell(result, report);
}

// A failure says what went wrong; a conversion says something only when the user needs to know
// it: which lines it left out, and where earlier data of the partner went.
void LegacyConversionPrompt::tell(const StoreResult &result, const LegacyConversionReport &report)
{
    if (!result) {
        m_ctx.shell.showStoreFailure(QStringLiteral("データ変換できません"), result.message());
        return;
    }
    QStringList notes;
    const bool earlierDataMoved = !report.sourceBackupName.isEmpty() && !report.dataBackupName.isEmpty();
    if (earlierDataMoved)
        notes << QStringLiteral("それまでの「%1」の内容は「%2」に残しています。").arg(m_ctx.session.currentDataFile(), report.dataBackupName);
    if (!report.unreadable.isEmpty()) {
        const QString original = report.sourceBackupName.isEmpty() ? report.dataBackupName : report.sourceBackupName;
        notes << QStringLiteral("次の行は読み取れないため変換していません。元のファイルは「%1」に残しています。\r\n%2")
                     .arg(original, report.unreadableReport());
    }
    if (notes.isEmpty())
        return;
    if (report.unreadable.isEmpty())
        m_ctx.dialogs.information(kTitle, notes.join(QStringLiteral("\r\n\r\n")));
    else
        m_ctx.dialogs.warning(kTitle, notes.join(QStringLiteral("\r\n\r\n")));
}
