#pragma once

// A list item that owns the shortcut record it shows, with the index of its picture in the image list.

#include "model/uShortCut.h"

#include <QListWidgetItem>

#include <memory>

class TShortCutItem : public QListWidgetItem
{
public:
    TShortCutItem(std::unique_ptr<TQShortCut> record, int imageIndex, const QIcon& icon)
        : QListWidgetItem(icon, record->ScText), Record(std::move(record)), ImageIndex(imageIndex)
    {}

    std::unique_ptr<TQShortCut> Record;
    int ImageIndex;
};

// The record an item of a shortcut list shows; null for any other item.
inline TQShortCut* RecordOf(QListWidgetItem* item)
{
    auto* shortCutItem = dynamic_cast<TShortCutItem*>(item);
    return shortCutItem ? shortCutItem->Record.get() : nullptr;
}
