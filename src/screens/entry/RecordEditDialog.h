#pragma once

#include "screens/entry/EntrySave.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

// A record's fields as the correction shows them and hands them back: as typed.
struct RecordFields {
    QString situation;
    QString weight;
    QString bodyFat;
};

// The correction of one listed record: its situation (an entry of the situation list or any
// text), its weight and its body fat, pre-filled. OK asks `check`, which shows why the fields
// cannot be stored and names the box that failed; the dialog then stays open with that box
// focused, so that nothing typed is lost.
class RecordEditDialog : public QDialog
{
    Q_OBJECT
public:
    using Check = std::function<std::optional<SaveField>(const RecordFields &)>;

    RecordEditDialog(const QString &heading, const QStringList &situations, const RecordFields &fields, Check check,
                     QWidget *parent = nullptr);

    RecordFields fields() const;

    QComboBox *cboShuseiAct;
    QLineEdit *txtShuseiTai;
    QLineEdit *txtShuseiShi;
    QPushButton *cmdShuseiOk;
    QPushButton *cmdShuseiCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void tryAccept();

    Check m_check;
};
