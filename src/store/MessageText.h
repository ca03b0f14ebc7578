#pragma once

#include <QString>
#include <QStringView>

// Texts from files and from typing, as messages quote them. A control character, a line break
// or a character that reorders the text around it (a bidirectional override, isolate or mark)
// would move, clear or hide what a message says, in a box as on a terminal; such characters are
// shown by their code points instead: "esc<U+001B>[31m".

// Whether a message shows the character by its code point: C0 and C1 controls, DEL, the line and
// paragraph separators and the bidirectional controls (U+061C, U+200E, U+200F, U+202A–U+202E,
// U+2066–U+2069). A lone surrogate counts too: it is no character at all.
bool isHiddenCharacter(char32_t c);

// The text with every hidden character written as "<U+XXXX>".
QString messageText(QStringView text);
// The same for a whole message printed on a terminal: its own line breaks ("\n", a CR before one
// dropped) stay, every other hidden character is written by its code point.
QString terminalText(QStringView message);

// How a message names one refused character (a whole code point, given as text): "U+0085" for a
// hidden one, "「😀」（U+1F600）" for one that shows.
QString characterName(QStringView character);
