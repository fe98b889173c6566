#include "common/uCommon.h"
#include "settings/uEnvironment.h"
#include "store/uDataModule.h"
#include "ui/common/MessageBox.h"
#include "ui/common/ShortCutItem.h"
#include "ui/common/WaitCursor.h"
#include "ui/dialogs/uFrmQShortCut.h"
#include "ui/dialogs/uFrmQShortCutGroup.h"
#include "ui/dialogs/uFrmReoderGroup.h"
#include "ui/main/MainWidgets.h"
#include "ui/main/uFrmMain.h"

#include <QCloseEvent>

void TfrmMain::CreateGroup(const QString& groupName)
{
    dm->AddGroup(groupName);
    AddGroupTab(groupName);
}

void TfrmMain::ChangeGroupName(const QString& oldName, const QString& newName)
{
    dm->RenameGroup(oldName, newName);
    for (int i = 0; i < TabControl1->count(); ++i) {
        if (TabControl1->GroupName(i) == oldName)
            TabControl1->SetGroupName(i, newName);
    }
}

void TfrmMain::DeleteCurrentGroup()
{
    dm->DeleteGroup(GetCurrentGroupName());
    {
        const QSignalBlocker blocker(TabControl1);
        const int current = TabControl1->currentIndex();
        if (current >= 0)
            TabControl1->removeTab(current);
        if (TabControl1->count() > 0)
            TabControl1->setCurrentIndex(0);
    }
    LoadShortCutList(GetCurrentGroupName());
}

void TfrmMain::AppendShortCut(std::unique_ptr<TQShortCut> shortCut)
{
    dm->AddShortCut(*shortCut);
    const bool was = ListView1->updatesEnabled();
    ListView1->setUpdatesEnabled(false);
    const bool exists = shortCut->TargetExists();
    AddShortCutItem(shortCut, exists, exists || AppEnvironment->GetDisplayNoExistShortCut());
    ListView1->setUpdatesEnabled(was);
}

void TfrmMain::DeleteShortCutItem(int shortCutIndex)
{
    for (int row = 0; row < ListView1->count(); ++row) {
        const TQShortCut* shortCut = RecordOf(ListView1->item(row));
        if (shortCut && shortCut->ShortCutIndex == shortCutIndex) {
            dm->DeleteShortCut(shortCutIndex);
            delete ListView1->takeItem(row);
            return;
        }
    }
}

void TfrmMain::ActionRunExecute()
{
    TQShortCut* shortCut = SelectedRecord();
    if (!shortCut)
        return;
    if (shortCut->TargetExists())
        shortCut->Run();
    else
        TMessageBox::Error(this, QStringLiteral("快捷方式存在问题！"));
}

void TfrmMain::ListView1DblClick()
{
    if (SelectedRecord())
        ActionRunExecute();
    else
        ActionNewFileExecute();
}

void TfrmMain::ActionNewGroupExecute()
{
    TfrmQShortCutGroup dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        CreateGroup(dialog.GetGroupName());
}

void TfrmMain::ActionRenameGroupExecute()
{
    const QString current = GetCurrentGroupName();
    TfrmQShortCutGroup dialog(this);
    dialog.SetGroupName(current);
    if (dialog.exec() == QDialog::Accepted)
        ChangeGroupName(current, dialog.GetGroupName());
}

void TfrmMain::ActionDelGroupExecute()
{
    if (TMessageBox::Ask(this,
                         QStringLiteral("确定要删除分类[") + GetCurrentGroupName() + QStringLiteral("]")))
        DeleteCurrentGroup();
}

void TfrmMain::ActionReorderGroupExecute()
{
    TfrmReorderGroup dialog(this);
    if (dialog.exec() == QDialog::Accepted && dialog.OrderChanged) {
        LoadGroupTabs();
        RefillList();
    }
}

