#pragma once

#include <QIcon>
#include <QPixmap>

class QLabel;
class QWidget;

// The program's own pictures, painted rather than loaded, so they are sharp at any size.
enum class Face {
    None,      // no measurement yet: an empty outline
    Sulking,   // ムスッ
    Smiling,   // ニコ
    Laughing,  // 笑い
    Beaming,   // すごくニコニコ
};

QPixmap facePixmap(Face face, int size);
// A face of `size` pixels with its tooltip, named, hidden until the screen shows the day's face.
QLabel *faceLabel(const char *name, Face face, int size, const QString &tip, QWidget *parent);
// The pointer above a BMI gauge: 32 × 32 pixels, pointing down at its centre.
QPixmap gaugePointerPixmap(int size);
QIcon saveIcon();     // a floppy disk
QIcon clockIcon();    // the time of day as the situation
QIcon pencilIcon();   // a free situation text
QIcon helpTourIcon(); // the smiling face of the help-tour switch
QPixmap splashPixmap(const QSize &size);
