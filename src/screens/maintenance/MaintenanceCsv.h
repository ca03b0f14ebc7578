#pragma once

#include <QObject>
#include <QString>

class QGroupBox;
class QPushButton;
class QWidget;
struct ScreenContext;

// The frame "データの書き出し・取り込み": the selected partner's measurements out to a CSV file
// and in from one, in the columns other weight trackers use.
class MaintenanceCsv : public QObject
{
    Q_OBJECT
public:
    MaintenanceCsv(ScreenContext &context, QWidget *frameParent, QObject *parent = nullptr);

    QGroupBox *frame() const { return fraCsv; }

    void cmdCsvOut_Click();
    void cmdCsvIn_Click();

private:
    void build(QWidget *parent);

    ScreenContext &m_ctx;
    QGroupBox *fraCsv = nullptr;
    QPushButton *cmdCsvOut = nullptr;
    QPushButton *cmdCsvIn = nullptr;
    // Where the last CSV file was written or read: the file dialogs start there.
    QString m_csvFolder;
};