void TfrmMain::ActionNewFileExecute()
{
    const QString group = GetCurrentGroupName();
    if (group.isEmpty()) {
        TMessageBox::Warning(this, QStringLiteral("请先建立快速启动类别"));
        return;
    }
    TfrmQShortCut dialog(this);
    dialog.SetMode(0);
    dialog.SetKind(0);
    dialog.SelectGroup(group);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.SaveTo()->PathIsEmpty())
        return;
    AppendShortCut(dialog.TakeOwnShortCut());
}

void TfrmMain::ActionUpdateScExecute()
{
    TQShortCut* shortCut = SelectedRecord();
    if (!shortCut)
        return;
    TfrmQShortCut dialog(this);
    dialog.SetMode(1);
    // A stored path that begins with a variable cannot be tested as it stands; the record knows its kind.
    const bool folder =
        DirExists(shortCut->Path) || (shortCut->Path.startsWith(QLatin1Char('%')) && shortCut->IsDir);
    dialog.SetKind(folder ? 1 : 0);
    dialog.LoadFrom(shortCut);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dm->UpdateShortCut(shortCut->ShortCutIndex, *dialog.SaveTo());
    RefillList();
}

void TfrmMain::ActionDelScExecute()
{
    if (!SelectedRecord())
        return;
    if (!TMessageBox::Ask(this, QStringLiteral(" 确定删除选中的快速启动项目？")))
        return;
    const bool was = ListView1->updatesEnabled();
    ListView1->setUpdatesEnabled(false);
    int row = 0;
    while (row < ListView1->count()) {
        QListWidgetItem* item = ListView1->item(row);
        if (item->isSelected())
            DeleteShortCutItem(RecordOf(item)->ShortCutIndex);
        else
            ++row;
    }
    ListView1->setUpdatesEnabled(was);
}

void TfrmMain::ActionDeltreeExecute()
{
    if (!SelectedRecord())
        return;
    if (!TMessageBox::Ask(
            this,
            QStringLiteral(" 确定物理删除选中的快速启动项目？物理删除将删除应用程序所在目录所有文件！")))
        return;
    const int count = ListView1->count();
    for (int row = 0; row < count; ++row) {
        QListWidgetItem* item = ListView1->item(row);
        if (!item->isSelected())
            continue;
        const TQShortCut* shortCut = RecordOf(item);
        dm->DeleteShortCut(shortCut->ShortCutIndex);
        const QString folder = ExtractFileDir(AppEnvironment->ExpandPath(shortCut->Path));
        if (!TMessageBox::Ask(this, QStringLiteral("确定删除目录") + folder + QStringLiteral("?"),
                              TMessageBox::Kind::Warning))
            continue;
        // The trash refuses the root, the home folder and anything that is not an existing absolute path;
        // whatever stays is named, since the desktop says nothing of its own.
        QString error;
        if (!DeleteToRecycleBin(folder, &error))
            TMessageBox::Warning(this, QStringLiteral("目录%1未删除：%2").arg(folder, error));
    }
    RefillList();
}

void TfrmMain::ActionCleanQShortCutExecute()
{
    if (!TMessageBox::Ask(this, QStringLiteral("确定要删除所有失效的快捷方式么？")))
        return;
    {
        TWaitCursor wait;
        TQShortCutList all;
        dm->LoadShortCuts(QString(), all);
        for (const auto& shortCut : all) {
            if (!shortCut->TargetExists())
                dm->DeleteShortCut(shortCut->ShortCutIndex);
        }
    }
    TMessageBox::Information(this, QStringLiteral("清理快捷方式结束。"));
    RefillList();
}

void TfrmMain::ActionOpenFolderExecute()
{
    if (TQShortCut* shortCut = SelectedRecord())
        shortCut->OpenFolder();
}

void TfrmMain::ActionRefreshExecute()
{
    RefillList();
}

void TfrmMain::ActionRefreshIconCacheExecute()
{
    TWaitCursor wait;
    dm->RefreshIcons();
    RefillList();
}

void TfrmMain::ActionExitExecute()
{
    close();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // Closing is leaving: the window never hides into the tray on close.
    event->accept();
    QApplication::quit();
}
