#pragma once

#include <QColor>
#include <QPixmap>

// The small pictures of the scoreboard, drawn in code so that they stay sharp at any scale.

// The winner's mark beside the better figure of a row: a gold crown.
QPixmap winnerMarkPixmap(int size, qreal devicePixelRatio = 1.0);

// The picture beside a partner's nickname: a heart in the partner's own colour.
QPixmap partnerBadgePixmap(const QColor &colour, int size, qreal devicePixelRatio = 1.0);
