// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-31J decoder and encoder against the converter they learn from. The input is read
// twice: as file bytes to decode, and as UTF-16 text to encode.

#include "FuzzSupport.h"

#include "store/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

using Fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytesOf(data, size);

    // Decoding gives what the converter gives for the bytes followed by a line end, and tells
    // truly whether every byte was text.
    bool clean = false;
    const QString text = decodeCp932(bytes, &clean);
    QStringDecoder decoder("windows-31j");
    QString reference = decoder.decode(bytes);
    reference += decoder.decode(QByteArrayView("\n", 1));
    require(reference.endsWith(u'\n'), "the converter reads a line end as one");
    reference.chop(1);
    const bool faultless = !decoder.hasError();
    require(text == reference, "decoding agrees with the converter");
    require(clean == faultless, "a clean decoding is one the converter finds no fault in");
    require(decodeCp932(bytes) == text, "both decodings agree");
    // A line appended to a file changes nothing of what its bytes read as before.
    require(decodeCp932(bytes + QByteArrayLiteral("\r\n")) == text + QStringLiteral("\r\n"), "a line end added changes nothing before it");

    // Text read cleanly from a file can be stored again and reads back the same.
    if (clean) {
        QByteArray again;
        require(encodeCp932(text, &again), "clean text can be encoded");
        require(decodeCp932(again) == text, "clean text encoded reads back the same");
    }

    // Any text: encoded only when it comes back unchanged, and then as the converter encodes it.
    const QString typed = QStringView(reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2).toString();
    QByteArray encoded;
    QString offending;
    if (encodeCp932(typed, &encoded, &offending)) {
        require(firstUnencodableCharacter(typed).isEmpty(), "encodable text has no unencodable character");
        require(decodeCp932(encoded) == typed, "encoded text reads back the same");
        QStringEncoder encoder("windows-31j");
        require(encoder.encode(typed) == encoded && !encoder.hasError(), "encoding agrees with the converter");
    } else {
        require(!offending.isEmpty() && typed.contains(offending), "a refusal names a character of the text");
        require(offending == firstUnencodableCharacter(typed), "a refusal names the first unencodable character");
    }
    return 0;
}
