#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every file of the program is Windows-31J text (Shift_JIS as Windows extends it), so that
// characters such as ①, ～ and － survive a round trip.

QString decodeCp932(QByteArrayView bytes);

// Encodes text, refusing any character that would not come back unchanged (emoji, ¥, and the
// characters ICU only maps one way). On failure returns false and names the first such character.
bool encodeCp932(QStringView text, QByteArray *out, QString *offending = nullptr);

// The first character of the text that cannot be stored, or an empty string when all can.
QString firstUnencodableCharacter(QStringView text);
