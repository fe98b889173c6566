#include "ui/main/uFrmMain.h"

#include "ui/common/MessageBox.h"

// The commands that open the search, replace, options, autorun, favourites and about dialogs.

void TfrmMain::ActionSearchScExecute()
{
    TMessageBox::Information(this, QStringLiteral("该功能尚未完成。"));
}

void TfrmMain::ActionReplaceQShortCutExecute()
{
    TMessageBox::Information(this, QStringLiteral("该功能尚未完成。"));
}

void TfrmMain::ActionOptionExecute()
{
    TMessageBox::Information(this, QStringLiteral("该功能尚未完成。"));
}

void TfrmMain::ActionListAutoRunExecute()
{
    TMessageBox::Information(this, QStringLiteral("该功能尚未完成。"));
}

void TfrmMain::ActionFavExecute()
{
    TMessageBox::Information(this, QStringLiteral("该功能尚未完成。"));
}

void TfrmMain::ActionAboutExecute()
{
    TMessageBox::Information(this, QStringLiteral("该功能尚未完成。"));
}
