#include "screens/analyses/WeightRanking.h"

#include "store/NumberText.h"

#include <cmath>
#include <map>
#include <unordered_map>

namespace {

struct Band {
    float lower = 0;
    int count = 0;
};

// Band indexes beyond this stand for weights no scale shows; such a weight is in no band.
constexpr double kMaxBandIndex = 1e12;

} // namespace

QString WeightRankingCaption(BandWidth width)
{
    return width == BandWidth::OneKg ? QStringLiteral("    体重推移累積番付 < 1.0Kg刻み >") : QStringLiteral("    体重推移累積番付 < 0.5Kg刻み >");
}

AnalysisRows WeightRankingRows(const TrendData &trend, BandWidth width)
{
    AnalysisRows rows;
    if (trend.count() == 0)
        return rows;
    const double b = width == BandWidth::OneKg ? 1.0 : 0.5;
    // Bands run from the lowest weight's whole number up to the one above the highest weight.
    const double bottom = std::floor(double(trend.minWeight));
    const double bands = (std::floor(double(trend.maxWeight)) + 1.0 - bottom) / b + 1.0;

    // Band k covers lower ≤ weight < lower + b − 0.01, the upper end reckoned from the lower
    // bound as written with one decimal. Only bands that hold a measurement are kept, in
    // ascending order, so the span of the weights costs nothing.
    struct Bounds {
        float lower;
        float upper;
    };
    std::unordered_map<qint64, Bounds> bounds;
    auto boundsOf = [&](qint64 k) {
        auto it = bounds.find(k);
        if (it == bounds.end()) {
            const float lower = float(tenthOf(double(k) * b + bottom));
            it = bounds.emplace(k, Bounds{lower, float(generalNumber(lower).toDouble() + b - 0.01)}).first;
        }
        return it->second;
    };
    std::map<qint64, Band> held;
    for (const float weight : trend.weights) {
        const double nearest = std::floor((double(weight) - bottom) / b);
        if (!(nearest >= 0.0 && nearest <= kMaxBandIndex))
            continue;
        // The bands do not overlap: the weight is in the nearest band or a neighbour, or in none.
        for (double k = std::max(nearest - 1.0, 0.0); k <= std::min(nearest + 1.0, bands - 1.0); k += 1.0) {
            const Bounds band = boundsOf(qint64(k));
            if (band.lower <= weight && weight < band.upper) {
                Band &counted = held[qint64(k)];
                counted.lower = band.lower;
                ++counted.count;
                break;
            }
        }
    }

    // Most frequent first. The exchanges are those of the list as it has always been ranked, so
    // bands of equal count keep the order that gives; leaving out the empty bands does not
    // change it.
    std::vector<Band> ranked;
    ranked.reserve(held.size());
    for (const auto &entry : held)
        ranked.push_back(entry.second);
    for (std::size_t j = 0; j + 1 < ranked.size(); ++j) {
        for (std::size_t m = j + 1; m < ranked.size(); ++m) {
            if (ranked[j].count < ranked[m].count)
                std::swap(ranked[j], ranked[m]);
        }
    }

    for (std::size_t k = 0; k < ranked.size(); ++k) {
        const Band &band = ranked[k];
        const QString range = formatFixed(band.lower, 1) + u'～' + formatFixed(double(band.lower) + b - 0.1, 1) + QStringLiteral("Kg");
        const QString gap = k == 0 ? QString() : QString::number(ranked[k - 1].count - band.count) + u'回';
        rows.append({QString::number(k + 1) + u'位', range, QString::number(band.count) + u'回', gap});
    }
    return rows;
}
