#pragma once

#include <QString>

// Gives a control the name the screens and tests know it by, and hands it back, so that a panel
// can create, name and keep a control in one line.
template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename T>
T *named(T *widget, const char *name)
{
    return named(widget, QString::fromLatin1(name));
}

// The name of one control of a numbered set, as "lblD1(3)".
inline QString indexedName(const char *name, int index)
{
    return QString::fromLatin1(name) + u'(' + QString::number(index) + u')';
}
