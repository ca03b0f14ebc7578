#include "screens/comparison/ComparisonData.h"

#include "diary/Forecast.h"

ComparisonData computeComparison(const QList<Measurement> &records1, const QList<Measurement> &records2,
                                 const ComparisonPartners &partners, const QDate &today)
{
    ComparisonData data;
    data.summary1 = summarizePartner(records1);
    data.summary2 = summarizePartner(records2);
    data.period = comparisonPeriod(data.summary1, data.summary2);
    data.days = computeDailyAverages(records1, records2, data.period);
    data.board = computeScoreboard(data.summary1, data.summary2, partners);
    data.autoAxes = automaticAxes(data.summary1, data.summary2);
    data.coupleForecast = CoupleForecastText(partners.nickname1, ComputeForecast(records1, partners.targetWeight1, today), partners.nickname2,
                                             ComputeForecast(records2, partners.targetWeight2, today), QStringLiteral("\n"));
    return data;
}
