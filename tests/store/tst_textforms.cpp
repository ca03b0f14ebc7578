// SPDX-License-Identifier: GPL-3.0-or-later
// The text forms every file shares: fields, numbers, dates, the code page, and the number forms
// the screens show.

#include "StoreTestUtil.h"

#include "store/Cp932.h"
#include "store/FieldReader.h"
#include "store/Measurement.h"
#include "store/NumberText.h"
#include "store/WholeNumber.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <cmath>
#include <cstring>
#include <optional>

using namespace StoreTest;

namespace {
// "text|quoted" pieces, "q:" marking a quoted field, for compact rows.
QStringList describe(const FieldLine &line)
{
    QStringList out;
    for (const Field &f : line.fields)
        out << (f.quoted ? QStringLiteral("q:") : QString()) + f.text.toString();
    return out;
}

// What QString::toDouble makes of a number field: the reference for the store's reading.
std::optional<double> referenceNumber(const QString &text)
{
    const QString t = text.trimmed();
    bool digit = false;
    for (QChar c : t) {
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (c != u'.' && c != u'-' && c != u'+' && c != u'e' && c != u'E')
            return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!digit || !ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

class TestTextForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- fields ----

    void readFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("wellFormed");
        QTest::newRow("record") << QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"\",21.3,\"\"")
                                << QStringList{QStringLiteral("q:2003/11/08"), QStringLiteral("q:朝"), QStringLiteral("65.5"), QStringLiteral("q:"),
                                               QStringLiteral("21.3"), QStringLiteral("q:")}
                                << true;
        QTest::newRow("comma inside quotes") << QStringLiteral("\"a,b\",c") << QStringList{QStringLiteral("q:a,b"), QStringLiteral("c")} << true;
        QTest::newRow("leading spaces skipped, trailing dropped")
            << QStringLiteral("  a b  ,\t\"c \" , d") << QStringList{QStringLiteral("a b"), QStringLiteral("q:c "), QStringLiteral("d")} << true;
        QTest::newRow("empty fields") << QStringLiteral(",,") << QStringList{QString(), QString(), QString()} << true;
        QTest::newRow("empty line") << QString() << QStringList{QString()} << true;
        QTest::newRow("quote inside plain field") << QStringLiteral("ab\"c,d") << QStringList{QStringLiteral("ab\"c"), QStringLiteral("d")} << true;
        QTest::newRow("unterminated quote") << QStringLiteral("a,\"b,c") << QStringList{QStringLiteral("a"), QStringLiteral("q:b,c")} << false;
        QTest::newRow("text after closing quote") << QStringLiteral("\"a\"b,c") << QStringList{QStringLiteral("q:a"), QStringLiteral("c")} << false;
        QTest::newRow("trailing comma") << QStringLiteral("\"a\",") << QStringList{QStringLiteral("q:a"), QString()} << true;
    }
    void readFields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QFETCH(bool, wellFormed);
        const FieldLine read = ::readFields(line);
        QCOMPARE(describe(read), fields);
        QCOMPARE(read.wellFormed, wellFormed);
        // The non-allocating reader sees the same fields.
        Field into[4];
        const FieldCount count = readFieldsInto(line, into, 4);
        QCOMPARE(count.count, read.fields.size());
        QCOMPARE(count.wellFormed, wellFormed);
        for (qsizetype i = 0; i < std::min<qsizetype>(4, count.count); ++i) {
            QCOMPARE(into[i].text, read.fields[i].text);
            QCOMPARE(into[i].quoted, read.fields[i].quoted);
        }
    }

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("no final line end") << QStringLiteral("a\r\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("LF only, empty lines") << QStringLiteral("\n\na\n") << QStringList{QString(), QString(), QStringLiteral("a")};
        QTest::newRow("CR inside a line kept") << QStringLiteral("a\rb\r\n") << QStringList{QStringLiteral("a\rb")};
        QTest::newRow("final CR dropped") << QStringLiteral("a\r") << QStringList{QStringLiteral("a")};
        QTest::newRow("empty") << QString() << QStringList();
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QStringList got;
        for (QStringView line : ::splitLines(text))
            got << line.toString();
        QCOMPARE(got, lines);
    }

    // ---- numbers in files ----

    void storedNumber_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("65.3") << 65.3f << QStringLiteral("65.3");
        QTest::newRow("64") << 64.0f << QStringLiteral("64");
        QTest::newRow("0.5") << 0.5f << QStringLiteral("0.5");
        QTest::newRow("0") << 0.0f << QStringLiteral("0");
        QTest::newRow("negative") << -0.1f << QStringLiteral("-0.1");
        QTest::newRow("seven digits") << 1234567.0f << QStringLiteral("1234567");
        QTest::newRow("eight digits") << 12345678.0f << QStringLiteral("1.234568e+07");
        QTest::newRow("small") << 0.00001f << QStringLiteral("1e-05");
        QTest::newRow("half-way, rounded up") << 65.453125f << QStringLiteral("65.45313");
        QTest::newRow("half-way, negative") << -1488734.5f << QStringLiteral("-1488735");
    }
    void storedNumber()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(::storedNumber(value), text);
    }

    void storedNumberAsQtWritesIt()
    {
        // The writer's own formatting must give exactly what QString::number gives.
        QRandomGenerator random(7);
        int checked = 0;
        for (int i = 0; i < 200000; ++i) {
            const quint32 bits = random.generate();
            float value;
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
            ++checked;
            if (::storedNumber(value) != QString::number(double(value), 'g', 7))
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(QString::number(double(value), 'g', 17), ::storedNumber(value))));
        }
        for (int tenths = -1000; tenths <= 3000; ++tenths) {
            const float value = float(tenths) / 10.0f;
            QCOMPARE(::storedNumber(value), QString::number(double(value), 'g', 7));
            QCOMPARE(::storedNumber(value + 1.0f / 64.0f), QString::number(double(value + 1.0f / 64.0f), 'g', 7));
        }
        // Every decade written without an exponent, and the edges of that range.
        for (int i = 0; i < 200000; ++i) {
            const float value = float((random.generateDouble() + 0.05) * std::pow(10.0, random.bounded(-5, 8)));
            if (::storedNumber(value) != QString::number(double(value), 'g', 7))
                QFAIL(qPrintable(QString::number(double(value), 'g', 17)));
            if (::storedNumber(-value) != QString::number(-double(value), 'g', 7))
                QFAIL(qPrintable(QString::number(-double(value), 'g', 17)));
        }
        for (const float edge : {1e-4f, 9.9999e-5f, 1e7f, 9999999.0f, 9999999.5f, 0.5f, -0.0f, 1.0f, 10.0f, 99999.99f}) {
            QCOMPARE(::storedNumber(edge), QString::number(double(edge), 'g', 7));
            QCOMPARE(::storedNumber(std::nextafter(edge, 0.0f)), QString::number(double(std::nextafter(edge, 0.0f)), 'g', 7));
            QCOMPARE(::storedNumber(std::nextafter(edge, 1e30f)), QString::number(double(std::nextafter(edge, 1e30f)), 'g', 7));
        }
        QVERIFY(checked > 190000);
        QCOMPARE(::storedNumber(65.5 + 0.1), QStringLiteral("65.6"));
        QCOMPARE(::storedNumber(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    }

    void parseStoredNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << QStringLiteral("65.5") << true << 65.5;
        QTest::newRow("no leading digit") << QStringLiteral(".5") << true << 0.5;
        QTest::newRow("negative, no leading digit") << QStringLiteral("-.5") << true << -0.5;
        QTest::newRow("no digit after point") << QStringLiteral("5.") << true << 5.0;
        QTest::newRow("plus sign") << QStringLiteral("+3") << true << 3.0;
        QTest::newRow("exponent") << QStringLiteral("1.234568e+07") << true << 12345680.0;
        QTest::newRow("spaces around") << QStringLiteral("  21.3 ") << true << 21.3;
        QTest::newRow("leading zeros") << QStringLiteral("007.50") << true << 7.5;
        QTest::newRow("many digits") << QStringLiteral("65.300000000000000000001") << true << 65.3;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("point only") << QStringLiteral(".") << false << 0.0;
        QTest::newRow("sign only") << QStringLiteral("-") << false << 0.0;
        QTest::newRow("two points") << QStringLiteral("1.2.3") << false << 0.0;
        QTest::newRow("two signs") << QStringLiteral("+-5") << false << 0.0;
        QTest::newRow("exponent without digits") << QStringLiteral("1e") << false << 0.0;
        QTest::newRow("unit") << QStringLiteral("65kg") << false << 0.0;
        QTest::newRow("comma") << QStringLiteral("65,5") << false << 0.0;
        QTest::newRow("full-width") << QStringLiteral("６５") << false << 0.0;
        QTest::newRow("nan") << QStringLiteral("nan") << false << 0.0;
        QTest::newRow("inf") << QStringLiteral("inf") << false << 0.0;
        QTest::newRow("overflow") << QStringLiteral("1e999") << false << 0.0;
        QTest::newRow("hexadecimal") << QStringLiteral("0x10") << false << 0.0;
    }
    void parseStoredNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const std::optional<double> read = ::parseStoredNumber(text);
        QCOMPARE(read.has_value(), ok);
        if (ok)
            QCOMPARE(*read, value);
    }

    void parseStoredNumberAsQtReadsIt()
    {
        // Every short text over the characters a number may hold reads as QString::toDouble reads it.
        const QString alphabet = QStringLiteral("0159.-+e");
        int texts = 0;
        for (int length = 1; length <= 5; ++length) {
            QList<int> digit(length, 0);
            while (true) {
                QString text;
                for (int d : digit)
                    text += alphabet[d];
                const std::optional<double> mine = ::parseStoredNumber(text);
                const std::optional<double> reference = referenceNumber(text);
                if (mine.has_value() != reference.has_value() || (mine && !sameBits(*mine, *reference)))
                    QFAIL(qPrintable(text));
                ++texts;
                int k = length - 1;
                while (k >= 0 && ++digit[k] == alphabet.size())
                    digit[k--] = 0;
                if (k < 0)
                    break;
            }
        }
        QRandomGenerator random(11);
        for (int i = 0; i < 100000; ++i) {
            const QString text = QString::number(random.bounded(100000)) + u'.' + QString::number(random.bounded(1000000)).rightJustified(6, u'0');
            QCOMPARE(::parseStoredNumber(text).value(), text.toDouble());
            QCOMPARE(::parseStoredNumber(u'-' + text).value(), -text.toDouble());
        }
        QVERIFY(texts > 37000);
    }

    // ---- dates ----

    void storedDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("plain") << QStringLiteral("2003/11/08") << QDate(2003, 11, 8);
        QTest::newRow("leap day") << QStringLiteral("2004/02/29") << QDate(2004, 2, 29);
        QTest::newRow("leap day of 2000") << QStringLiteral("2000/02/29") << QDate(2000, 2, 29);
        QTest::newRow("no leap day in 1900") << QStringLiteral("1900/02/29") << QDate();
        QTest::newRow("no leap day in 2003") << QStringLiteral("2003/02/29") << QDate();
        QTest::newRow("31st of a short month") << QStringLiteral("2003/04/31") << QDate();
        QTest::newRow("month 13") << QStringLiteral("2003/13/01") << QDate();
        QTest::newRow("month 0") << QStringLiteral("2003/00/10") << QDate();
        QTest::newRow("day 0") << QStringLiteral("2003/01/00") << QDate();
        QTest::newRow("year 0") << QStringLiteral("0000/01/01") << QDate();
        QTest::newRow("year 1") << QStringLiteral("0001/01/01") << QDate(1, 1, 1);
        QTest::newRow("not padded") << QStringLiteral("2003/1/8") << QDate();
        QTest::newRow("dashes") << QStringLiteral("2003-11-08") << QDate();
        QTest::newRow("full-width digit") << QStringLiteral("2003/11/０8") << QDate();
        QTest::newRow("trailing space") << QStringLiteral("2003/11/08 ") << QDate();
    }
    void storedDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(parseStoredDate(text), date);
        QCOMPARE(isStoredDate(text), date.isValid());
        if (date.isValid())
            QCOMPARE(::storedDate(date), text);
    }

    void everyDayOfFourHundredYears()
    {
        // The date check agrees with QDate over a whole Gregorian cycle, and rejects the days after
        // each month's last.
        for (QDate d(2000, 1, 1); d < QDate(2400, 1, 1); d = d.addDays(1)) {
            if (!isStoredDate(::storedDate(d)))
                QFAIL(qPrintable(::storedDate(d)));
            if (d.addDays(1).day() == 1) {
                const QString after = QStringLiteral("%1/%2/%3").arg(d.year(), 4, 10, QLatin1Char('0')).arg(d.month(), 2, 10, QLatin1Char('0')).arg(d.day() + 1);
                if (isStoredDate(after))
                    QFAIL(qPrintable(after));
            }
        }
    }

    // ---- record lines ----

    void recordLineForms_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("stored form") << QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"メモ\",21.3,\"\"");
        QTest::newRow("negative numbers") << QStringLiteral("\"2003/11/08\",\"朝\",-0.5,\"\",-21.25,\"\"");
        QTest::newRow("zero") << QStringLiteral("\"2003/11/08\",\"朝\",0,\"\",-0,\"\"");
        QTest::newRow("many decimals") << QStringLiteral("\"2003/11/08\",\"朝\",65.123456789012345678,\"\",0.000000000000000000001,\"\"");
        QTest::newRow("reserved text") << QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"\",21.3,\"予備\"");
    }
    void recordLineForms()
    {
        // A line read in one pass gives the same record as the same line with spaces, which goes
        // through the general field reader.
        QFETCH(QString, line);
        const std::optional<Measurement> direct = parseMeasurementLine(line);
        QVERIFY(direct);
        const std::optional<Measurement> spaced = parseMeasurementLine(QString(line).replace(u',', QStringLiteral(" , ")));
        QVERIFY(spaced);
        QCOMPARE(direct->date, spaced->date);
        QCOMPARE(direct->situation, spaced->situation);
        QVERIFY(sameBits(direct->weight, spaced->weight));
        QCOMPARE(direct->comment, spaced->comment);
        QVERIFY(sameBits(direct->bodyFat, spaced->bodyFat));
        QCOMPARE(direct->reserved, spaced->reserved);
    }

    void recordLine()
    {
        Measurement m = record(QStringLiteral("2003/11/08"), QStringLiteral("朝,食後"), 65.3f, 21.0f, QStringLiteral("a b"));
        m.reserved = QStringLiteral("r");
        QCOMPARE(measurementLine(m), QStringLiteral("\"2003/11/08\",\"朝,食後\",65.3,\"a b\",21,\"r\""));
        QVERIFY(parseMeasurementLine(measurementLine(m)) == std::optional<Measurement>(m));
        QVERIFY(!parseMeasurementLine(QStringLiteral("\"2003/11/08\",\"朝\",65.5,\"\",21.3,\"\",")));
    }

    // ---- the code page ----

    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");   // empty when refused
        QTest::addColumn<QString>("offending"); // named when refused
        QTest::newRow("ascii") << QStringLiteral("A,\"1\"") << QByteArrayLiteral("A,\"1\"") << QString();
        QTest::newRow("katakana") << QStringLiteral("データ") << QByteArray::fromHex("8366815b835e") << QString();
        QTest::newRow("circled one") << QStringLiteral("①") << QByteArray::fromHex("8740") << QString();
        QTest::newRow("full-width tilde") << QStringLiteral("\uFF5E") << QByteArray::fromHex("8160") << QString();
        QTest::newRow("full-width minus") << QStringLiteral("\uFF0D") << QByteArray::fromHex("817c") << QString();
        QTest::newRow("half-width katakana") << QStringLiteral("ｱ") << QByteArray::fromHex("b1") << QString();
        QTest::newRow("emoji") << QStringLiteral("ok😀") << QByteArray() << QStringLiteral("😀");
        QTest::newRow("yen sign") << QStringLiteral("\u00A5") << QByteArray() << QStringLiteral("\u00A5");
        QTest::newRow("em dash") << QStringLiteral("a\u2014") << QByteArray() << QStringLiteral("\u2014");
        QTest::newRow("wave dash") << QStringLiteral("\u301C") << QByteArray() << QStringLiteral("\u301C");
        QTest::newRow("minus sign") << QStringLiteral("\u2212") << QByteArray() << QStringLiteral("\u2212");
        QTest::newRow("first of several") << QStringLiteral("あ\u00A5😀") << QByteArray() << QStringLiteral("\u00A5");
        QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << QByteArray() << QString(QChar(0xDE00));
    }
    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, offending);
        QByteArray out;
        QString bad;
        const bool ok = encodeCp932(text, &out, &bad);
        QCOMPARE(ok, !bytes.isEmpty());
        QCOMPARE(firstUnencodableCharacter(text), offending);
        if (ok) {
            QCOMPARE(out, bytes);
            QCOMPARE(decodeCp932(out), text);
        } else {
            QCOMPARE(bad, offending);
            QCOMPARE(checkStorableText(text).ok(), false);
        }
        // The same answer a second time, when it is remembered.
        QCOMPARE(encodeCp932(text, nullptr), ok);
    }

    void encodeAsIcuDoes()
    {
        // Every character of the BMP, and long mixed texts, encode as ICU encodes them, and are
        // refused exactly when ICU cannot encode them or reads them back as something else.
        const auto icu = [](QStringView text, QByteArray *bytes) {
            QStringEncoder encoder("windows-31j");
            *bytes = encoder.encode(text);
            return !encoder.hasError() && QString(QStringDecoder("windows-31j").decode(*bytes)) == text;
        };
        for (int c = 0; c < 0x10000; ++c) {
            const QString one{QChar(char16_t(c))};
            QByteArray expected;
            QByteArray bytes;
            const bool ok = icu(one, &expected);
            if (encodeCp932(one, &bytes) != ok || (ok && bytes != expected))
                QFAIL(qPrintable(QString::number(c, 16)));
        }
        const QString pieces[] = {QStringLiteral("A"), QStringLiteral("\"2003/11/08\","), QStringLiteral("は"), QStringLiteral("①"),
                                  QStringLiteral("ｱ"), QStringLiteral("\u001a\u001c\u007f"), QStringLiteral("\r\n"), QStringLiteral("\uff1a\u7e8a")}; // ：and 纊: low bytes 0x1a and 0x8a
        QRandomGenerator random(5);
        for (int i = 0; i < 2000; ++i) {
            QString text;
            const int count = random.bounded(1, 40);
            for (int k = 0; k < count; ++k)
                text += pieces[random.bounded(int(std::size(pieces)))];
            QByteArray expected;
            QByteArray bytes;
            QVERIFY(icu(text, &expected));
            QVERIFY(encodeCp932(text, &bytes));
            QCOMPARE(bytes, expected);
            text.insert(random.bounded(int(text.size()) + 1), QStringLiteral("\u00a5"));
            QString bad;
            QVERIFY(!encodeCp932(text, &bytes, &bad));
            QCOMPARE(bad, QStringLiteral("\u00a5"));
        }
    }

    void decodeTellsWhetherClean_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("clean");
        QTest::newRow("text") << QByteArray::fromHex("8366815b835e0d0a") << true;
        QTest::newRow("NEC and IBM spellings") << QByteArray::fromHex("879aed40fa5c") << true;
        QTest::newRow("byte outside the code page") << QByteArray::fromHex("41a042") << false;
        QTest::newRow("lead byte cut off at the end") << QByteArray::fromHex("4181") << false;
        QTest::newRow("lead byte before LF") << QByteArray::fromHex("810a41") << false;
    }
    void decodeTellsWhetherClean()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, clean);
        bool wasClean = !clean;
        const QString text = decodeCp932(bytes, &wasClean);
        QCOMPARE(wasClean, clean);
        if (clean)
            QCOMPARE(text, decodeCp932(bytes));
    }

    void decodeAsIcuDoes()
    {
        // Every single byte, every two-byte sequence, and long mixed texts read exactly as ICU
        // reads them, with the same verdict on whether they were clean.
        const auto icu = [](const QByteArray &bytes, bool *clean) {
            QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
            const QString text = decoder.decode(bytes);
            *clean = !decoder.hasError();
            return text;
        };
        const auto same = [&](const QByteArray &bytes) {
            bool icuClean = false;
            bool clean = false;
            const QString expected = icu(bytes, &icuClean);
            const QString text = decodeCp932(bytes, &clean);
            // Unclean bytes read as ICU reads them before a line end: a lead byte cut off at the
            // end becomes a substitute rather than nothing.
            QString beforeLineEnd = QStringDecoder("windows-31j").decode(bytes + '\n');
            beforeLineEnd.chop(1);
            return clean == icuClean && (!clean || text == expected) && decodeCp932(bytes) == beforeLineEnd;
        };
        QCOMPARE(decodeCp932(QByteArray("A\x82")), QStringLiteral("A\x1a"));
        for (int lead = 0; lead < 256; ++lead) {
            if (!same(QByteArray(1, char(lead))))
                QFAIL(qPrintable(QString::number(lead, 16)));
            for (int trail = 0; trail < 256; ++trail) {
                const char pair[3] = {char(lead), char(trail), 'A'};
                if (!same(QByteArray(pair, 2)) || !same(QByteArray(pair, 3)))
                    QFAIL(qPrintable(QString::number(lead << 8 | trail, 16)));
            }
        }
        // Mixed runs of every length, so that characters fall on and across sixteen-byte blocks.
        const QByteArray pieces[] = {QByteArrayLiteral("A"), QByteArrayLiteral("\"2003/11/08\","), QByteArray::fromHex("82cd"),
                                     QByteArray::fromHex("8740"), QByteArray::fromHex("b1"), QByteArray::fromHex("1a1c7f"),
                                     QByteArrayLiteral("\r\n"), QByteArray::fromHex("fa5c")};
        QRandomGenerator random(3);
        for (int i = 0; i < 2000; ++i) {
            QByteArray bytes;
            const int count = random.bounded(1, 40);
            for (int k = 0; k < count; ++k)
                bytes += pieces[random.bounded(int(std::size(pieces)))];
            bool clean = false;
            QCOMPARE(decodeCp932(bytes, &clean), QStringDecoder("windows-31j").decode(bytes));
            QVERIFY(clean);
            bytes.insert(random.bounded(int(bytes.size()) + 1), char(0xA0)); // never valid
            QVERIFY(same(bytes));
        }
    }

    // ---- numbers on screens ----

    void formatFixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("32-bit 65.45 shows as entered, rounded up") << double(65.45f) << 1 << QStringLiteral("65.5");
        QTest::newRow("half away from zero") << 0.25 << 1 << QStringLiteral("0.3");
        QTest::newRow("negative half away from zero") << -0.25 << 1 << QStringLiteral("-0.3");
        QTest::newRow("never minus zero") << -0.04 << 1 << QStringLiteral("0.0");
        QTest::newRow("carry into integer") << 9.96 << 1 << QStringLiteral("10.0");
        QTest::newRow("zero") << 0.0 << 1 << QStringLiteral("0.0");
        QTest::newRow("no decimals") << 2.5 << 0 << QStringLiteral("3");
        QTest::newRow("two decimals") << 1.005 << 2 << QStringLiteral("1.01");
        QTest::newRow("small") << 0.0004 << 2 << QStringLiteral("0.00");
    }
    void formatFixed()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(::formatFixed(value, decimals), text);
    }

    // The lists format tens of thousands of figures through a shortcut; it must write what the
    // rule written out digit by digit writes: seven significant digits as QString::number
    // rounds them, then halves away from zero at the decimals.
    void formatFixedAgreesWithTheDigitRule()
    {
        const auto byDigits = [](double value, int decimals) {
            const QString e = QString::number(std::fabs(value), 'e', 6); // d.dddddde±xx
            QString digits = e.left(8).remove(u'.');
            const int keep = e.mid(9).toInt() + 1 + decimals; // digits down to 10^-decimals
            QString kept = keep <= 0 ? QString() : digits.left(keep).leftJustified(keep, u'0');
            qint64 units = kept.isEmpty() ? 0 : kept.toLongLong();
            if (keep >= 0 && keep < 7 && digits[keep] >= u'5')
                ++units;
            qint64 scale = 1;
            for (int i = 0; i < decimals; ++i)
                scale *= 10;
            QString text = QString::number(units / scale);
            if (decimals > 0)
                text += u'.' + QString::number(units % scale).rightJustified(decimals, u'0');
            return value < 0 && units != 0 ? u'-' + text : text;
        };
        QRandomGenerator random(17);
        for (int i = 0; i < 200000; ++i) {
            const int decimals = random.bounded(5);
            double value = 0;
            switch (i % 4) {
            case 0: // a weight or a difference as the files hold them
                value = double(float(random.bounded(-2000, 3000)) / 10.0f);
                break;
            case 1: // a running mean of such weights
                value = double(float(random.bounded(400000, 1200000)) / float(random.bounded(1, 32768)));
                break;
            case 2: // anything from 1e-5 to 1e8
                value = std::pow(10.0, random.bounded(-5.0) + random.bounded(13.0)) * (random.bounded(2) ? 1 : -1);
                break;
            default: // a half in the seventh digit, or next to one
                value = (random.bounded(1000000, 9999999) + 0.5 + (random.bounded(3) - 1) * 1e-7) * std::pow(10.0, random.bounded(-8, 1));
                break;
            }
            if (::formatFixed(value, decimals) != byDigits(value, decimals))
                QFAIL(qPrintable(QStringLiteral("%1 with %2 decimals: %3, not %4")
                                     .arg(QString::number(value, 'g', 17))
                                     .arg(decimals)
                                     .arg(::formatFixed(value, decimals), byDigits(value, decimals))));
        }
    }

    void screenForms()
    {
        QCOMPARE(formatKg(65.45f), QStringLiteral("65.5Kg"));
        QCOMPARE(formatFatPercent(21.0f), QStringLiteral("21.0%"));
        QCOMPARE(formatRatioPercent(0.185f), QStringLiteral("18.5%"));
        QCOMPARE(formatOneDecimal(-0.04f), QStringLiteral("0.0"));
        QCOMPARE(::formatFixed(5, 1, 7, 2), QStringLiteral("05.0"));
        QCOMPARE(displayedSign(-0.04), 0);
        QCOMPARE(displayedSign(-0.05), -1);
        QCOMPARE(displayedSign(0.06), 1);
        QCOMPARE(generalNumber(68.4f), QStringLiteral("68.4"));
        QCOMPARE(generalNumber(1.685f), QStringLiteral("1.685"));
        QCOMPARE(generalNumber(65.5 + 0.1), QStringLiteral("65.6"));
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("unit after") << QStringLiteral("65.5kg") << 65.5;
        QTest::newRow("not a number") << QStringLiteral("abc") << 0.0;
        QTest::newRow("blanks inside") << QStringLiteral(" 6 5 . 5") << 65.5;
        QTest::newRow("sign") << QStringLiteral("-1.5") << -1.5;
        QTest::newRow("exponent with D") << QStringLiteral("1.5D2") << 150.0;
        QTest::newRow("exponent without digits") << QStringLiteral("2e") << 2.0;
        QTest::newRow("empty") << QString() << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(::leadingNumber(text), value);
    }

    void plainDecimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("plain");
        QTest::newRow("decimal") << QStringLiteral(" -65.5 ") << true;
        QTest::newRow("integer") << QStringLiteral("10") << true;
        QTest::newRow("point first") << QStringLiteral(".5") << true;
        QTest::newRow("exponent") << QStringLiteral("1e3") << false;
        QTest::newRow("two points") << QStringLiteral("1.2.3") << false;
        QTest::newRow("unit") << QStringLiteral("5kg") << false;
        QTest::newRow("sign only") << QStringLiteral("-") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void plainDecimal()
    {
        QFETCH(QString, text);
        QFETCH(bool, plain);
        QCOMPARE(isPlainDecimal(text), plain);
    }

    // Whole numbers for axes and gauges from any measured value, typed nonsense included.
    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("floor");
        QTest::addColumn<int>("ceil");
        QTest::addColumn<int>("nearest");
        QTest::newRow("weight") << 65.5 << 65 << 66 << 66;
        QTest::newRow("tie to even") << 64.5 << 64 << 65 << 64;
        QTest::newRow("negative") << -5.2 << -6 << -5 << -5;
        QTest::newRow("eleven nines") << 99999999999.0 << kWholeNumberLimit << kWholeNumberLimit << kWholeNumberLimit;
        QTest::newRow("below int") << -1e300 << -kWholeNumberLimit << -kWholeNumberLimit << -kWholeNumberLimit;
        QTest::newRow("infinity") << double(INFINITY) << kWholeNumberLimit << kWholeNumberLimit << kWholeNumberLimit;
        QTest::newRow("nan") << double(NAN) << 0 << 0 << 0;
    }
    void wholeNumbers()
    {
        QFETCH(double, value);
        QTEST(floorToInt(value), "floor");
        QTEST(ceilToInt(value), "ceil");
        QTEST(nearestToInt(value), "nearest");
    }
};

QTEST_GUILESS_MAIN(TestTextForms)
#include "tst_textforms.moc"
