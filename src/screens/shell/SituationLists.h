#pragma once

#include <QList>
#include <QStringList>

class QListWidget;

// The situation list is shown by three list boxes on three screens (lstAct, lstAct2,
// lstKoumoku) that always hold the same entries. Each screen registers its box; whoever changes
// the list changes all of them here, after the file has been written.
class SituationLists
{
public:
    void add(QListWidget *list);

    void setEntries(const QStringList &entries);
    void append(const QString &entry);
    QStringList entries() const;

private:
    QList<QListWidget *> m_lists;
};
