#pragma once

#include <QObject>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;
struct ScreenContext;

// The frame "入力の設定" of the maintenance screen: the automatic time stamp and the scale steps
// of the entry screen's arrow buttons, each a preset option or a typed value. The values live in
// the session, where the entry screen reads them; this frame shows them and writes their files.
class MaintenanceSettings : public QObject
{
    Q_OBJECT
public:
    MaintenanceSettings(ScreenContext &context, QWidget *frameParent, QObject *parent = nullptr);

    QGroupBox *frame() const { return m_frame; }

    void LoadAutoTimeSetting();
    void READ_KIZAMI();
    void chkJikan_Click();
    void optKizami_Click(int index);
    void optKizami1_Click(int index);
    void txtKizami_Enter();
    void txtKizami2_Enter();

private:
    void build(QWidget *parent);
    void connectControls();
    // Selects the preset option whose value equals the step exactly; otherwise clears all three
    // and shows the step in the text box.
    void showStep(const QString &step, const std::array<QRadioButton *, 4> &options, QButtonGroup *group, QLineEdit *box);
    void writeScaleSteps();
    // A typed step that is no number above 0 is refused with a message naming the box; nothing
    // changes and the box gets the focus.
    bool acceptTypedStep(QLineEdit *box, const QString &boxName);

    ScreenContext &m_ctx;
    QGroupBox *m_frame = nullptr;
    QCheckBox *chkJikan = nullptr;
    std::array<QRadioButton *, 4> optKizami{};  // indices 1..3
    std::array<QRadioButton *, 4> optKizami1{}; // indices 1..3
    QLineEdit *txtKizami = nullptr;
    QLineEdit *txtKizami2 = nullptr;
    QButtonGroup *m_weightSteps = nullptr;
    QButtonGroup *m_fatSteps = nullptr;
};
