#include "screens/analyses/AverageTrend.h"

#include "store/NumberText.h"

AverageTrend::AverageTrend(const TrendData &trend)
    : m_weights(trend.weights)
{
    const std::size_t n = m_weights.size();
    m_means.resize(n);
    m_grams.resize(n);
    // Sum, means and changes are single precision, as the list has always shown them.
    float sum = 0;
    int streak = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sum += m_weights[i];
        m_means[i] = sum / float(i + 1);
        if (i == 0)
            continue;
        m_grams[i] = (m_means[i] - m_means[i - 1]) * 1000.0f;
        streak = m_grams[i] > 0 ? 0 : streak + 1;
    }
    if (n > 0)
        m_label = streak > 0 ? QStringLiteral("連続ﾏｲﾅｽ記録 ") + QString::number(streak) + QStringLiteral("日間達成！")
                             : QStringLiteral("平均を上回ってしまいました...");
}

QString AverageTrend::text(int row, int col) const
{
    const auto i = std::size_t(row);
    switch (col) {
    case 0:
        return ordinalText(row + 1);
    case 1:
        return formatKg(m_weights[i]);
    case 2:
        return formatFixed(m_means[i], 3) + QStringLiteral("Kg");
    default: {
        // The first row moves nothing and has no sign; a fall carries its own minus.
        const float g = m_grams[i];
        const QString sign = i == 0 ? QString() : g == 0 ? QStringLiteral("±") : g > 0 ? QStringLiteral("+") : QString();
        return sign + formatFixed(g, 0) + u'g';
    }
    }
}
