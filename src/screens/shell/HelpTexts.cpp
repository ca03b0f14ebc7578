#include "screens/shell/HelpTexts.h"

#include <QStringView>

#include <span>

namespace {

// One sentence of an explanation and the number of empty lines that follow it. The tour shows
// the texts in a plain message box, so the layout is made of line breaks alone: every sentence
// ends with CR LF and each empty line is one more CR LF.
struct Sentence
{
    QStringView text;
    int emptyLinesAfter;
};

// The sentences are the program's own wording, kept character for character: full-width
// spaces indent the notes and the list items, the fourth start-up sentence keeps its trailing
// space and the calendar's third sentence has no final stop.

constexpr Sentence startup[] = {
    {u"ポムリナに興味をもっていただきありがとうございます。(^o^)／", 1},
    {u"このソフトは「体重計乗るだけダイエット」を「二人で楽しむ」ダイエット支援ソフトです。", 0},
    {u"体重と体脂肪率、状況を入力するだけの超簡単入力！", 0},
    {u"多彩な表示内容でダイエット意識の継続を促します。 ", 1},
    {u"一人では挫折しやすいダイエットもパートナーがいるだけで継続マインドが飛躍的にアップ！", 0},
    {u"ある時は競い合いある時は励ましあってダイエットを成功させましょう！", 1},
    {u"起動時のこの画面は二人のデータの比較表示です。", 1},
    {u"測定回数や最高記録などを表示したり、日毎の平均体重データをリストやグラフでみることができます。", 0},
};

// One sentence, closed by a blank line.
constexpr Sentence comparison[] = {
    {u"日毎の平均体重をリストとグラフに表示します。", 1},
};

constexpr Sentence entry[] = {
    {u"体重と体脂肪率を入力する画面です。", 1},
    {u"まずはニックネームのボタンを押して自分のデータを表示させます。", 0},
    {u"ボタン横の数字はその日の入力回数です。", 0},
    {u"多い方は「緑」少ない方は「赤」で表示されます。同点の場合は両方「黄色」です。", 1},
    {u"ボタン横のマークは「未登録」から１回登録ごとに表情が変わっていきます。", 0},
    {u"１回登録では「ムスッ」、２回登録で「ニコ」、３回登録で「すごくニコニコ」になります。", 2},
    {u"<入力方法>", 0},
    {u"①「状況選択」リストから体重測定時の状況を選択します。", 1},
    {u"②前回の体重と体脂肪率が表示されますので↑↓ボタンで今回の体重と体脂肪率を指定します。", 0},
    {u"表示欄に直接入力することもできます。", 1},
    {u"③あとはフロッピーアイコン（保存ボタン）をクリックするだけ。", 1},
    {u"リストとグラフに結果が表示されます。", 1},
    {u"左上のフェイスマークはその日での体重変動に連動しています。", 0},
    {u"減っていれば「笑い」、変動なければ「ニコ」、増えたら「ムスッ」です。", 1},
    {u"一日の終わりを「笑い」か「ニコ」で締めくくろう！", 0},
};

constexpr Sentence history[] = {
    {u"これまで入力してきたデータを「状況」「曜日」「期間」指定で表示できます。", 1},
    {u"「状況」をリストから選択すると、その「状況」のみのデータになります。", 0},
    {u"　※状況欄に直接任意の語句を入力することができます。（入力後Enter）", 1},
    {u"各種曜日ボタンで選択すると指定した曜日でのデータになります。", 1},
    {u"「期間」をボタンで選択すると指定した期間でのデータになります。", 0},
    {u"　※期間のコンボリストで任意に指定することも可能です。", 0},
};

constexpr Sentence trend[] = {
    {u"ダイエットを開始した日から現在までの体重の推移を表示します。", 1},
    {u"青線は入力した体重データそのものです。", 1},
    {u"赤線は１０回分を平均化した移動平均データです。", 0},
    {u"突発的な増減の影響を受けず傾向をつかみやすいグラフになります。", 0},
    {u"（移動平均量はコンボＢＯＸで可変させることができます）", 1},
    {u"「目標まで残り○○Ｋｇ」ボタンを押すとグラフの下限を目標値に切り替えられます。", 0},
};

constexpr Sentence analyses[] = {
    {u"登録されている体重データを元に４つの分析結果を一覧表示します。", 1},
    {u"　・時系列連続体重：体重の推移です。前回との差と初回との差で切り替えができます。", 1},
    {u"　・区切り経過　　　：０．５Ｋｇを区切りとして何日後に達成したかが把握できます。", 1},
    {u"　・体重平均推移　　：体重推移の平均です。停滞期でも下がっていくので励みになります。", 1},
    {u"　・体重推移累積番付：何回その体重区間に滞在したかが把握できます。停滞期も楽しく乗りきれます！？", 2},
    {u"これらの情報を利用してダイエットの励みにしましょう。", 0},
};

constexpr Sentence calendar[] = {
    {u"一日の中で体重増減状況を色で把握できるカレンダーです。", 1},
    {u"体重が減っていれば「緑色」、増減がなければ「黄色」、増えちゃったら「赤色」です。", 0},
    {u"一日の中で１回しか測定しなかった日は「紫色」で表しています。", 1},
    {u"詳細／簡易ボタンで「増えた日/１回測定」と「減った日/増減無し」に切り替えられます", 1},
    {u"赤色以外を増やすようにがんばりましょう！", 0},
};

constexpr Sentence diary[] = {
    {u"一回一回の測定ごとにちょっとしたコメントを残すことができます。", 1},
    {u"すごく増えちゃった日は言い訳を書いて懺悔？し、スッキリと明日を迎えたり…", 0},
    {u"すごく減った時は褒美の言葉を自分にプレゼントしたり。いろいろ使えると思います。", 0},
    {u"面倒でなければちょっとした食事日記にも使えますね。", 1},
    {u"気付きメモはよりフリーにいろんなことが書き込めます。", 0},
    {u"ご自身のダイエットの極意を書き記したり、ダイエット中に気付いたことを書き留めてもいいと思います。", 0},
};

// Four paragraphs, each closed by a blank line, the last one too.
constexpr Sentence maintenance[] = {
    {u"これまでのデータを削除して新規にダイエットをスタートさせたり、各種データの編集を行います。", 1},
    {u"体重と共に登録する状況項目を追加したり、順番の並び替え、削除ができます。", 1},
    {u"ＢＭＩメーターではスクロールバーを可変させることでＢＭＩ値と肥満度をシミュレーションできます。", 1},
    {u"入力時の時間を記録したい場合は「一言日記に自動的に時間を記録」にチェックを入れてください。", 1},
};

// The two comparison-graph modes explain themselves when chosen.
constexpr Sentence sameAxisGraph[] = {
    {u"二人の平均体重データを同一の軸でグラフ表示します。", 1},
    {u"実際のデータをそのままにグラフ表示するモードと", 0},
    {u"体重の重い方に軽い方を重ねた形でグラフ表示するモードがあります。", 1},
    {u"グラフを重ねるモードにすると純粋にお互いの体重の増減推移を比較することができます。", 0},
};

constexpr Sentence separateAxesGraph[] = {
    {u"登録者それぞれの平均体重データを別々の軸でグラフ表示します。", 0},
    {u"登録者１が左の軸、登録者２が右の軸になります。", 1},
    {u"Ｙ軸の下限値を最低体重（平均値）から自動的に設定するモードと", 0},
    {u"目標値として登録した値を下限値にするモードがあります。", 1},
};

std::span<const Sentence> sentencesOf(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Startup:
        return startup;
    case HelpTopic::Comparison:
        return comparison;
    case HelpTopic::Entry:
        return entry;
    case HelpTopic::History:
        return history;
    case HelpTopic::Trend:
        return trend;
    case HelpTopic::Analyses:
        return analyses;
    case HelpTopic::Calendar:
        return calendar;
    case HelpTopic::Diary:
        return diary;
    case HelpTopic::Maintenance:
        return maintenance;
    case HelpTopic::SameAxisGraph:
        return sameAxisGraph;
    case HelpTopic::SeparateAxesGraph:
        return separateAxesGraph;
    }
    return {};
}

} // namespace

QString helpTourText(HelpTopic topic)
{
    const QStringView lineEnd = u"\r\n";
    QString text;
    for (const Sentence &sentence : sentencesOf(topic)) {
        text += sentence.text;
        text += lineEnd;
        for (int i = 0; i < sentence.emptyLinesAfter; ++i)
            text += lineEnd;
    }
    return text;
}
