#include "ui/art/Artwork.h"
#include "ui/common/Guard.h"
#include "ui/main/uFrmMain.h"

#include <QAction>

namespace {

struct ActionSpec
{
    QAction* TfrmMain::*member;
    const char* name;
    const char* caption;
    const char* hint;
    int image;
    void (TfrmMain::*handler)();
};

} // namespace

void TfrmMain::CreateActions()
{
    const ActionSpec specs[] = {
        {&TfrmMain::ActionNewGroup, "ActionNewGroup", "新建类别", "新建分类", 0,
         &TfrmMain::ActionNewGroupExecute},
        {&TfrmMain::ActionDelGroup, "ActionDelGroup", "删除类别", "删除当前选择分类", 1,
         &TfrmMain::ActionDelGroupExecute},
        {&TfrmMain::ActionNewFile, "ActionNewFile", "新建", "新建快捷方式", 7,
         &TfrmMain::ActionNewFileExecute},
        {&TfrmMain::ActionUpdateSc, "ActionUpdateSc", "修改", "修改快捷方式", 9,
         &TfrmMain::ActionUpdateScExecute},
        {&TfrmMain::ActionDelSc, "ActionDelSc", "删除", "删除快捷方式，可以多选", 10,
         &TfrmMain::ActionDelScExecute},
        {&TfrmMain::ActionSearchSc, "ActionSearchSc", "查找", "搜索指定目录下的可执行文件，批量建立快速方式",
         13, &TfrmMain::ActionSearchScExecute},
        {&TfrmMain::ActionRefresh, "ActionRefresh", "刷新", "刷新当前选择的分类", 16,
         &TfrmMain::ActionRefreshExecute},
        {&TfrmMain::ActionOption, "ActionOption", "设置", "设置", 4, &TfrmMain::ActionOptionExecute},
        {&TfrmMain::ActionAbout, "ActionAbout", "关于", "关于", 6, &TfrmMain::ActionAboutExecute},
        {&TfrmMain::ActionListAutoRun, "ActionListAutoRun", "启动", nullptr, 5,
         &TfrmMain::ActionListAutoRunExecute},
        {&TfrmMain::ActionDeltree, "ActionDeltree", "物理删除",
         "删除快速方式，并且删除应用程序所在目录下所有文件\n慎用该功能", 11, &TfrmMain::ActionDeltreeExecute},
        {&TfrmMain::ActionOpenFolder, "ActionOpenFolder", "打开文件夹", nullptr, 19,
         &TfrmMain::ActionOpenFolderExecute},
        {&TfrmMain::ActionCleanQShortCut, "ActionCleanQShortCut", "清理", "清理失效的快速方式", 15,
         &TfrmMain::ActionCleanQShortCutExecute},
        {&TfrmMain::ActionReplaceQShortCut, "ActionReplaceQShortCut", "替代", "替换文件名中的字符串", 14,
         &TfrmMain::ActionReplaceQShortCutExecute},
        {&TfrmMain::ActionRun, "ActionRun", "ActionRun", nullptr, -1, &TfrmMain::ActionRunExecute},
        {&TfrmMain::ActionExit, "ActionExit", "退出", nullptr, 27, &TfrmMain::ActionExitExecute},
        {&TfrmMain::ActionRefreshIconCache, "ActionRefreshIconCache", "刷新图标缓存", "刷新图标缓存", 22,
         &TfrmMain::ActionRefreshIconCacheExecute},
        {&TfrmMain::ActionFav, "ActionFav", "常用", "最常运行的10个快速方式", 26,
         &TfrmMain::ActionFavExecute},
        {&TfrmMain::ActionRenameGroup, "ActionRenameGroup", "重命名", "重命名类别", 2,
         &TfrmMain::ActionRenameGroupExecute},
        {&TfrmMain::ActionReorderGroup, "ActionReorderGroup", "ActionReorderGroup", nullptr, 3,
         &TfrmMain::ActionReorderGroupExecute},
    };
    for (const ActionSpec& spec : specs) {
        auto* action = new QAction(QString::fromUtf8(spec.caption), this);
        action->setObjectName(QLatin1String(spec.name));
        if (spec.hint) {
            action->setToolTip(QString::fromUtf8(spec.hint));
            action->setStatusTip(QString::fromUtf8(spec.hint));
        }
        if (spec.image >= 0)
            action->setIcon(Artwork::ToolbarIcon(spec.image));
        const auto handler = spec.handler;
        connect(action, &QAction::triggered, this,
                [this, handler] { RunGuarded(this, [&] { (this->*handler)(); }); });
        this->*spec.member = action;
        addAction(action); // keys work wherever the focus is in the window
    }
    ActionRefresh->setShortcut(QKeySequence(Qt::Key_F5));
    ActionRefreshIconCache->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    ActionReplaceQShortCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
}
