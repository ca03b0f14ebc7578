// The small files beside the data files: the profiles, the situation list, the one-value settings
// files and the memo. Their exact bytes, their defaults, and what they refuse.

#include "StoreTestUtil.h"

#include "store/FileNames.h"
#include "store/MemoFile.h"
#include "store/Profile.h"
#include "store/SafeSave.h"
#include "store/SettingsFiles.h"
#include "store/SituationListFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace StoreTest;

namespace {
const QByteArray kDefaultSituationBytes = cp932Lines({QStringLiteral("\"起床後\""), QStringLiteral("\"朝食前\""), QStringLiteral("\"朝食後\""),
                                                      QStringLiteral("\"昼食前\""), QStringLiteral("\"昼食後\""), QStringLiteral("\"夕食前\""),
                                                      QStringLiteral("\"夕食後\""), QStringLiteral("\"運動後\""), QStringLiteral("\"入浴後\""),
                                                      QStringLiteral("\"就寝前\"")});
}

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    DataFolder folder() const { return DataFolder(m_dir->path()); }

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
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        SafeSave::injectFault({});
    }
    void cleanup()
    {
        delete m_dir;
        m_dir = nullptr;
    }

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
        QTest::newRow("LF") << QStringLiteral("ぽ\nむ") << QStringLiteral("ぽ む");
        QTest::newRow("CR") << QStringLiteral("ぽ\rむ") << QStringLiteral("ぽ む");
        QTest::newRow("emoji") << QStringLiteral("ぽむ😀") << QStringLiteral("😀");
        QTest::newRow("yen sign") << QStringLiteral("\u00A5") << QStringLiteral("\u00A5");
        QTest::newRow("em dash") << QStringLiteral("a\u2014b") << QStringLiteral("\u2014");
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

    // ---- help tour ----

    void helpTourBytes()
    {
        QVERIFY(WriteHelpTourSetting(folder(), 1));
        QCOMPARE(readFile(path(FileName::helpTour)), QByteArray::fromHex("228377838b837683638341815b222c310d0a"));
        QVERIFY(WriteHelpTourSetting(folder(), 0));
        QCOMPARE(readFile(path(FileName::helpTour)), cp932(QStringLiteral("\"ヘルプツアー\",0\r\n")));
        QCOMPARE(ReadHelpTourSetting(folder()), 0);
    }

    void helpTourReading_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<int>("on");
        QTest::newRow("missing: on") << QByteArray() << 1;
        QTest::newRow("on") << cp932(QStringLiteral("\"ヘルプツアー\",1\r\n")) << 1;
        QTest::newRow("off") << cp932(QStringLiteral("\"ヘルプツアー\",0\r\n")) << 0;
        QTest::newRow("off, spaced, no line end") << cp932(QStringLiteral("\"ヘルプツアー\", 0 ")) << 0;
        QTest::newRow("out of range") << cp932(QStringLiteral("\"ヘルプツアー\",2\r\n")) << 1;
        QTest::newRow("not a number") << cp932(QStringLiteral("\"ヘルプツアー\",x\r\n")) << 1;
        QTest::newRow("no value") << cp932(QStringLiteral("\"ヘルプツアー\"\r\n")) << 1;
        QTest::newRow("no label") << QByteArrayLiteral("0\r\n") << 1;
        QTest::newRow("empty file") << QByteArrayLiteral("\r\n") << 1;
    }
    void helpTourReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, on);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path(QStringLiteral("設定.TXT")), bytes));
        QCOMPARE(ReadHelpTourSetting(folder()), on);
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

    // ---- moving average, automatic time, marker ----

    void movingAverage_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<QString>("count");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("10");
        QTest::newRow("fifteen") << QByteArrayLiteral("15\r\n") << QStringLiteral("15");
        QTest::newRow("spaces") << QByteArrayLiteral(" 20 \r\n") << QStringLiteral("20");
        QTest::newRow("leading zero kept") << QByteArrayLiteral("07\r\n") << QStringLiteral("07");
        QTest::newRow("largest") << QByteArrayLiteral("32767\r\n") << QStringLiteral("32767");
        QTest::newRow("too large") << QByteArrayLiteral("32768\r\n") << QStringLiteral("10");
        QTest::newRow("zero") << QByteArrayLiteral("0\r\n") << QStringLiteral("10");
        QTest::newRow("negative") << QByteArrayLiteral("-3\r\n") << QStringLiteral("10");
        QTest::newRow("fraction") << QByteArrayLiteral("7.5\r\n") << QStringLiteral("10");
        QTest::newRow("text") << QByteArrayLiteral("abc\r\n") << QStringLiteral("10");
        QTest::newRow("empty") << QByteArrayLiteral("\r\n") << QStringLiteral("10");
        QTest::newRow("NUL after the digits") << QByteArray("8\0x\r\n", 5) << QStringLiteral("10");
    }
    void movingAverage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, count);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path(QStringLiteral("移動平均.TXT")), bytes));
        QCOMPARE(ReadMovingAverageSetting(folder()), count);
    }

    void movingAverageBytes()
    {
        QVERIFY(WriteMovingAverageSetting(folder(), QStringLiteral("25")));
        QCOMPARE(readFile(path(FileName::movingAverage)), QByteArrayLiteral("25\r\n"));
        QCOMPARE(ReadMovingAverageSetting(folder()), QStringLiteral("25"));
    }

    void autoTime_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("checked");
        QTest::newRow("missing") << QByteArray() << 0;
        QTest::newRow("on") << QByteArrayLiteral(" 1 \r\n") << 1;
        QTest::newRow("on, bare") << QByteArrayLiteral("1") << 1;
        QTest::newRow("off") << QByteArrayLiteral(" 0 \r\n") << 0;
        QTest::newRow("out of range") << QByteArrayLiteral(" 2 \r\n") << 0;
        QTest::newRow("negative") << QByteArrayLiteral("-1\r\n") << 0;
        QTest::newRow("text") << QByteArrayLiteral("yes\r\n") << 0;
    }
    void autoTime()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, checked);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path(QStringLiteral("自動時間.TXT")), bytes));
        QCOMPARE(ReadAutoTimeSetting(folder()), checked);
    }

    void autoTimeBytes()
    {
        QVERIFY(WriteAutoTimeSetting(folder(), 1));
        QCOMPARE(readFile(path(FileName::autoTime)), QByteArrayLiteral(" 1 \r\n"));
        QCOMPARE(ReadAutoTimeSetting(folder()), 1);
        QVERIFY(WriteAutoTimeSetting(folder(), 0));
        QCOMPARE(readFile(path(FileName::autoTime)), QByteArrayLiteral(" 0 \r\n"));
        QCOMPARE(ReadAutoTimeSetting(folder()), 0);
    }

    void marker_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("style");
        QTest::newRow("missing") << QByteArray() << 1;
        QTest::newRow("none") << QByteArrayLiteral("0\r\n") << 0;
        QTest::newRow("circle") << QByteArrayLiteral("1\r\n") << 1;
        QTest::newRow("ball") << QByteArrayLiteral("2\r\n") << 2;
        QTest::newRow("spaced") << QByteArrayLiteral(" 2 \r\n") << 2;
        QTest::newRow("out of range") << QByteArrayLiteral("3\r\n") << 1;
        QTest::newRow("negative") << QByteArrayLiteral("-1\r\n") << 1;
        QTest::newRow("text") << QByteArrayLiteral("ball\r\n") << 1;
    }
    void marker()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, style);
        if (!bytes.isEmpty())
            QVERIFY(writeFile(path(QStringLiteral("マーカー.TXT")), bytes));
        QCOMPARE(ReadMarkerStyle(folder()), style);
    }

    void markerBytes()
    {
        QVERIFY(WriteMarkerStyle(folder(), 2));
        QCOMPARE(readFile(path(FileName::marker)), QByteArrayLiteral("2\r\n"));
        QCOMPARE(ReadMarkerStyle(folder()), 2);
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
        SafeSave::injectFault({atCommit ? -1 : 3, atCommit});
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
