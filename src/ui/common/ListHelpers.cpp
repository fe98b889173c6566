#include "ui/common/ListHelpers.h"

#include "ui/common/ShortCutItem.h"

#include <QListWidget>

void SwapListItems(QListWidget* list, int first, int second)
{
    QListWidgetItem* a = list->item(first);
    QListWidgetItem* b = list->item(second);
    if (!a || !b || a == b)
        return;
    const bool updates = list->updatesEnabled();
    list->setUpdatesEnabled(false);

    const QString text = a->text();
    const QIcon icon = a->icon();
    const QString toolTip = a->toolTip();
    const QVariant check = a->data(Qt::CheckStateRole);
    a->setText(b->text());
    a->setIcon(b->icon());
    a->setToolTip(b->toolTip());
    a->setData(Qt::CheckStateRole, b->data(Qt::CheckStateRole));
    b->setText(text);
    b->setIcon(icon);
    b->setToolTip(toolTip);
    b->setData(Qt::CheckStateRole, check);
    auto* itemA = dynamic_cast<TShortCutItem*>(a);
    auto* itemB = dynamic_cast<TShortCutItem*>(b);
    if (itemA && itemB) {
        std::swap(itemA->Record, itemB->Record);
        std::swap(itemA->ImageIndex, itemB->ImageIndex);
    }
    list->setUpdatesEnabled(updates);
}
