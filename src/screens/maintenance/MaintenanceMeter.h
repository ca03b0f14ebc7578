#pragma once

#include <QObject>

#include <array>

class QGroupBox;
class QLabel;
class QScrollBar;
class QWidget;
class Shape;
struct ScreenContext;

// The BMI meter of the maintenance screen (Frame1): it follows the BMI the entry screen found,
// and its slider lets the user try other weights.
class MaintenanceMeter : public QObject
{
    Q_OBJECT
public:
    MaintenanceMeter(ScreenContext &context, QWidget *frameParent, QObject *parent = nullptr);

    QGroupBox *frame() const { return Frame1; }
    // The BMI the meter stands at: the entry screen's, within 17–32, or the slider's.
    float meterBmi() const { return m_meterBmi; }

    // The start-up's first step for the meter: the weight of the obesity line is empty.
    void prepareMeter();
    // The entry screen found `bmi` for the current weight: the pointer and the slider follow it.
    void showBmiOnMeter(float bmi);
    // The last measurement's weight and the height in the BMI line.
    void ShowMeterFormula(float lastRecordWeight);
    // The meter as the slider stands: moved by the user, the weight follows the chosen BMI.
    void UpdateBmiMeter();

private:
    QGroupBox *build(QWidget *parent);
    // The large gauge's pointer, in twips from the meter panel's left edge.
    void placeMeterPointer(double leftTwips);
    void showJudgement(const QString &text, quint32 colour);

    ScreenContext &m_ctx;
    QGroupBox *Frame1 = nullptr;
    std::array<::Shape *, 5> Shape2{};
    QLabel *Image2 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    std::array<QLabel *, 33> Label9{}; // the items the meter uses: 0..5 and 24..32
    std::array<QLabel *, 2> lblHyojun{};
    QLabel *lblHiman = nullptr;
    QLabel *lblTai = nullptr;
    QLabel *lblHyouka = nullptr;

    float m_meterBmi = 0;
    // Set just before the program moves the slider itself, so that the change it causes keeps
    // the real weight; cleared by every run of UpdateBmiMeter.
    bool m_setByProgram = false;
};
