#include "store/SettingsFiles.h"

#include "store/FieldReader.h"
#include "store/FileNames.h"
#include "store/Measurement.h"
#include "store/MemoFile.h"
#include "store/SituationListFile.h"
#include "store/TextFile.h"

#include <optional>

namespace {

// The fields of the first non-blank lines of a file, line by line.
QList<QList<QString>> fieldsOf(const DataFolder &folder, const QString &name)
{
    QList<QList<QString>> result;
    const std::optional<QString> text = readText(folder, name);
    if (!text)
        return result;
    for (QStringView line : splitLines(*text)) {
        if (isBlank(line))
            continue;
        QList<QString> fields;
        for (const Field &f : readFields(line).fields)
            fields.append(f.text.toString());
        result.append(fields);
    }
    return result;
}

QString field(const QList<QList<QString>> &lines, int line, int index)
{
    if (line >= lines.size() || index >= lines[line].size())
        return QString();
    return lines[line][index];
}

// A whole number within [low, high], or nothing.
std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    const QString t = text.trimmed();
    // Digits after an optional sign and nothing else: the library's conversion stops at a NUL,
    // and would take "8", NUL, "x" for 8 while the text kept the rest.
    for (qsizetype i = 0; i < t.size(); ++i) {
        const bool sign = i == 0 && (t[i] == u'+' || t[i] == u'-');
        if (!sign && (t[i] < u'0' || t[i] > u'9'))
            return std::nullopt;
    }
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// " 1 ": a number in plain form has one space before and one after it.
QString plainNumberLine(int value)
{
    return QStringLiteral(" %1 \r\n").arg(value);
}

} // namespace

int ReadHelpTourSetting(const DataFolder &folder)
{
    return wholeNumber(field(fieldsOf(folder, FileName::helpTour), 0, 1), 0, 1).value_or(1);
}

StoreResult WriteHelpTourSetting(const DataFolder &folder, int on)
{
    return replaceText(folder, FileName::helpTour, QStringLiteral("\"ヘルプツアー\",%1\r\n").arg(on));
}

namespace {
QStringView withoutSurroundingSpace(QStringView text)
{
    const auto space = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (!text.isEmpty() && space(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && space(text.back()))
        text.chop(1);
    return text;
}

// A step is the text as typed, commas included, so its line is taken whole, without the spaces
// around it; a step in double quotes is taken without them, and without spaces inside them (a
// step is written back without any).
QString stepOnLine(const QList<QStringView> &lines, int index)
{
    if (index >= lines.size())
        return QString();
    QStringView text = withoutSurroundingSpace(lines[index]);
    if (text.startsWith(u'"')) {
        const FieldLine fields = readFields(text);
        if (fields.wellFormed && fields.fields.size() == 1)
            text = withoutSurroundingSpace(fields.fields[0].text);
    }
    return text.toString();
}
} // namespace

ScaleSteps ReadScaleSteps(const DataFolder &folder)
{
    ScaleSteps steps;
    const std::optional<QString> text = readText(folder, FileName::scaleSteps);
    if (!text)
        return steps;
    // By position: line 1 is the weight step and line 2 the body-fat step, also when line 1 is
    // empty (an empty step typed and saved), which must not turn the body-fat step into the
    // weight step. An empty step reads as its default.
    const QList<QStringView> lines = splitLines(*text);
    if (const QString w = stepOnLine(lines, 0); !w.isEmpty())
        steps.weightStep = w;
    if (const QString f = stepOnLine(lines, 1); !f.isEmpty())
        steps.fatStep = f;
    return steps;
}

StoreResult WriteScaleSteps(const DataFolder &folder, const ScaleSteps &steps)
{
    for (const QString *step : {&steps.weightStep, &steps.fatStep}) {
        if (StoreResult r = checkStorableText(*step); !r)
            return r;
    }
    return replaceText(folder, FileName::scaleSteps, steps.weightStep + QStringLiteral("\r\n") + steps.fatStep + QStringLiteral("\r\n"));
}

QString ReadMovingAverageSetting(const DataFolder &folder)
{
    const QString count = field(fieldsOf(folder, FileName::movingAverage), 0, 0);
    return wholeNumber(count, 1, kMaxMovingAverage) ? count.trimmed() : QStringLiteral("10");
}

StoreResult WriteMovingAverageSetting(const DataFolder &folder, const QString &count)
{
    if (StoreResult r = checkStorableText(count); !r)
        return r;
    return replaceText(folder, FileName::movingAverage, count + QStringLiteral("\r\n"));
}

int ReadAutoTimeSetting(const DataFolder &folder)
{
    return wholeNumber(field(fieldsOf(folder, FileName::autoTime), 0, 0), 0, 1).value_or(0);
}

StoreResult WriteAutoTimeSetting(const DataFolder &folder, int checked)
{
    return replaceText(folder, FileName::autoTime, plainNumberLine(checked));
}

int ReadMarkerStyle(const DataFolder &folder)
{
    return wholeNumber(field(fieldsOf(folder, FileName::marker), 0, 0), 0, 2).value_or(1);
}

StoreResult WriteMarkerStyle(const DataFolder &folder, int style)
{
    return replaceText(folder, FileName::marker, QStringLiteral("%1\r\n").arg(style));
}

StoreResult CreateMissingSettingsFiles(const DataFolder &folder)
{
    StoreResult result = StoreResult::success();
    auto create = [&](const QString &name, auto write) {
        if (result && !folder.exists(name))
            result = write();
    };
    create(FileName::helpTour, [&] { return WriteHelpTourSetting(folder, 1); });
    create(FileName::scaleSteps, [&] { return WriteScaleSteps(folder, ScaleSteps()); });
    create(FileName::movingAverage, [&] { return WriteMovingAverageSetting(folder, QStringLiteral("10")); });
    create(FileName::autoTime, [&] { return WriteAutoTimeSetting(folder, 0); });
    create(FileName::marker, [&] { return WriteMarkerStyle(folder, 1); });
    create(FileName::situationList, [&] { return RewriteSituationListQuoted(folder, defaultSituations()); });
    create(FileName::memo, [&] { return WriteMemo(folder, QString()); });
    return result;
}
