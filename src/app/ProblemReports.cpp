#include "app/ProblemReports.h"

#include "ui/Dialogs.h"

ProblemReports::ProblemReports(Dialogs &dialogs)
    : m_dialogs(dialogs)
{
}

void ProblemReports::release()
{
    m_holding = false;
    for (const auto &[title, message] : std::exchange(m_warnings, {}))
        m_dialogs.warning(title, message);
    showMalformedLines();
}

void ProblemReports::warn(const QString &title, const QString &message)
{
    if (m_holding)
        m_warnings.append({title, message});
    else
        m_dialogs.warning(title, message);
}

void ProblemReports::noteUnreadableFile(const QString &fileName, const QString &message)
{
    const QString key = fileName.toLower();
    if (message.isEmpty()) {
        m_unreadableFiles.remove(key);
        return;
    }
    if (m_unreadableFiles.contains(key))
        return;
    m_unreadableFiles.insert(key);
    warn(QStringLiteral("読み込めないファイル"),
         message + QStringLiteral("\n記録は表示されません。読み込めるようになるまで、このファイルには何も書き込みません。"));
}

void ProblemReports::noteMalformedLines(const QString &fileName, const QString &report)
{
    if (report.isEmpty() || m_reportedFiles.contains(fileName.toLower()))
        return;
    m_reportedFiles.insert(fileName.toLower());
    m_malformedReports << report;
    if (!m_holding)
        showMalformedLines();
}

void ProblemReports::showMalformedLines()
{
    if (m_malformedReports.isEmpty())
        return;
    // The lines go below the message in a box that scrolls: a damaged file can have more of
    // them than a screen is high, and the OK button must stay on the screen.
    const QString lines = m_malformedReports.join(u'\n');
    m_malformedReports.clear();
    m_dialogs.show({MessageIcon::Exclamation, MessageButtons::Ok, QStringLiteral("読み取れない行"),
                    QStringLiteral("次の行は読み飛ばしました。ファイルからは消していません。"), lines});
}
