#pragma once

#include "store/CsvImport.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// What the readers of other trackers' exports share: their dates and times, their numbers, and
// one way of collecting what they read into a CsvReading for the import plan.

inline constexpr double kKilogramsPerPound = 0.45359237;

// "yyyy-MM-dd", optionally followed by "T" or spaces and a time "H:mm", "H:mm:ss" or
// "H:mm:ss.f…", and a zone: "Z", "+09:00", "-0800" (spaces allowed before it). A time with a
// numeric offset is taken as the clock showed it where it was written (the Health app writes the
// phone's own offset); a UTC time ("Z") is taken to this computer's time zone, since the
// tracker kept no other. The stored date goes to `date`, the second of the day to `second` (-1
// without a time); false for anything else, or a day the calendar does not have.
bool parseTrackerDateTime(QStringView text, QString *date, int *second);
// A UTC moment in milliseconds since 1970, as this computer's clock shows it.
void localDateTimeOfUtc(qint64 msecsSinceEpoch, QString *date, int *second);
// A time of day on a 24-hour clock ("7:15", "07:15:30") or a 12-hour one ("7:15 AM", "12:05PM"):
// the second of the day, or -1.
int parseClockTime(QStringView text);
// A date as English-speaking sites write it: "Nov 25, 2025", "November 25 2025".
bool parseEnglishDate(QStringView text, QString *date);
// A finite decimal number ("80.4", "-0.5", "1e2"), spaces around it allowed.
std::optional<double> parseTrackerNumber(QStringView text);

// The text of a file from elsewhere, decoded as detectTextEncoding tells (bytes that are not of
// the encoding become U+FFFD); empty with *error set for UTF-32.
QString decodeTrackerText(QByteArrayView bytes, QString *error);
// The lines of a text, split at LF, CR LF or a lone CR.
QList<QStringView> trackerLines(QStringView text);

// Collects what a reader reads: every measurement with its line (or record) number, and every
// line that cannot be read with its reason, listing the first kMaxListedProblems.
class ReadingCollector
{
public:
    explicit ReadingCollector(QString source);

    void problem(int number, const QString &reason);
    // A measurement as the file gives it: its weight in kilograms (or in the file's own unit while
    // the reading's unit is unknown) and its body fat in percent (0 for none). A measurement
    // without a comment whose time is not midnight gets that time as its comment, as the
    // automatic time stamp writes it; a comment with characters the file's encoding could not
    // give makes the line one that cannot be read. False once a data file's worth of
    // measurements is read: the reading then ends with an error.
    bool add(int number, const QString &date, int second, double weight, double bodyFat, const QString &comment = QString());
    void setError(const QString &error) { m_reading.error = error; }
    CsvReading &reading() { return m_reading; }
    // The reading, with its counts; problems in number order. `unitUnknown`: the file does not
    // say its weights' unit, which the reading then asks for when it holds no error.
    CsvReading finish(bool unitUnknown = false);

private:
    CsvReading m_reading;
    int m_bodyFatsFound = 0;
    bool m_full = false;
};

// The message for more measurements than a data file holds.
QString tooManyMeasurements();
