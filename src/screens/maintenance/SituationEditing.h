#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The situation-list editor's rules, apart from the list box.

// The order after the entry at `dragIndex` (whose text is `dragText`) was dragged and the button
// released over the entry at `dropIndex`: the dragged entry lands just before that entry, so
// dragging B onto D in A, B, C, D gives A, C, B, D, and D onto B gives A, D, B, C. Nothing when
// the order would stay as it is (released on the entry itself or on the one just below it) or
// when the indices do not name that entry and another one of the list.
struct DroppedOrder {
    QStringList entries;
    int index = -1; // where the dragged entry now stands
};
std::optional<DroppedOrder> DropSituation(const QStringList &entries, int dragIndex, const QString &dragText, int dropIndex);

// Why a text cannot become an entry of the list and a measurement's situation (empty, only
// blanks, or a character the files cannot hold), or nothing when it can.
std::optional<QString> SituationTextProblem(const QString &text);
