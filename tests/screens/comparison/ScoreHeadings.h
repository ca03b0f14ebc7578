#pragma once

#include <QString>
#include <QTest>

// The scoreboard's row headings and band colours, as both the computation and the panel must
// give them: columns row, heading, colour.
inline void addScoreHeadingRows()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<uint>("colour");
    QTest::newRow("0") << 0 << QStringLiteral("比較項目") << 0xC0C0FFu;
    QTest::newRow("1") << 1 << QStringLiteral("トータル測定回数") << 0xC0E0FFu;
    QTest::newRow("2") << 2 << QStringLiteral("開始日→経過日数") << 0xC0FFFFu;
    QTest::newRow("3") << 3 << QStringLiteral("一日平均測定回数") << 0xC0FFC0u;
    QTest::newRow("4") << 4 << QStringLiteral("初日からの最高記録") << 0xFFFFC0u;
    QTest::newRow("5") << 5 << QStringLiteral("今現在（最終記録）") << 0xFFC0C0u;
    QTest::newRow("6") << 6 << QStringLiteral("目標までの残") << 0xE0E0E0u;
}
