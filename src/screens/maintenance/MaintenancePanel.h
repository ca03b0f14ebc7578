#pragma once

#include <QFrame>

// The maintenance screen's frame (fraSettei). Its rooms build their frames in it; the panel only
// gives them their places.
class MaintenancePanel : public QFrame
{
    Q_OBJECT
public:
    explicit MaintenancePanel(QWidget *parent = nullptr);

    // The row under the meter where the situation editor and the profile editor stand side by side.
    QWidget *editorRow() const { return m_editorRow; }

    struct Frames {
        QWidget *registration;     // the button that starts a registration
        QWidget *csv;
        QWidget *registrationForm; // fraNew
        QWidget *settings;
        QWidget *meter;
        QWidget *situations;
        QWidget *profile;
    };
    void arrange(const Frames &frames);

private:
    QWidget *m_editorRow;
};
