#include "settings/uEnvironment.h"
#include "store/uDataModule.h"
#include "ui/common/MessageBox.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/uFrmAutoRun.h"
#include "ui/dialogs/uFrmFav.h"
#include "ui/dialogs/uFrmOption.h"
#include "ui/dialogs/uFrmReplaceQShortCut.h"
#include "ui/dialogs/uFrmSearch.h"
#include "ui/main/uFrmMain.h"

// The commands that open the search, replace, options, autorun, favourites and about dialogs.

void TfrmMain::ActionSearchScExecute()
{
    TfrmSearch dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString groupName = dialog.GetGroupName();
    if (groupName == GetCurrentGroupName()) {
        LoadShortCutList(GetCurrentGroupName());
    } else if (!dm->GroupExists(groupName)) {
        CreateGroup(groupName);
        // The first tab of an empty catalogue becomes the current one whether asked or not; it must then
        // show what the search put into it.
        if (GetCurrentGroupName() == groupName)
            LoadShortCutList(groupName);
    }
}

void TfrmMain::ActionReplaceQShortCutExecute()
{
    TfrmReplaceQShortCut dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        LoadShortCutList(GetCurrentGroupName());
}

void TfrmMain::ActionOptionExecute()
{
    const QString before = AppEnvironment->GetRemoveDrive();
    TfrmOption dialog(this);
    // Target tests and pictures depend on the drive the variable names.
    if (dialog.exec() == QDialog::Accepted && AppEnvironment->GetRemoveDrive() != before)
        LoadShortCutList(GetCurrentGroupName());
}

void TfrmMain::ActionListAutoRunExecute()
{
    if (!dm->HasAutoRunShortCuts()) {
        TMessageBox::Information(this, QStringLiteral("没有随Kestrune开启的程序。"));
        return;
    }
    TfrmAutoRun dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        LoadShortCutList(GetCurrentGroupName());
}

void TfrmMain::ActionFavExecute()
{
    TfrmFav dialog(this);
    dialog.exec();
}

void TfrmMain::ActionAboutExecute()
{
    TAboutBox dialog(this);
    dialog.exec();
}
