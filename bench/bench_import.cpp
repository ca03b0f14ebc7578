// SPDX-License-Identifier: GPL-3.0-or-later
// An Apple Health export of a gigabyte, generated here and streamed to disk, imported as the
// window imports it (read, then planned against an empty partner), against a bare pass of
// QXmlStreamReader over the same file: the import must stay within three times that pass, and
// the program's peak memory under 150 MB however large the file. The file is removed at the end.

#include "BenchData.h"
#include "BenchStart.h"
#include "BenchTiming.h"

#include "store/CsvMerge.h"
#include "store/FileNames.h"
#include "store/TrackerImport.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QXmlStreamReader>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr qint64 kFileBytes = qint64(1) << 30;
constexpr int kWeighings = 30000;

// The export as the Health app writes it: a document type, then records of every kind in the
// order they were taken; one weighing in every 130 or so records, a body fat with every third.
qint64 writeExport(const QString &path)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "create the export");
    QByteArray out;
    const auto flush = [&] {
        check(file.write(out) == out.size(), "write the export");
        out.clear();
    };
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE HealthData [\n<!ELEMENT HealthData "
           "(ExportDate,Me,(Record|Correlation|Workout|ActivitySummary)*)>\n<!ATTLIST HealthData\n  locale CDATA #REQUIRED\n>\n]>\n"
           "<HealthData locale=\"ja_JP\">\n <ExportDate value=\"2026-12-07 21:00:00 +0900\"/>\n"
           " <Me HKCharacteristicTypeIdentifierBiologicalSex=\"HKBiologicalSexFemale\"/>\n";
    const QDate first(2016, 1, 1);
    const qint64 perWeighing = kFileBytes / (kWeighings + 1);
    qint64 written = 0;
    int weighings = 0;
    for (qint64 n = 0; written + out.size() < kFileBytes - 4096; ++n) {
        const int minuteOfRun = int(n % (1440 * 3000));
        const QDate day = first.addDays(minuteOfRun / 1440);
        const QByteArray stamp = QStringLiteral("%1 %2:%3:%4 +0900")
                                     .arg(day.toString(Qt::ISODate))
                                     .arg(minuteOfRun % 1440 / 60, 2, 10, QChar(u'0'))
                                     .arg(minuteOfRun % 60, 2, 10, QChar(u'0'))
                                     .arg(int(n % 60), 2, 10, QChar(u'0'))
                                     .toLatin1();
        const bool weigh = weighings < kWeighings && (written + out.size()) / perWeighing > weighings;
        const char *type = weigh ? "BodyMass" : n % 3 ? "HeartRate" : "StepCount";
        const char *unit = weigh ? "kg" : n % 3 ? "count/min" : "count";
        const QByteArray value = weigh ? QByteArray::number(60.0 + double(weighings % 200) / 10.0) : QByteArray::number(int(n % 120) + 40);
        out += " <Record type=\"HKQuantityTypeIdentifier" + QByteArray(type) + "\" sourceName=\"Apple Watch\" sourceVersion=\"10.1\" "
               "device=\"&lt;&lt;HKDevice: 0x283ff5a40&gt;, name:Apple Watch, manufacturer:Apple Inc.&gt;\" unit=\"" + unit + "\" creationDate=\""
               + stamp + "\" startDate=\"" + stamp + "\" endDate=\"" + stamp + "\" value=\"" + value + "\"/>\n";
        if (weigh && weighings % 3 == 0)
            out += " <Record type=\"HKQuantityTypeIdentifierBodyFatPercentage\" sourceName=\"Scale\" unit=\"%\" creationDate=\"" + stamp
                   + "\" startDate=\"" + stamp + "\" endDate=\"" + stamp + "\" value=\"0.2" + QByteArray::number(weighings % 10) + "\"/>\n";
        weighings += weigh;
        if (out.size() > (1 << 20)) {
            written += out.size();
            flush();
        }
    }
    out += "</HealthData>\n";
    written += out.size();
    flush();
    return written;
}

long peakMegabytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

int main(int argc, char **argv)
{
    BenchStart<QCoreApplication> start(argc, argv, 0);
    const QString path = start.filePath(QStringLiteral("export.xml"));
    const qint64 size = writeExport(path);
    std::printf("FILE apple_health_export %lld bytes\n", static_cast<long long>(size));

    const auto barePass = [&] {
        QFile file(path);
        check(file.open(QIODevice::ReadOnly), "open the export");
        QXmlStreamReader xml(&file);
        qint64 elements = 0;
        while (!xml.atEnd())
            elements += xml.readNext() == QXmlStreamReader::StartElement;
        check(!xml.hasError() && elements > kWeighings, "a bare pass");
    };
    const auto import = [&] {
        const CsvReading reading = readImportMeasurements(path);
        check(reading.error.isEmpty() && reading.measurements.size() == kWeighings, "the export's weighings");
        const CsvImportPlan plan = planCsvImport(start.folder(), FileName::data2, reading, QDate(2026, 12, 7));
        check(plan.error.isEmpty() && plan.added.size() == kWeighings, "the import plan");
    };
    const std::vector<BenchTimes> times = benchInTurns({
        {QStringLiteral("xml_bare_pass"), barePass},
        {QStringLiteral("apple_health_import"), import},
    });
    printRatio(QStringLiteral("apple_health_import/xml_bare_pass"), times[1], times[0]);
    const long peak = peakMegabytes();
    std::printf("PEAK apple_health_import %ld MB\n", peak);
    QFile::remove(path);
    const std::vector<double> ratios = roundRatios(times[1], times[0]);
    check(spreadOf(ratios).median <= 3.0, "the import within three times a bare pass");
    check(peak < 150, "peak memory under 150 MB");
    return 0;
}
