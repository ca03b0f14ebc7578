#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
struct ScreenContext;

// The situation-list editor "状況リスト編集": adding, reordering by dragging, deleting and
// renaming entries. The file is written first; the three list boxes follow only what was written.
class MaintenanceSituations : public QObject
{
    Q_OBJECT
public:
    MaintenanceSituations(ScreenContext &context, QWidget *frameParent, QObject *parent = nullptr);

    QGroupBox *frame() const { return m_frame; }
    // cmdSort's back colour: chosenToggle marks an order not yet saved, buttonFace a saved one.
    quint32 sortColour() const { return m_sortColour; }

    // As the screen opens: no entry selected, and nothing for the three buttons to act on.
    void prepare();

    void lstKoumoku_Click();
    void lstKoumoku_MouseDown();
    void lstKoumoku_MouseUp();
    void cmdNew2_Click();
    void cmdSort_Click();
    void cmdDel_Click();
    void cmdDel2_Click();
    void cmdChg_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build(QWidget *parent);
    void connectControls();
    // The entries in the order lstKoumoku shows them.
    QStringList entries() const;
    // Shows the entries in lstKoumoku alone and selects the one at `selected`.
    void showOrder(const QStringList &entries, int selected);
    // The list file now holds `entries`: all three list boxes show them, in the saved order.
    void showSavedSituations(const QStringList &entries);
    void setSortColour(quint32 colour);

    ScreenContext &m_ctx;
    QGroupBox *m_frame = nullptr;
    QListWidget *lstKoumoku = nullptr;
    QPushButton *cmdNew2 = nullptr;
    QPushButton *cmdSort = nullptr;
    QPushButton *cmdDel = nullptr;
    QPushButton *cmdDel2 = nullptr;
    QLineEdit *txtChg = nullptr;
    QPushButton *cmdChg = nullptr;
    quint32 m_sortColour;
    // The entry under the pointer when the mouse button went down: dragText, dragIndex.
    QString m_dragText;
    int m_dragIndex = -1;
};
