#pragma once

#include <QLabel>

// The line a screen shows while its content is still to come.
inline QLabel *pendingNotice(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("この画面は準備中です。"), parent);
    label->setObjectName(QStringLiteral("pendingNotice"));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("QLabel { color: #808080; font-size: 14pt; }"));
    return label;
}
