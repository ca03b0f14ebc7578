#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every file of the program is Windows-31J text (Shift_JIS as Windows extends it), so that
// characters such as ①, ～ and － survive a round trip.

// A byte that is not Windows-31J text reads as the converter's substitute; so does a lead byte
// cut off at the end, as it would before a line end.
QString decodeCp932(QByteArrayView bytes);
// The same, also telling whether every byte was Windows-31J text: a byte that is not (or a lead
// byte cut off at the end) would not come back as it was.
QString decodeCp932(QByteArrayView bytes, bool *clean);
// Decodes bytes that are all Windows-31J into `out`, which has room for bytes.size() characters,
// and returns the end of the text; returns nullptr for any other bytes, `out` then holding anything.
QChar *decodeCp932Into(QByteArrayView bytes, QChar *out);

// Encodes text, refusing any character that would not come back unchanged (emoji, ¥, and the
// characters ICU only maps one way). On failure returns false and names the first such character.
bool encodeCp932(QStringView text, QByteArray *out, QString *offending = nullptr);

// The first character of the text that cannot be stored, or an empty string when all can.
QString firstUnencodableCharacter(QStringView text);
