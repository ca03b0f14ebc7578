#pragma once

#include <QObject>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;
struct ScreenContext;

// New couple registration: the button that starts it and the form fraNew, in two stages, one per
// partner; the program ends after the second.
class MaintenanceRegistration : public QObject
{
    Q_OBJECT
public:
    MaintenanceRegistration(ScreenContext &context, QWidget *frameParent, QObject *parent = nullptr);

    // The frame with cmdNew1, and the form it opens.
    QGroupBox *startFrame() const { return m_startFrame; }
    QGroupBox *form() const { return fraNew; }
    // newCoupleStage: 1 while partner 1 is being entered, 2 while partner 2 is.
    int stage() const { return m_stage; }
    QPushButton *saveButton() const { return cmdStHozon; }

    void cmdNew1_Click();
    // A registration that ended after partner 1 goes on with partner 2: the form opens at the
    // second stage and says so.
    void continueWithPartner2();
    void cmdStHozon_Click();
    void cmdYame_Click();

private:
    void build(QWidget *parent);
    void connectControls();
    void clearBoxes();

    ScreenContext &m_ctx;
    QGroupBox *m_startFrame = nullptr;
    QPushButton *cmdNew1 = nullptr;
    QGroupBox *fraNew = nullptr;
    QLineEdit *txtPriData1 = nullptr;
    QLineEdit *txtSincyou1 = nullptr;
    QLineEdit *txtMokuTai1 = nullptr;
    QLineEdit *txtNowTai = nullptr;
    QLineEdit *txtNowShi = nullptr;
    QLineEdit *txtNowJyou = nullptr;
    QPushButton *cmdStHozon = nullptr;
    QPushButton *cmdYame = nullptr;
    int m_stage = 1;
};
