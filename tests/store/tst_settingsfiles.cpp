// SPDX-License-Identifier: GPL-3.0-or-later
// The small files beside the data files: the profiles, the situation list, the one-value settings
// files and the memo. Their exact bytes, their defaults, and what they refuse.

#include "FolderTest.h"

#include "store/FileNames.h"
#include "store/MemoFile.h"
#include "store/Profile.h"
#include "store/SafeSave.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

using namespace StoreTest;

namespace {
const QByteArray kDefaultSituationBytes = cp932Lines({QStringLiteral("\"起床後\""), QStringLiteral("\"朝食前\""), QStringLiteral("\"朝食後\""),
                                                      QStringLiteral("\"昼食前\""), QStringLiteral("\"昼食後\""), QStringLiteral("\"夕食前\""),
                                                      QStringLiteral("\"夕食後\""), QStringLiteral("\"運動後\""), QStringLiteral("\"入浴後\""),
                                                      QStringLiteral("\"就寝前\"")});

// The settings files that hold one value, read and written as text whatever the value's type.
struct OneValueSetting {
    QString name;          // as the program creates it
    QString otherSpelling; // as another program may have written it
    std::function<QString(const DataFolder &)> read;
    std::function<StoreResult(const DataFolder &, const QString &)> write;
};
const OneValueSetting &oneValueSetting(const QString &setting)
{
    static const std::map<QString, OneValueSetting> settings = {
        {QStringLiteral("help tour"),
         {FileName::helpTour, QStringLiteral("設定.TXT"), [](const DataFolder &f) { return QString::number(ReadHelpTourSetting(f)); },
          [](const DataFolder &f, const QString &v) { return WriteHelpTourSetting(f, v.toInt()); }}},
        {QStringLiteral("moving average"),
         {FileName::movingAverage, QStringLiteral("移動平均.TXT"), [](const DataFolder &f) { return ReadMovingAverageSetting(f); },
          [](const DataFolder &f, const QString &v) { return WriteMovingAverageSetting(f, v); }}},
        {QStringLiteral("automatic time"),
         {FileName::autoTime, QStringLiteral("自動時間.TXT"), [](const DataFolder &f) { return QString::number(ReadAutoTimeSetting(f)); },
          [](const DataFolder &f, const QString &v) { return WriteAutoTimeSetting(f, v.toInt()); }}},
        {QStringLiteral("marker"),
         {FileName::marker, QStringLiteral("マーカー.TXT"), [](const DataFolder &f) { return QString::number(ReadMarkerStyle(f)); },
          [](const DataFolder &f, const QString &v) { return WriteMarkerStyle(f, v.toInt()); }}},
    };
    return settings.at(setting);
}
} // namespace

class TestSettingsFiles : public FolderTest
{
    Q_OBJECT

private:

    // A write that must be refused: it fails, names `named`, and leaves the file as it was.
    void expectRefused(const QString &file, const std::function<StoreResult()> &write, const QString &named)
    {
        const QByteArray old = cp932Lines({QStringLiteral("元の内容")});
        QVERIFY(writeFile(path(file), old));
        const StoreResult r = write();
        QVERIFY(!r.ok());
        QVERIFY2(r.message().contains(named), qPrintable(r.message()));
        QCOMPARE(readFile(path(file)), old);
        QCOMPARE(folderEntries(m_dir->path()), QStringList{file});
    }

private Q_SLOTS:
    // ---- profiles ----

