#include "store/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
const char *const kCodec = "windows-31j";

bool roundTrips(QStringView text)
{
    QStringEncoder encoder(kCodec);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(kCodec);
    const QString back = QString(decoder.decode(bytes));
    return !decoder.hasError() && back == text;
}
} // namespace

QString decodeCp932(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodec);
    return decoder.decode(bytes);
}

QString firstUnencodableCharacter(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView one = text.mid(i, width);
        if (width == 2 || !roundTrips(one))
            return one.toString();
        i += width;
    }
    return QString();
}

bool encodeCp932(QStringView text, QByteArray *out, QString *offending)
{
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder.encode(text);
    bool ok = !encoder.hasError();
    if (ok) {
        // ICU maps a few characters (an em dash, for one) onto another's code; reading them back
        // would silently change the text, so they count as not storable.
        QStringDecoder decoder(kCodec);
        ok = QString(decoder.decode(bytes)) == text;
    }
    if (!ok) {
        if (offending)
            *offending = firstUnencodableCharacter(text);
        return false;
    }
    if (out)
        *out = std::move(bytes);
    return true;
}
