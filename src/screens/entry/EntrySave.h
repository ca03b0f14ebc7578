#pragma once

#include "store/Measurement.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The checks of a save, in the order they run; the first failing one is shown and nothing is saved.
// `field` is the input that failed, where the user goes to mend it.
enum class SaveField { Situation, Weight, BodyFat };
struct SaveRefusal {
    QString message;
    QString title;
    SaveField field;
};
std::optional<SaveRefusal> CheckSave(const QString &selectedSituation, const QString &weightText, const QString &bodyFatText);

// A measurement dated before the file's last line goes in date order (and never carries a time
// stamp); any other is appended.
bool NeedsOrderedInsert(const QString &lastRecordDate, const QString &date);

// The record a save stores: the numbers are the leading numbers of the boxes.
Measurement BuildMeasurement(const QDate &day, const QString &situation, const QString &weightText,
                             const QString &bodyFatText, const QString &comment);

// What the removal of a row of the day list asks: "1回目 起床後 65.2Kg を削除しますか？", the
// row's number, situation and weight as the list shows them.
// `startChange`, when not empty, follows the question after a space (StartChangeNote).
QString DeleteQuestion(const QString &ordinal, const QString &situation, const QString &weight, const QString &startChange = {});

// What removing record `index` of `records` does to the start of the diet, which every "since the
// start" figure compares with: "開始日が 2026/08/10 から 2026/08/12 に変わります。" when the first
// record goes and the next one is of a later day, the start weight's change when it is of the
// same day; empty for any other record, and for the only one (which cannot be removed).
QString StartChangeNote(const QList<Measurement> &records, int index);

// The box after an arrow button: its leading number plus (direction 1) or minus (-1) the step,
// in plain decimal form. Nothing when the step is not a number: the box stays as it is.
std::optional<QString> SteppedValue(const QString &boxText, const QString &step, int direction);
