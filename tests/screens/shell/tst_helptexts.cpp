// SPDX-License-Identifier: GPL-3.0-or-later
// The help tour's explanations, compared byte for byte with the texts the program must show.
// The expected texts are written out here in full, line by line, independently of the table in
// HelpTexts.cpp, so that a slip of one character on either side shows up.

#include "screens/shell/HelpTexts.h"

#include <QList>
#include <QTest>

namespace {

const QList<HelpTopic> allTopics = {
    HelpTopic::Startup,     HelpTopic::Comparison,    HelpTopic::Entry,
    HelpTopic::History,     HelpTopic::Trend,         HelpTopic::Analyses,
    HelpTopic::Calendar,    HelpTopic::Diary,         HelpTopic::Maintenance,
    HelpTopic::SameAxisGraph, HelpTopic::SeparateAxesGraph,
};

} // namespace

class TestHelpTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data();
    void text();
    void everyLineEndsWithCrLf_data() { text_data(); }
    void everyLineEndsWithCrLf();
    void topicsAreDistinct();
};

void TestHelpTexts::text_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Startup") << int(HelpTopic::Startup)
                        << QStringLiteral(
                               "ポムリナに興味をもっていただきありがとうございます。(^o^)／\r\n"
                               "\r\n"
                               "このソフトは「体重計乗るだけダイエット」を「二人で楽しむ」ダイエット支援ソフトです。\r\n"
                               "体重と体脂肪率、状況を入力するだけの超簡単入力！\r\n"
                               "多彩な表示内容でダイエット意識の継続を促します。 \r\n"
                               "\r\n"
                               "一人では挫折しやすいダイエットもパートナーがいるだけで継続マインドが飛躍的にアップ！\r\n"
                               "ある時は競い合いある時は励ましあってダイエットを成功させましょう！\r\n"
                               "\r\n"
                               "起動時のこの画面は二人のデータの比較表示です。\r\n"
                               "\r\n"
                               "測定回数や最高記録などを表示したり、日毎の平均体重データをリストやグラフでみることができます。\r\n");
    QTest::newRow("Comparison") << int(HelpTopic::Comparison)
                        << QStringLiteral(
                               "日毎の平均体重をリストとグラフに表示します。\r\n"
                               "\r\n");
    QTest::newRow("Entry") << int(HelpTopic::Entry)
                        << QStringLiteral(
                               "体重と体脂肪率を入力する画面です。\r\n"
                               "\r\n"
                               "まずはニックネームのボタンを押して自分のデータを表示させます。\r\n"
                               "ボタン横の数字はその日の入力回数です。\r\n"
                               "多い方は「緑」少ない方は「赤」で表示されます。同点の場合は両方「黄色」です。\r\n"
                               "\r\n"
                               "ボタン横のマークは「未登録」から１回登録ごとに表情が変わっていきます。\r\n"
                               "１回登録では「ムスッ」、２回登録で「ニコ」、３回登録で「すごくニコニコ」になります。\r\n"
                               "\r\n"
                               "\r\n"
                               "<入力方法>\r\n"
                               "①「状況選択」リストから体重測定時の状況を選択します。\r\n"
                               "\r\n"
                               "②前回の体重と体脂肪率が表示されますので↑↓ボタンで今回の体重と体脂肪率を指定します。\r\n"
                               "表示欄に直接入力することもできます。\r\n"
                               "\r\n"
                               "③あとはフロッピーアイコン（保存ボタン）をクリックするだけ。\r\n"
                               "\r\n"
                               "リストとグラフに結果が表示されます。\r\n"
                               "\r\n"
                               "左上のフェイスマークはその日での体重変動に連動しています。\r\n"
                               "減っていれば「笑い」、変動なければ「ニコ」、増えたら「ムスッ」です。\r\n"
                               "\r\n"
                               "一日の終わりを「笑い」か「ニコ」で締めくくろう！\r\n");
    QTest::newRow("History") << int(HelpTopic::History)
                        << QStringLiteral(
                               "これまで入力してきたデータを「状況」「曜日」「期間」指定で表示できます。\r\n"
                               "\r\n"
                               "「状況」をリストから選択すると、その「状況」のみのデータになります。\r\n"
                               "　※状況欄に直接任意の語句を入力することができます。（入力後Enter）\r\n"
                               "\r\n"
                               "各種曜日ボタンで選択すると指定した曜日でのデータになります。\r\n"
                               "\r\n"
                               "「期間」をボタンで選択すると指定した期間でのデータになります。\r\n"
                               "　※期間のコンボリストで任意に指定することも可能です。\r\n");
    QTest::newRow("Trend") << int(HelpTopic::Trend)
                        << QStringLiteral(
                               "ダイエットを開始した日から現在までの体重の推移を表示します。\r\n"
                               "\r\n"
                               "青線は入力した体重データそのものです。\r\n"
                               "\r\n"
                               "赤線は１０回分を平均化した移動平均データです。\r\n"
                               "突発的な増減の影響を受けず傾向をつかみやすいグラフになります。\r\n"
                               "（移動平均量はコンボＢＯＸで可変させることができます）\r\n"
                               "\r\n"
                               "「目標まで残り○○Ｋｇ」ボタンを押すとグラフの下限を目標値に切り替えられます。\r\n");
    QTest::newRow("Analyses") << int(HelpTopic::Analyses)
                        << QStringLiteral(
                               "登録されている体重データを元に４つの分析結果を一覧表示します。\r\n"
                               "\r\n"
                               "　・時系列連続体重：体重の推移です。前回との差と初回との差で切り替えができます。\r\n"
                               "\r\n"
                               "　・区切り経過　　　：０．５Ｋｇを区切りとして何日後に達成したかが把握できます。\r\n"
                               "\r\n"
                               "　・体重平均推移　　：体重推移の平均です。停滞期でも下がっていくので励みになります。\r\n"
                               "\r\n"
                               "　・体重推移累積番付：何回その体重区間に滞在したかが把握できます。停滞期も楽しく乗りきれます！？\r\n"
                               "\r\n"
                               "\r\n"
                               "これらの情報を利用してダイエットの励みにしましょう。\r\n");
    QTest::newRow("Calendar") << int(HelpTopic::Calendar)
                        << QStringLiteral(
                               "一日の中で体重増減状況を色で把握できるカレンダーです。\r\n"
                               "\r\n"
                               "体重が減っていれば「緑色」、増減がなければ「黄色」、増えちゃったら「赤色」です。\r\n"
                               "一日の中で１回しか測定しなかった日は「紫色」で表しています。\r\n"
                               "\r\n"
                               "詳細／簡易ボタンで「増えた日/１回測定」と「減った日/増減無し」に切り替えられます\r\n"
                               "\r\n"
                               "赤色以外を増やすようにがんばりましょう！\r\n");
    QTest::newRow("Diary") << int(HelpTopic::Diary)
                        << QStringLiteral(
                               "一回一回の測定ごとにちょっとしたコメントを残すことができます。\r\n"
                               "\r\n"
                               "すごく増えちゃった日は言い訳を書いて懺悔？し、スッキリと明日を迎えたり…\r\n"
                               "すごく減った時は褒美の言葉を自分にプレゼントしたり。いろいろ使えると思います。\r\n"
                               "面倒でなければちょっとした食事日記にも使えますね。\r\n"
                               "\r\n"
                               "気付きメモはよりフリーにいろんなことが書き込めます。\r\n"
                               "ご自身のダイエットの極意を書き記したり、ダイエット中に気付いたことを書き留めてもいいと思います。\r\n");
    QTest::newRow("Maintenance") << int(HelpTopic::Maintenance)
                        << QStringLiteral(
                               "これまでのデータを削除して新規にダイエットをスタートさせたり、各種データの編集を行います。\r\n"
                               "\r\n"
                               "体重と共に登録する状況項目を追加したり、順番の並び替え、削除ができます。\r\n"
                               "\r\n"
                               "ＢＭＩメーターではスクロールバーを可変させることでＢＭＩ値と肥満度をシミュレーションできます。\r\n"
                               "\r\n"
                               "入力時の時間を記録したい場合は「一言日記に自動的に時間を記録」にチェックを入れてください。\r\n"
                               "\r\n");
    QTest::newRow("SameAxisGraph") << int(HelpTopic::SameAxisGraph)
                        << QStringLiteral(
                               "二人の平均体重データを同一の軸でグラフ表示します。\r\n"
                               "\r\n"
                               "実際のデータをそのままにグラフ表示するモードと\r\n"
                               "体重の重い方に軽い方を重ねた形でグラフ表示するモードがあります。\r\n"
                               "\r\n"
                               "グラフを重ねるモードにすると純粋にお互いの体重の増減推移を比較することができます。\r\n");
    QTest::newRow("SeparateAxesGraph") << int(HelpTopic::SeparateAxesGraph)
                        << QStringLiteral(
                               "登録者それぞれの平均体重データを別々の軸でグラフ表示します。\r\n"
                               "登録者１が左の軸、登録者２が右の軸になります。\r\n"
                               "\r\n"
                               "Ｙ軸の下限値を最低体重（平均値）から自動的に設定するモードと\r\n"
                               "目標値として登録した値を下限値にするモードがあります。\r\n"
                               "\r\n");
}

