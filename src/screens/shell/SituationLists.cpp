#include "screens/shell/SituationLists.h"

#include <QListWidget>

void SituationLists::add(QListWidget *list)
{
    if (!m_lists.isEmpty()) {
        list->clear();
        list->addItems(entries());
    }
    m_lists.append(list);
}

void SituationLists::setEntries(const QStringList &entries)
{
    for (QListWidget *list : m_lists) {
        list->clear();
        list->addItems(entries);
    }
}

void SituationLists::append(const QString &entry)
{
    for (QListWidget *list : m_lists)
        list->addItem(entry);
}

QStringList SituationLists::entries() const
{
    QStringList result;
    if (m_lists.isEmpty())
        return result;
    const QListWidget *first = m_lists.first();
    for (int i = 0; i < first->count(); ++i)
        result << first->item(i)->text();
    return result;
}
