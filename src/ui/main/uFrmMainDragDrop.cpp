#include "common/Exception.h"
#include "common/uCommon.h"
#include "store/uDataModule.h"
#include "ui/common/Guard.h"
#include "ui/common/ListHelpers.h"
#include "ui/common/MessageBox.h"
#include "ui/common/ShortCutItem.h"
#include "ui/main/MainWidgets.h"
#include "ui/main/uFrmMain.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

void TfrmMain::TabControl1DragDrop(int tabIndex)
{
    // A drop on the strip where there is no tab names no group: nothing moves.
    if (tabIndex < 0 || tabIndex >= TabControl1->count())
        return;
    const QString target = TabControl1->GroupName(tabIndex);
    if (target == GetCurrentGroupName())
        return;
    QList<QListWidgetItem*> moved;
    for (int row = 0; row < ListView1->count(); ++row) {
        QListWidgetItem* item = ListView1->item(row);
        if (!item->isSelected())
            continue;
        TQShortCut* shortCut = RecordOf(item);
        shortCut->GroupName = target;
        dm->UpdateShortCut(shortCut->ShortCutIndex, *shortCut);
        moved << item;
    }
    qDeleteAll(moved);
}

void TfrmMain::ListView1DragDrop(QListWidgetItem* target)
{
    const QList<QListWidgetItem*> selected = ListView1->selectedItems();
    if (selected.size() != 1 || !target)
        return;
    QListWidgetItem* dragged = selected.first();
    if (dragged == target)
        return;
    TQShortCut* a = RecordOf(dragged);
    TQShortCut* b = RecordOf(target);
    const int indexA = a->ShortCutIndex;
    const int indexB = b->ShortCutIndex;
    try {
        dm->ExchangeShortCutIndexes(indexA, indexB);
    } catch (const Exception&) {
        // A row left at the free index by an older run blocks the exchange; it goes behind the last one.
        dm->ChangeShortCutIndex(0, dm->MaxShortCutIndex() + 1);
        TMessageBox::Information(this, QStringLiteral("可能上次操作存在错误，已自动纠正，请重试"));
        return;
    }
    a->ShortCutIndex = indexB;
    b->ShortCutIndex = indexA;
    const int from = ListView1->row(dragged);
    const int to = ListView1->row(target);
    SwapListItems(ListView1, from, to);
    ListView1->item(from)->setSelected(false);
    ListView1->setCurrentItem(ListView1->item(to), QItemSelectionModel::ClearAndSelect);
}

void TfrmMain::DropFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    const QString group = GetCurrentGroupName();
    if (group.isEmpty()) {
        TMessageBox::Warning(this, QStringLiteral("请先建立快速启动类别"));
        return;
    }
    for (const QString& path : paths) {
        TQShortCut shortCut;
        shortCut.GroupName = group;
        shortCut.Path = path;
        shortCut.IsDir = DirExists(path);
        shortCut.ScText = shortCut.IsDir ? GetLastDirName(path) : GetFileNameNoExt(path);
        dm->AddShortCut(shortCut);
    }
    RefillList();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFilesOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event)
{
    if (!LocalFilesOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TfrmMain::dropEvent(QDropEvent* event)
{
    const QStringList paths = TakeLocalFiles(event);
    if (!paths.isEmpty())
        RunGuarded(this, [&] { DropFiles(paths); });
}