void TestHelpTexts::text()
{
    QFETCH(int, topic);
    QFETCH(QString, expected);

    const QString actual = helpTourText(static_cast<HelpTopic>(topic));
    // A failing QCOMPARE on long Japanese texts is hard to read, so name the first position
    // where they differ and show a little of both texts from there.
    qsizetype firstDifference = 0;
    while (firstDifference < actual.size() && firstDifference < expected.size()
           && actual.at(firstDifference) == expected.at(firstDifference))
        ++firstDifference;
    if (actual != expected) {
        const QString message = QStringLiteral("texts differ at position %1: actual \"%2\", expected \"%3\"")
                                    .arg(firstDifference)
                                    .arg(actual.mid(firstDifference, 20), expected.mid(firstDifference, 20));
        QFAIL(qPrintable(message));
    }
    QCOMPARE(actual.toUtf8(), expected.toUtf8());
}

void TestHelpTexts::everyLineEndsWithCrLf()
{
    QFETCH(int, topic);

    const QString actual = helpTourText(static_cast<HelpTopic>(topic));
    QVERIFY(!actual.isEmpty());
    QVERIFY(actual.endsWith(QStringLiteral("\r\n")));
    // Line breaks come only from the builder, always as CR LF; a lone LF or CR would mean a
    // sentence was entered with a break inside it.
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (actual.at(i) == u'\n')
            QVERIFY2(i > 0 && actual.at(i - 1) == u'\r', qPrintable(QStringLiteral("lone LF at %1").arg(i)));
        if (actual.at(i) == u'\r')
            QVERIFY2(i + 1 < actual.size() && actual.at(i + 1) == u'\n',
                     qPrintable(QStringLiteral("lone CR at %1").arg(i)));
    }
    // An explanation begins with a sentence, never with an empty line.
    QVERIFY(!actual.startsWith(QStringLiteral("\r\n")));
}

void TestHelpTexts::topicsAreDistinct()
{
    for (qsizetype i = 0; i < allTopics.size(); ++i) {
        for (qsizetype j = i + 1; j < allTopics.size(); ++j) {
            QVERIFY2(helpTourText(allTopics.at(i)) != helpTourText(allTopics.at(j)),
                     qPrintable(QStringLiteral("topics %1 and %2 share a text").arg(i).arg(j)));
        }
    }
}

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
