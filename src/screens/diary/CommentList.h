#pragma once

#include "screens/entry/TrendMark.h"
#include "store/Measurement.h"

#include <QList>
#include <QString>

#include <array>

// The comment diary's list: every measurement of the partner in file order, with its change
// from the measurement before and its one-line comment. The texts are in the list's column order.
struct CommentRow {
    enum Column {
        Number,     // the measurement's sequence number, "1", "2", ...
        Date,       // as stored
        Situation,
        Weight,     // shortest plain form: 65, 65.5
        Difference, // weight minus the previous measurement's, "0.0"; 0.0 for the first
        Mark,       // of the difference as shown: ↑, → or ↓
        BodyFat,    // shortest plain form
        Comment,
        ColumnCount
    };
    std::array<QString, ColumnCount> texts;
    quint32 markColour = 0; // 0x00BBGGRR
};

// Makes the rows one at a time, in file order, so that a list of 32,767 rows is filled without
// a second copy of it. The texts it makes are remembered from one list to the next: a file
// holds few distinct weights, body fats and differences, and every list the same numbers.
class CommentRows
{
public:
    // The next list begins: its first row is number 1 and has nothing to differ from.
    void restart();
    // Takes over the record's texts, which the list then holds instead of a copy.
    CommentRow next(Measurement &&m);

private:
    struct Difference {
        QString text;
        TrendMark mark;
    };
    template <typename T>
    struct Slot {
        quint32 bits = 0;
        bool used = false;
        T value;
    };
    // A file with tens of thousands of lines holds a few hundred distinct values of each kind.
    static constexpr int kSlotBits = 12;
    static constexpr int kSlots = 1 << kSlotBits;

    const QString &plain(float value);
    const Difference &difference(float value);

    int m_number = 0;
    float m_previousWeight = 0;
    QList<QString> m_numbers;
    std::array<Slot<QString>, kSlots> m_plain;
    std::array<Slot<Difference>, kSlots> m_differences;
};
