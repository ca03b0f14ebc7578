#include "screens/shell/HelpSections.h"

QString helpDocumentSection(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Startup:
    case HelpTopic::Comparison:
    case HelpTopic::SameAxisGraph:
    case HelpTopic::SeparateAxesGraph:
        return QStringLiteral("comparison");
    case HelpTopic::Entry: return QStringLiteral("entry");
    case HelpTopic::History: return QStringLiteral("history");
    case HelpTopic::Trend: return QStringLiteral("trend");
    case HelpTopic::Analyses: return QStringLiteral("analyses");
    case HelpTopic::Calendar: return QStringLiteral("calendar");
    case HelpTopic::Diary: return QStringLiteral("diary");
    case HelpTopic::Maintenance: return QStringLiteral("maintenance");
    }
    return QString();
}
