#pragma once

#include <QByteArrayView>
#include <QString>

// Telling how a text file from elsewhere is encoded. Windows programs write Shift_JIS (as this
// program's own files are) or UTF-16, with or without a byte order mark; others write UTF-8.
enum class TextEncoding { Utf8, Utf16LE, Utf16BE, ShiftJis, Utf32 };

struct DetectedEncoding {
    TextEncoding encoding = TextEncoding::Utf8;
    qsizetype byteOrderMark = 0; // bytes of a byte order mark at the start, to skip
};

// - A byte order mark tells: UTF-8, UTF-16 (LE or BE) or UTF-32 (which nothing reads).
// - Without one, UTF-16 shows in its zero bytes: text that is mostly ASCII has a zero in every
//   other byte, at odd offsets (LE) or even ones (BE), and UTF-8 or Shift_JIS text has none.
// - Otherwise bytes that are valid UTF-8 are UTF-8, and so is a file with more valid UTF-8
//   sequences than bytes that are not, or as many (a few damaged ones, reported line by line);
//   anything else is Shift_JIS, where UTF-8's multi-byte sequences hardly ever come out valid.
DetectedEncoding detectTextEncoding(QByteArrayView bytes);

// "UTF-8", "UTF-16", "Shift_JIS", "UTF-32": as messages name an encoding.
QString encodingName(TextEncoding encoding);
