#pragma once

#include <QFrame>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Shape;

// The maintenance screen: new couple registration, the scale steps, the automatic time stamp,
// the situation list, the profile boxes and the BMI meter. The main window handles its events.
class MaintenancePanel : public QFrame
{
    Q_OBJECT
public:
    explicit MaintenancePanel(QWidget *parent = nullptr);

    // Selects the preset option whose value equals the step exactly; otherwise clears all three
    // and shows the step in the text box.
    void showWeightStep(const QString &step);
    void showFatStep(const QString &step);

    // The large gauge's pointer, in twips from the meter panel's left edge.
    void placeMeterPointer(double leftTwips);
    void showJudgement(const QString &text, quint32 colour);

    // New couple registration
    QPushButton *cmdNew1;
    QGroupBox *fraNew;
    QLineEdit *txtPriData1;
    QLineEdit *txtSincyou1;
    QLineEdit *txtMokuTai1;
    QLineEdit *txtNowTai;
    QLineEdit *txtNowShi;
    QLineEdit *txtNowJyou;
    QPushButton *cmdStHozon;
    QPushButton *cmdYame;

    // Situation list and profile
    QListWidget *lstKoumoku;
    QLineEdit *txtPriData;
    QLineEdit *txtSincyou;
    QLineEdit *txtMokuTai;

    // Settings
    QCheckBox *chkJikan;
    std::array<QRadioButton *, 4> optKizami{};  // indices 1..3
    std::array<QRadioButton *, 4> optKizami1{}; // indices 1..3
    QLineEdit *txtKizami;
    QLineEdit *txtKizami2;

    // CSV export and import of the selected partner's measurements
    QGroupBox *fraCsv;
    QPushButton *cmdCsvOut;
    QPushButton *cmdCsvIn;

    // BMI meter
    QGroupBox *Frame1;
    std::array<::Shape *, 5> Shape2;
    QLabel *Image2;
    QScrollBar *HScroll1;
    std::array<QLabel *, 33> Label9{}; // the items the meter uses: 0..5 and 24..32
    std::array<QLabel *, 2> lblHyojun;
    QLabel *lblHiman;
    QLabel *lblTai;
    QLabel *lblHyouka;

private:
    QWidget *buildRegistration();
    QWidget *buildSettings();
    QWidget *buildLists();
    QGroupBox *buildMeter();
    QGroupBox *buildCsvFrame();
    void showStep(const QString &step, const std::array<QRadioButton *, 4> &options, QButtonGroup *group, QLineEdit *box);

    QButtonGroup *m_weightSteps;
    QButtonGroup *m_fatSteps;
};
