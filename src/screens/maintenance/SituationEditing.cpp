#include "screens/maintenance/SituationEditing.h"

#include "store/Measurement.h"

std::optional<DroppedOrder> DropSituation(const QStringList &entries, int dragIndex, const QString &dragText, int dropIndex)
{
    const int n = int(entries.size());
    if (dragIndex < 0 || dragIndex >= n || dropIndex < 0 || dropIndex >= n || entries[dragIndex] != dragText)
        return std::nullopt;
    if (dropIndex == dragIndex || dropIndex == dragIndex + 1)
        return std::nullopt;
    DroppedOrder moved{entries, dropIndex > dragIndex ? dropIndex - 1 : dropIndex};
    moved.entries.removeAt(dragIndex);
    // The entry released on has moved up by one when the dragged entry stood above it.
    moved.entries.insert(moved.index, dragText);
    return moved;
}

std::optional<QString> SituationTextProblem(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("状況が入力されていません。");
    if (StoreResult r = checkStorableText(text); !r)
        return r.message();
    return std::nullopt;
}
