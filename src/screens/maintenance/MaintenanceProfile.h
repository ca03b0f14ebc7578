#pragma once

#include "screens/maintenance/ProfileEditing.h"

#include <QObject>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;
struct ScreenContext;

// The profile editor "プライベートデータ": nickname, height and target weight of the partner
// currently selected.
class MaintenanceProfile : public QObject
{
    Q_OBJECT
public:
    MaintenanceProfile(ScreenContext &context, QWidget *frameParent, QObject *parent = nullptr);

    QGroupBox *frame() const { return m_frame; }
    QPushButton *saveButton() const { return cmdPHozon1; }
    QLineEdit *nicknameBox() const { return txtPriData; }

    // The boxes show the current profile, numbers as plain decimal text.
    void fillProfileBoxes();
    // The profile changed while the boxes show it: boxes that still show what they were filled
    // with show the new values; typed ones stay.
    void followProfile();
    void cmdPHozon1_Click();

private:
    void build(QWidget *parent);

    ScreenContext &m_ctx;
    QGroupBox *m_frame = nullptr;
    QLineEdit *txtPriData = nullptr;
    QLineEdit *txtSincyou = nullptr;
    QLineEdit *txtMokuTai = nullptr;
    QPushButton *cmdPHozon1 = nullptr;
    // What the boxes were last filled with or saved.
    ProfileBoxes m_filled;
};
