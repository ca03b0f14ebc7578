#pragma once

#include <QFrame>
#include <QStringList>

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

    // The situation editor's entries, in the order lstKoumoku shows them.
    QStringList situationEntries() const;
    // Shows the entries in lstKoumoku alone and selects the one at `selected`.
    void showSituationOrder(const QStringList &entries, int selected);
    // cmdSort's back colour: chosenToggle marks an order not yet saved, buttonFace a saved one.
    void setSortColour(quint32 colour);
    quint32 sortColour() const { return m_sortColour; }

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

    // Situation list editor
    QListWidget *lstKoumoku;
    QPushButton *cmdNew2;
    QPushButton *cmdSort;
    QPushButton *cmdDel;
    QPushButton *cmdDel2;
    QLineEdit *txtChg;
    QPushButton *cmdChg;

    // Profile editor
    QLineEdit *txtPriData;
    QLineEdit *txtSincyou;
    QLineEdit *txtMokuTai;
    QPushButton *cmdPHozon1;

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
    QWidget *buildSituationEditor(QWidget *parent);
    QWidget *buildProfileEditor(QWidget *parent);
    QGroupBox *buildMeter();
    QGroupBox *buildCsvFrame();
    void showStep(const QString &step, const std::array<QRadioButton *, 4> &options, QButtonGroup *group, QLineEdit *box);

    QButtonGroup *m_weightSteps;
    QButtonGroup *m_fatSteps;
    quint32 m_sortColour;
};
