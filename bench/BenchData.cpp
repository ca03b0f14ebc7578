#include "BenchData.h"

#include "BenchTiming.h"

#include "store/DataFile.h"
#include "store/DataFolder.h"
#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/Profile.h"
#include "store/TextFile.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {
void writeOne(const DataFolder &folder, const QString &name, int lines, const QDate &start, int days, quint32 seed, float startWeight)
{
    static const QStringList situations = {QStringLiteral("起床後"), QStringLiteral("朝食後"), QStringLiteral("昼食後"),
                                           QStringLiteral("夕食後"), QStringLiteral("入浴後"), QStringLiteral("就寝前")};
    QRandomGenerator random(seed);
    QString text;
    text.reserve(lines * 50);
    float weight = startWeight;
    float fat = 28.0f;
    for (int i = 0; i < lines; ++i) {
        const QDate date = start.addDays(qint64(i) * days / lines);
        // Up and down through each day, pulled towards a course that loses 12 kg over the first
        // two thirds and then holds: weights and body fats stay in the ranges people have.
        const float course = startWeight - 12.0f * std::min(1.0f, float(i) / (lines * 2.0f / 3.0f));
        weight += float(random.bounded(-40, 41)) / 100.0f + 0.1f * (course - weight);
        fat += float(random.bounded(-10, 11)) / 100.0f + 0.05f * (24.0f - fat);
        Measurement m;
        m.date = date.toString(QStringLiteral("yyyy/MM/dd"));
        m.situation = situations[random.bounded(int(situations.size()))];
        m.weight = float(qRound(weight * 10.0f)) / 10.0f;
        m.bodyFat = float(qRound(fat * 10.0f)) / 10.0f;
        if (random.bounded(10) == 0)
            m.comment = QStringLiteral("ちょっと食べ過ぎ、反省①");
        text += measurementLine(m);
        text += QStringLiteral("\r\n");
    }
    if (!replaceText(folder, name, text))
        std::fprintf(stderr, "could not write bench data\n");
}
} // namespace

void writeBenchDataFiles(const QString &folderPath, int lines, const QDate &start, int days)
{
    const DataFolder folder(folderPath);
    writeOne(folder, FileName::data1, lines, start, days, 1, 72.0f);
    writeOne(folder, FileName::data2, lines, start.addDays(3), days, 2, 58.0f);
    (void)WriteProfile(folder, FileName::profile1, {QStringLiteral("ぽむ"), 172.0f, 65.0f});
    (void)WriteProfile(folder, FileName::profile2, {QStringLiteral("りな"), 158.0f, 50.0f});
}

void fail(const char *what)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, what);
    std::exit(1);
}

void check(bool ok, const char *what)
{
    if (!ok)
        fail(what);
}

BenchOp readRecordsOp(const DataFolder &folder, int lines)
{
    return {QStringLiteral("read_records"), [&folder, lines] {
                check(ReadMeasurements(folder, FileName::data1).records.size() == lines, "the file does not hold every line");
            }};
}
