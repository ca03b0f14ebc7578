#pragma once

#include "store/Measurement.h"

#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;
class QStandardItemModel;
class QTableView;

// What the window offers from a sync tool's conflict copy of a partner's data file.
struct ConflictCopyOffer {
    QString copyName;
    QString fileName;
    QString nickname;           // the partner whose file it is
    QList<Measurement> missing; // in the copy and not in the file, in date order
    int onlyInFile = 0;         // in the file and not in the copy
};

// 同期の競合コピー: names the copy and lists the measurements it holds that the file lacks, as
// the day list shows a measurement (with its date, since they may be of several days), each with
// a tick, all ticked at first; and says how many of the file's the copy lacks. 選んだ記録を加える
// accepts, あとで rejects.
class ConflictCopyDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ConflictCopyDialog(const ConflictCopyOffer &offer, QWidget *parent = nullptr);

    // The rows ticked, as indexes into the offer's measurements, in order.
    QList<int> chosen() const;

    QTableView *lstKyogoKiroku;
    QPushButton *cmdKyogoKuwaeru;
    QPushButton *cmdKyogoAtode;

private:
    QStandardItemModel *m_rows;
};
