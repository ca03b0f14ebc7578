#pragma once

#include <QString>
#include <QStringList>

// The names of the files in the data folder, in the spelling the program creates them with.
namespace FileName {
inline const QString data1 = QStringLiteral("データ1.txt");
inline const QString data2 = QStringLiteral("データ2.txt");
inline const QString profile1 = QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ1.txt");
inline const QString profile2 = QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ2.txt");
inline const QString situationList = QStringLiteral("状況リスト.txt");
inline const QString helpTour = QStringLiteral("設定.txt");
inline const QString scaleSteps = QStringLiteral("体重計刻み.txt");
inline const QString movingAverage = QStringLiteral("移動平均.txt");
inline const QString autoTime = QStringLiteral("自動時間.txt");
inline const QString marker = QStringLiteral("マーカー.txt");
inline const QString memo = QStringLiteral("気付きメモ.txt");

// Every file the program keeps in the data folder.
inline QStringList all()
{
    return {data1, data2, profile1, profile2, situationList, helpTour, scaleSteps, movingAverage, autoTime, marker, memo};
}

inline QString dataFile(int partner) { return partner == 2 ? data2 : data1; }
inline QString profileFile(int partner) { return partner == 2 ? profile2 : profile1; }
} // namespace FileName