    void profileBytes()
    {
        QVERIFY(WriteProfile(folder(), FileName::profile1, {QStringLiteral("ぽむ"), 172.5f, 60.0f}));
        const QByteArray bytes = readFile(path(FileName::profile1));
        QCOMPARE(bytes, cp932(QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",172.5\r\n\"目標体重\",60\r\n")));
        QVERIFY(bytes.startsWith(QByteArray::fromHex("228e8196bc222c2282db82de220d0a"))); // "氏名","ぽむ" CR LF
        QCOMPARE(folderEntries(m_dir->path()), QStringList{QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.txt")});
    }

    void profileRoundTrip_data()
    {
        QTest::addColumn<QString>("nickname");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("target");
        QTest::newRow("plain") << QStringLiteral("りな") << 158.3f << 49.5f;
        QTest::newRow("comma") << QStringLiteral("ぽむ,りな") << 172.0f << 65.0f;
        QTest::newRow("percent signs") << QStringLiteral("%1%2さん") << 160.25f << 55.0f;
        QTest::newRow("circled and wave dash") << QStringLiteral("①～－") << 150.0f << 45.5f;
        QTest::newRow("no nickname") << QString() << 0.0f << 0.0f;
    }
    void profileRoundTrip()
    {
        QFETCH(QString, nickname);
        QFETCH(float, height);
        QFETCH(float, target);
        const PartnerProfile profile{nickname, height, target};
        QVERIFY(WriteProfile(folder(), FileName::profile2, profile));
        QCOMPARE(ReadProfile(folder(), FileName::profile2), profile);
    }

    void profileReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("nickname");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("target");
        QTest::newRow("value not a number") << QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",abc\r\n\"目標体重\",65\r\n") << QStringLiteral("ぽむ")
                                            << 0.0f << 65.0f;
        QTest::newRow("values missing") << QStringLiteral("\"氏名\"\r\n\"身長\"\r\n") << QString() << 0.0f << 0.0f;
        QTest::newRow("lines after the third ignored")
            << QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",170\r\n\"目標体重\",60\r\n\"身長\",999\r\n") << QStringLiteral("ぽむ") << 170.0f << 60.0f;
        QTest::newRow("blank lines and spaces") << QStringLiteral("\r\n\"氏名\", \"ぽむ\"\r\n\r\n\"身長\", 170.5 \n\"目標体重\",60")
                                                << QStringLiteral("ぽむ") << 170.5f << 60.0f;
        QTest::newRow("empty file") << QString() << QString() << 0.0f << 0.0f;
        QTest::newRow("beyond a 32-bit value") << QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",1e39\r\n\"目標体重\",-4e38\r\n")
                                               << QStringLiteral("ぽむ") << 0.0f << 0.0f;
    }
    void profileReading()
    {
        QFETCH(QString, text);
        QFETCH(QString, nickname);
        QFETCH(float, height);
        QFETCH(float, target);
        QVERIFY(writeFile(path(FileName::profile1), cp932(text)));
        QCOMPARE(ReadProfile(folder(), FileName::profile1), (PartnerProfile{nickname, height, target}));
    }

    void missingProfileIsEmpty()
    {
        QCOMPARE(ReadProfile(folder(), FileName::profile1), PartnerProfile());
        QCOMPARE(windowCaptionFor(ReadProfile(folder(), FileName::profile1)), QStringLiteral(" ポムリナ"));
        QCOMPARE(windowCaptionFor({QStringLiteral("ぽむ"), 170, 60}), QStringLiteral(" ぽむ のデータ"));
    }

    void profileFoundUnderOtherCase()
    {
        QVERIFY(writeFile(path(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.TXT")), cp932(QStringLiteral("\"氏名\",\"ぽむ\"\r\n\"身長\",170\r\n\"目標体重\",60\r\n"))));
        QCOMPARE(ReadProfile(folder(), FileName::profile1).nickname, QStringLiteral("ぽむ"));
        QVERIFY(WriteProfile(folder(), FileName::profile1, {QStringLiteral("ぽむぽむ"), 171, 59}));
        QCOMPARE(folderEntries(m_dir->path()), QStringList{QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.TXT")});
        QCOMPARE(ReadProfile(folder(), QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.txt")).nickname, QStringLiteral("ぽむぽむ"));
    }

    // ---- texts that cannot be stored ----

    void refusedTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("double quote") << QStringLiteral("ぽ\"む") << QStringLiteral("ぽ\"む");
        QTest::newRow("LF") << QStringLiteral("ぽ\nむ") << QStringLiteral("ぽ<U+000A>む");
        QTest::newRow("CR") << QStringLiteral("ぽ\rむ") << QStringLiteral("ぽ<U+000D>む");
        QTest::newRow("emoji") << QStringLiteral("ぽむ😀") << QStringLiteral("😀");
        QTest::newRow("yen sign") << QStringLiteral("\u00A5") << QStringLiteral("\u00A5");
        QTest::newRow("em dash") << QStringLiteral("a\u2014b") << QStringLiteral("\u2014");
        // controls and reordering characters, named by their code points
        QTest::newRow("tab") << QStringLiteral("ぽ\tむ") << QStringLiteral("「ぽ<U+0009>む」のU+0009");
        QTest::newRow("escape") << QStringLiteral("\x1B[31m") << QStringLiteral("U+001B");
        QTest::newRow("NUL") << QString(QChar(0)) << QStringLiteral("U+0000");
        QTest::newRow("DEL") << QStringLiteral("a\x7F") << QStringLiteral("U+007F");
        QTest::newRow("next line U+0085") << QStringLiteral("ab\u0085") << QStringLiteral("「ab<U+0085>」のU+0085");
        QTest::newRow("right-to-left override") << QStringLiteral("a\u202Eb") << QStringLiteral("U+202E");
        QTest::newRow("left-to-right isolate") << QStringLiteral("a\u2066b") << QStringLiteral("U+2066");
    }
    void refusedTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, named);
        const DataFolder f = folder();
        expectRefused(FileName::profile1, [&] { return WriteProfile(f, FileName::profile1, {text, 170, 60}); }, named);
        QVERIFY(QFile::remove(path(FileName::profile1)));
        expectRefused(FileName::situationList, [&] { return AppendSituationQuoted(f, text); }, named);
        expectRefused(FileName::situationList, [&] { return AppendSituationPlain(f, text); }, named);
        expectRefused(FileName::situationList, [&] { return RewriteSituationListPlain(f, {QStringLiteral("朝"), text}); }, named);
        expectRefused(FileName::situationList, [&] { return RewriteSituationListQuoted(f, {text, QStringLiteral("朝")}); }, named);
        QVERIFY(QFile::remove(path(FileName::situationList)));
        expectRefused(FileName::scaleSteps, [&] { return WriteScaleSteps(f, {text, QStringLiteral("0.1")}); }, named);
        expectRefused(FileName::scaleSteps, [&] { return WriteScaleSteps(f, {QStringLiteral("0.1"), text}); }, named);
        QVERIFY(QFile::remove(path(FileName::scaleSteps)));
        expectRefused(FileName::movingAverage, [&] { return WriteMovingAverageSetting(f, text); }, named);
    }

    void refusedSituationOnMissingListCreatesNothing()
    {
        QVERIFY(!AppendSituationQuoted(folder(), QStringLiteral("😀")).ok());
        QVERIFY(folderEntries(m_dir->path()).isEmpty());
    }

    void memoRefusesWhatTheCodePageLacks()
    {
        const DataFolder f = folder();
        expectRefused(FileName::memo, [&] { return WriteMemo(f, QStringLiteral("今日は😀")); }, QStringLiteral("😀"));
        expectRefused(FileName::memo, [&] { return WriteMemo(f, QStringLiteral("\u00A5100")); }, QStringLiteral("\u00A5"));
    }

    // ---- scale steps ----

    void scaleStepsBytes()
    {
        QVERIFY(WriteScaleSteps(folder(), {QStringLiteral("0.5"), QStringLiteral("0.3")}));
        QCOMPARE(readFile(path(FileName::scaleSteps)), QByteArrayLiteral("0.5\r\n0.3\r\n"));
    }

    void scaleStepsReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("weightStep");
        QTest::addColumn<QString>("fatStep");
        QTest::newRow("preset and typed") << QByteArrayLiteral("0.2\r\n0.3\r\n") << QStringLiteral("0.2") << QStringLiteral("0.3");
        QTest::newRow("one line") << QByteArrayLiteral("0.5\r\n") << QStringLiteral("0.5") << QStringLiteral("0.1");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("0.1") << QStringLiteral("0.1");
        QTest::newRow("empty weight step") << QByteArrayLiteral("\r\n0.5\r\n") << QStringLiteral("0.1") << QStringLiteral("0.5");
        QTest::newRow("spaces around") << QByteArrayLiteral(" 0.2 \r\n\t0.5\r\n") << QStringLiteral("0.2") << QStringLiteral("0.5");
        QTest::newRow("LF only, no final line end") << QByteArrayLiteral("0.2\n0.5") << QStringLiteral("0.2") << QStringLiteral("0.5");
        QTest::newRow("quoted") << QByteArrayLiteral("\"0.2\"\r\n\"0.5\"\r\n") << QStringLiteral("0.2") << QStringLiteral("0.5");
        QTest::newRow("spaces inside quotes") << QByteArrayLiteral("\" 0.2\"\r\n\"0.5\t \"\r\n") << QStringLiteral("0.2") << QStringLiteral("0.5");
    }
    void scaleStepsReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, weightStep);
        QFETCH(QString, fatStep);
        QVERIFY(writeFile(path(QStringLiteral("体重計刻み.TXT")), bytes));
        QCOMPARE(ReadScaleSteps(folder()), (ScaleSteps{weightStep, fatStep}));
    }

    void typedStepsKept_data()
    {
        QTest::addColumn<QString>("weightStep");
        QTest::addColumn<QString>("fatStep");
        QTest::newRow("presets") << QStringLiteral("0.2") << QStringLiteral("0.5");
        QTest::newRow("finer") << QStringLiteral("0.05") << QStringLiteral("0.25");
        QTest::newRow("no leading zero") << QStringLiteral(".3") << QStringLiteral("1");
        QTest::newRow("full-width") << QStringLiteral("０．３") << QStringLiteral("１");
        QTest::newRow("not numbers") << QStringLiteral("abc") << QStringLiteral("ちょっと");
        QTest::newRow("decimal comma") << QStringLiteral("0,3") << QStringLiteral("0,2,1");
    }
    void typedStepsKept()
    {
        QFETCH(QString, weightStep);
        QFETCH(QString, fatStep);
        const ScaleSteps steps{weightStep, fatStep};
        QVERIFY(WriteScaleSteps(folder(), steps));
        QCOMPARE(readFile(path(FileName::scaleSteps)), cp932Lines({weightStep, fatStep}));
        QCOMPARE(ReadScaleSteps(folder()), steps);
    }

    void emptyStepsReadAsDefaults()
    {
        QVERIFY(WriteScaleSteps(folder(), {QString(), QStringLiteral("0.5")}));
        QCOMPARE(ReadScaleSteps(folder()), (ScaleSteps{QStringLiteral("0.1"), QStringLiteral("0.5")}));
        QVERIFY(WriteScaleSteps(folder(), {QStringLiteral("0.2"), QString()}));
        QCOMPARE(ReadScaleSteps(folder()), (ScaleSteps{QStringLiteral("0.2"), QStringLiteral("0.1")}));
    }

    // ---- the one-value settings: help tour, moving average, automatic time, marker ----

    void oneValueReading_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<QString>("value");
        QTest::newRow("help tour: missing: on") << QStringLiteral("help tour") << QByteArray() << QStringLiteral("1");
        QTest::newRow("help tour: on") << QStringLiteral("help tour") << cp932(QStringLiteral("\"ヘルプツアー\",1\r\n")) << QStringLiteral("1");
        QTest::newRow("help tour: off") << QStringLiteral("help tour") << cp932(QStringLiteral("\"ヘルプツアー\",0\r\n")) << QStringLiteral("0");
        QTest::newRow("help tour: off, spaced, no line end") << QStringLiteral("help tour") << cp932(QStringLiteral("\"ヘルプツアー\", 0 ")) << QStringLiteral("0");
        QTest::newRow("help tour: out of range") << QStringLiteral("help tour") << cp932(QStringLiteral("\"ヘルプツアー\",2\r\n")) << QStringLiteral("1");
        QTest::newRow("help tour: not a number") << QStringLiteral("help tour") << cp932(QStringLiteral("\"ヘルプツアー\",x\r\n")) << QStringLiteral("1");
        QTest::newRow("help tour: no value") << QStringLiteral("help tour") << cp932(QStringLiteral("\"ヘルプツアー\"\r\n")) << QStringLiteral("1");
        QTest::newRow("help tour: no label") << QStringLiteral("help tour") << QByteArrayLiteral("0\r\n") << QStringLiteral("1");
        QTest::newRow("help tour: empty file") << QStringLiteral("help tour") << QByteArrayLiteral("\r\n") << QStringLiteral("1");
        QTest::newRow("moving average: missing") << QStringLiteral("moving average") << QByteArray() << QStringLiteral("10");
        QTest::newRow("moving average: fifteen") << QStringLiteral("moving average") << QByteArrayLiteral("15\r\n") << QStringLiteral("15");
        QTest::newRow("moving average: spaces") << QStringLiteral("moving average") << QByteArrayLiteral(" 20 \r\n") << QStringLiteral("20");
        QTest::newRow("moving average: leading zero kept") << QStringLiteral("moving average") << QByteArrayLiteral("07\r\n") << QStringLiteral("07");
        QTest::newRow("moving average: largest") << QStringLiteral("moving average") << QByteArrayLiteral("32767\r\n") << QStringLiteral("32767");
        QTest::newRow("moving average: too large") << QStringLiteral("moving average") << QByteArrayLiteral("32768\r\n") << QStringLiteral("10");
        QTest::newRow("moving average: zero") << QStringLiteral("moving average") << QByteArrayLiteral("0\r\n") << QStringLiteral("10");
        QTest::newRow("moving average: negative") << QStringLiteral("moving average") << QByteArrayLiteral("-3\r\n") << QStringLiteral("10");
        QTest::newRow("moving average: fraction") << QStringLiteral("moving average") << QByteArrayLiteral("7.5\r\n") << QStringLiteral("10");
        QTest::newRow("moving average: text") << QStringLiteral("moving average") << QByteArrayLiteral("abc\r\n") << QStringLiteral("10");
        QTest::newRow("moving average: empty") << QStringLiteral("moving average") << QByteArrayLiteral("\r\n") << QStringLiteral("10");
        QTest::newRow("moving average: NUL after the digits") << QStringLiteral("moving average") << QByteArray("8\0x\r\n", 5) << QStringLiteral("10");
        QTest::newRow("automatic time: missing") << QStringLiteral("automatic time") << QByteArray() << QStringLiteral("0");
        QTest::newRow("automatic time: on") << QStringLiteral("automatic time") << QByteArrayLiteral(" 1 \r\n") << QStringLiteral("1");
        QTest::newRow("automatic time: on, bare") << QStringLiteral("automatic time") << QByteArrayLiteral("1") << QStringLiteral("1");
        QTest::newRow("automatic time: off") << QStringLiteral("automatic time") << QByteArrayLiteral(" 0 \r\n") << QStringLiteral("0");
        QTest::newRow("automatic time: out of range") << QStringLiteral("automatic time") << QByteArrayLiteral(" 2 \r\n") << QStringLiteral("0");
        QTest::newRow("automatic time: negative") << QStringLiteral("automatic time") << QByteArrayLiteral("-1\r\n") << QStringLiteral("0");
        QTest::newRow("automatic time: text") << QStringLiteral("automatic time") << QByteArrayLiteral("yes\r\n") << QStringLiteral("0");
        QTest::newRow("marker: missing") << QStringLiteral("marker") << QByteArray() << QStringLiteral("1");
        QTest::newRow("marker: none") << QStringLiteral("marker") << QByteArrayLiteral("0\r\n") << QStringLiteral("0");
        QTest::newRow("marker: circle") << QStringLiteral("marker") << QByteArrayLiteral("1\r\n") << QStringLiteral("1");
        QTest::newRow("marker: ball") << QStringLiteral("marker") << QByteArrayLiteral("2\r\n") << QStringLiteral("2");
        QTest::newRow("marker: spaced") << QStringLiteral("marker") << QByteArrayLiteral(" 2 \r\n") << QStringLiteral("2");
        QTest::newRow("marker: out of range") << QStringLiteral("marker") << QByteArrayLiteral("3\r\n") << QStringLiteral("1");
        QTest::newRow("marker: negative") << QStringLiteral("marker") << QByteArrayLiteral("-1\r\n") << QStringLiteral("1");
        QTest::newRow("marker: text") << QStringLiteral("marker") << QByteArrayLiteral("ball\r\n") << QStringLiteral("1");
    }
    void oneValueReading()
    {
        QFETCH(QString, setting);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        const OneValueSetting &file = oneValueSetting(setting);
        // Written under another spelling than the program's own: names match without regard to case.
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path(file.otherSpelling), bytes));
        QCOMPARE(file.read(folder()), value);
    }

    void oneValueBytes_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("help tour on") << QStringLiteral("help tour") << QStringLiteral("1")
                                      << QByteArray::fromHex("228377838b837683638341815b222c310d0a");
        QTest::newRow("help tour off") << QStringLiteral("help tour") << QStringLiteral("0") << cp932(QStringLiteral("\"ヘルプツアー\",0\r\n"));
        QTest::newRow("moving average") << QStringLiteral("moving average") << QStringLiteral("25") << QByteArrayLiteral("25\r\n");
        QTest::newRow("automatic time on") << QStringLiteral("automatic time") << QStringLiteral("1") << QByteArrayLiteral(" 1 \r\n");
        QTest::newRow("automatic time off") << QStringLiteral("automatic time") << QStringLiteral("0") << QByteArrayLiteral(" 0 \r\n");
        QTest::newRow("marker") << QStringLiteral("marker") << QStringLiteral("2") << QByteArrayLiteral("2\r\n");
    }
    void oneValueBytes()
    {
        QFETCH(QString, setting);
        QFETCH(QString, value);
        QFETCH(QByteArray, bytes);
        const OneValueSetting &file = oneValueSetting(setting);
        QVERIFY(file.write(folder(), value));
        QCOMPARE(readFile(path(file.name)), bytes);
        QCOMPARE(file.read(folder()), value);
    }

    // ---- memo ----

    void memoBytes()
    {
        QVERIFY(WriteMemo(folder(), QStringLiteral("一行目\n\n\"三行目\"")));
        QCOMPARE(readFile(path(FileName::memo)), cp932(QStringLiteral("一行目\r\n\r\n\"三行目\"\r\n")));
        QVERIFY(WriteMemo(folder(), QString()));
        QCOMPARE(readFile(path(FileName::memo)), QByteArrayLiteral("\r\n"));
    }

    void memoRoundTrip_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::newRow("empty") << QString();
        QTest::newRow("one line") << QStringLiteral("水を飲む");
        QTest::newRow("ends in an empty line") << QStringLiteral("水を飲む\n");
        QTest::newRow("ends in two empty lines") << QStringLiteral("水を飲む\n\n");
        QTest::newRow("only a line end") << QStringLiteral("\n");
        QTest::newRow("starts with an empty line") << QStringLiteral("\n水を飲む");
        QTest::newRow("double quotes and commas") << QStringLiteral("\"目標\"は,60kg");
        QTest::newRow("code page extras") << QStringLiteral("①～－∥\n ｶﾅ\t ");
    }
    void memoRoundTrip()
    {
        QFETCH(QString, memo);
        QVERIFY(WriteMemo(folder(), memo));
        QCOMPARE(ReadMemo(folder()), memo);
    }

    void memoReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("memo");
        QTest::newRow("no final line end") << QByteArrayLiteral("abc") << QStringLiteral("abc");
        QTest::newRow("LF line ends") << QByteArrayLiteral("a\nb\n") << QStringLiteral("a\nb");
        QTest::newRow("CR line ends") << QByteArrayLiteral("a\rb\r") << QStringLiteral("a\nb");
        QTest::newRow("empty file") << QByteArray() << QString();
    }
    void memoReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, memo);
        QVERIFY(writeFile(path(QStringLiteral("気付きメモ.TXT")), bytes));
        QCOMPARE(ReadMemo(folder()), memo);
    }

    void memoLineEndsNormalised()
    {
        QVERIFY(WriteMemo(folder(), QStringLiteral("a\r\nb\rc")));
        QCOMPARE(readFile(path(FileName::memo)), QByteArrayLiteral("a\r\nb\r\nc\r\n"));
        QCOMPARE(ReadMemo(folder()), QStringLiteral("a\nb\nc"));
        QCOMPARE(ReadMemo(DataFolder(m_dir->filePath(QStringLiteral("none")))), QString());
    }

    // ---- situation list ----

    void missingListGivesDefaults()
    {
        QCOMPARE(ReadSituationList(folder()), defaultSituations());
        QCOMPARE(defaultSituations().size(), 10);
        QCOMPARE(defaultSituations().first(), QStringLiteral("起床後"));
        QCOMPARE(defaultSituations().last(), QStringLiteral("就寝前"));
    }

    void situationListReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("quoted comma: one entry") << QStringLiteral("\"a,b\"\r\n") << QStringList{QStringLiteral("a,b")};
        QTest::newRow("plain comma: two entries") << QStringLiteral("a,b\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("both forms") << QStringLiteral("\"朝食後\"\r\n散歩後\r\n\"外食、ラーメン\"\r\n")
                                    << QStringList{QStringLiteral("朝食後"), QStringLiteral("散歩後"), QStringLiteral("外食、ラーメン")};
        QTest::newRow("blank lines skipped") << QStringLiteral("\r\n朝\r\n  \r\n夜") << QStringList{QStringLiteral("朝"), QStringLiteral("夜")};
        QTest::newRow("spaces around plain entry") << QStringLiteral("  朝 食 \r\n") << QStringList{QStringLiteral("朝 食")};
        QTest::newRow("quoted empty entry") << QStringLiteral("\"\"\r\n") << QStringList{QString()};
        QTest::newRow("empty file") << QString() << QStringList();
    }
    void situationListReading()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QVERIFY(writeFile(path(QStringLiteral("状況リスト.TXT")), cp932(text)));
        QCOMPARE(ReadSituationList(folder()), entries);
    }

    void situationListRewrites()
    {
        const QStringList entries = {QStringLiteral("朝食後"), QStringLiteral("a,b"), QStringLiteral("①回目")};
        QVERIFY(RewriteSituationListQuoted(folder(), entries));
        QCOMPARE(readFile(path(FileName::situationList)),
                 cp932Lines({QStringLiteral("\"朝食後\""), QStringLiteral("\"a,b\""), QStringLiteral("\"①回目\"")}));
        QCOMPARE(ReadSituationList(folder()), entries);
        QVERIFY(RewriteSituationListPlain(folder(), entries));
        QCOMPARE(readFile(path(FileName::situationList)), cp932Lines(entries));
        QCOMPARE(ReadSituationList(folder()), (QStringList{QStringLiteral("朝食後"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("①回目")}));
        QVERIFY(ClearSituationList(folder()));
        QCOMPARE(readFile(path(FileName::situationList)), QByteArray());
        QCOMPARE(ReadSituationList(folder()), QStringList());
    }

    void situationAppends_data()
    {
        QTest::addColumn<bool>("quoted");
        QTest::addColumn<QByteArray>("ending"); // how the existing file ends
        QTest::addColumn<QByteArray>("added");
        QTest::newRow("quoted") << true << QByteArrayLiteral("\r\n") << cp932Lines({QStringLiteral("\"散歩後\"")});
        QTest::newRow("plain") << false << QByteArrayLiteral("\r\n") << cp932Lines({QStringLiteral("散歩後")});
        QTest::newRow("after a line without line end") << true << QByteArray() << QByteArrayLiteral("\r\n") + cp932Lines({QStringLiteral("\"散歩後\"")});
        QTest::newRow("after a CR cut off from its LF") << false << QByteArrayLiteral("\r") << QByteArrayLiteral("\n") + cp932Lines({QStringLiteral("散歩後")});
    }
    void situationAppends()
    {
        QFETCH(bool, quoted);
        QFETCH(QByteArray, ending);
        QFETCH(QByteArray, added);
        const QByteArray old = cp932(QStringLiteral("\"朝\"\r\n夜")) + ending;
        QVERIFY(writeFile(path(FileName::situationList), old));
        const QString entry = QStringLiteral("散歩後");
        QVERIFY(quoted ? AppendSituationQuoted(folder(), entry) : AppendSituationPlain(folder(), entry));
        QCOMPARE(readFile(path(FileName::situationList)), old + added);
        QCOMPARE(ReadSituationList(folder()), (QStringList{QStringLiteral("朝"), QStringLiteral("夜"), entry}));
    }

    void appendToMissingListKeepsDefaults_data()
    {
        QTest::addColumn<bool>("quoted");
        QTest::addColumn<QString>("line");
        QTest::newRow("quoted") << true << QStringLiteral("\"ジム,プール\"");
        QTest::newRow("plain") << false << QStringLiteral("ジム,プール");
    }
    void appendToMissingListKeepsDefaults()
    {
        QFETCH(bool, quoted);
        QFETCH(QString, line);
        const QString entry = QStringLiteral("ジム,プール");
        QVERIFY(quoted ? AppendSituationQuoted(folder(), entry) : AppendSituationPlain(folder(), entry));
        QCOMPARE(readFile(path(FileName::situationList)), kDefaultSituationBytes + cp932Lines({line}));
        const QStringList expected = defaultSituations() + (quoted ? QStringList{entry} : QStringList{QStringLiteral("ジム"), QStringLiteral("プール")});
        QCOMPARE(ReadSituationList(folder()), expected);
    }

    void appendToListUnderOtherCase()
    {
        QVERIFY(writeFile(path(QStringLiteral("状況リスト.TXT")), cp932Lines({QStringLiteral("朝")})));
        QVERIFY(AppendSituationQuoted(folder(), QStringLiteral("夜")));
        QCOMPARE(folderEntries(m_dir->path()), QStringList{QStringLiteral("状況リスト.TXT")});
        QCOMPARE(ReadSituationList(folder()), (QStringList{QStringLiteral("朝"), QStringLiteral("夜")}));
    }

    // ---- a first start ----

    void missingFilesCreatedWithDefaults()
    {
        QVERIFY(CreateMissingSettingsFiles(folder()));
        QStringList entries = folderEntries(m_dir->path());
        entries.sort();
        QStringList expected = {QStringLiteral("設定.txt"), QStringLiteral("体重計刻み.txt"), QStringLiteral("移動平均.txt"),
                                QStringLiteral("自動時間.txt"), QStringLiteral("マーカー.txt"), QStringLiteral("状況リスト.txt"),
                                QStringLiteral("気付きメモ.txt")};
        expected.sort();
        QCOMPARE(entries, expected);
        QCOMPARE(readFile(path(FileName::helpTour)), cp932(QStringLiteral("\"ヘルプツアー\",1\r\n")));
        QCOMPARE(readFile(path(FileName::scaleSteps)), QByteArrayLiteral("0.1\r\n0.1\r\n"));
        QCOMPARE(readFile(path(FileName::movingAverage)), QByteArrayLiteral("10\r\n"));
        QCOMPARE(readFile(path(FileName::autoTime)), QByteArrayLiteral(" 0 \r\n"));
        QCOMPARE(readFile(path(FileName::marker)), QByteArrayLiteral("1\r\n"));
        QCOMPARE(readFile(path(FileName::situationList)), kDefaultSituationBytes);
        QCOMPARE(readFile(path(FileName::memo)), QByteArrayLiteral("\r\n"));
    }

    void existingFilesNotTouched()
    {
        QVERIFY(writeFile(path(QStringLiteral("移動平均.TXT")), QByteArrayLiteral("20\r\n")));
        QVERIFY(writeFile(path(QStringLiteral("状況リスト.txt")), QByteArray()));
        QVERIFY(CreateMissingSettingsFiles(folder()));
        QCOMPARE(readFile(path(QStringLiteral("移動平均.TXT"))), QByteArrayLiteral("20\r\n"));
        QVERIFY(!QFile::exists(path(FileName::movingAverage)));
        QCOMPARE(ReadSituationList(folder()), QStringList());
        QCOMPARE(folderEntries(m_dir->path()).size(), 7);
    }

    // ---- failed writes ----

    void failedWriteLeavesFileIntact_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("write");
        QTest::addColumn<bool>("atCommit");
        const QStringList files = {FileName::profile1, FileName::situationList, FileName::situationList, FileName::scaleSteps,
                                   FileName::memo,     FileName::helpTour};
        const char *const names[] = {"profile", "situation append", "situation rewrite", "scale steps", "memo", "help tour"};
        for (int i = 0; i < files.size(); ++i) {
            QTest::addRow("%s, half-way", names[i]) << files[i] << i << false;
            if (i != 1) // an append has no rename
                QTest::addRow("%s, at the rename", names[i]) << files[i] << i << true;
        }
    }
    void failedWriteLeavesFileIntact()
    {
        QFETCH(QString, file);
        QFETCH(int, write);
        QFETCH(bool, atCommit);
        const DataFolder f = folder();
        const std::function<StoreResult()> writes[] = {
            [&] { return WriteProfile(f, FileName::profile1, {QStringLiteral("ぽむぽむ"), 171, 59}); },
            [&] { return AppendSituationQuoted(f, QStringLiteral("散歩後")); },
            [&] { return RewriteSituationListPlain(f, {QStringLiteral("散歩後"), QStringLiteral("夜")}); },
            [&] { return WriteScaleSteps(f, {QStringLiteral("0.5"), QStringLiteral("0.5")}); },
            [&] { return WriteMemo(f, QStringLiteral("新しいメモ、長め")); },
            [&] { return WriteHelpTourSetting(f, 0); },
        };
        const QByteArray old = cp932(QStringLiteral("\"古い\",\"内容です\"\r\n"));
        QVERIFY(writeFile(path(file), old));
        const auto armed = SafeSave::injectFault({atCommit ? -1 : 3, atCommit});
        const StoreResult r = writes[write]();
        QVERIFY(!r.ok());
        QVERIFY(r.message().contains(file));
        QCOMPARE(readFile(path(file)), old);
        QCOMPARE(folderEntries(m_dir->path()), QStringList{file});
        QVERIFY(writes[write]());
        QVERIFY(readFile(path(file)) != old);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
