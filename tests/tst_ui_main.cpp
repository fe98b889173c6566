// The main window end to end on a real catalogue: start-up, filling the list, the commands with their
// questions answered by the test, drag and drop, and the error box that lets the program go on.
#include "UiTestSupport.h"
#include "common/Exception.h"
#include "platform/Platform.h"
#include "ui/common/ShortCutItem.h"
#include "ui/dialogs/uFrmQShortCut.h"
#include "ui/dialogs/uFrmQShortCutGroup.h"
#include "ui/dialogs/uFrmReoderGroup.h"
#include "ui/main/MainWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QUrl>

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    TfrmMain& w() { return *f->window; }
    TestEnvironment& env() { return *f->env; }
    MessageRecorder& messages() { return f->messages; }

    int Add(const QString& group, const QString& name, const QString& path, bool isDir = false,
            bool autoRun = false)
    {
        return StoreShortCut({group, name, path, isDir, autoRun, QString()});
    }
    QStringList Shown()
    {
        QStringList names;
        for (int i = 0; i < w().ListView1->count(); ++i)
            names << w().ListView1->item(i)->text();
        return names;
    }
    QStringList Tabs()
    {
        QStringList names;
        for (int i = 0; i < w().TabControl1->count(); ++i)
            names << w().TabControl1->GroupName(i);
        return names;
    }
    QStringList Stored(const QString& group = QString())
    {
        TQShortCutList list;
        dm->LoadShortCuts(group, list);
        QStringList names;
        for (const auto& s : list)
            names << s->ScText;
        return names;
    }
    void Select(const QList<int>& rows)
    {
        w().ListView1->clearSelection();
        for (int row : rows)
            w().ListView1->item(row)->setSelected(true);
    }
    TQShortCut* RecordAt(int row) { return RecordOf(w().ListView1->item(row)); }

    // A group "G" showing files a..e, all present.
    void FiveShortCuts()
    {
        dm->AddGroup(QStringLiteral("G"));
        for (const char* name : {"a", "b", "c", "d", "e"})
            Add(QStringLiteral("G"), QLatin1String(name),
                env().MakeFile(QStringLiteral("files/") + QLatin1String(name)));
        w().FormCreate();
    }

private Q_SLOTS:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        f.reset();
        Platform::SetDriveLister({});
        qunsetenv("removedrive");
    }

    void layout()
    {
        QCOMPARE(w().windowTitle(), QStringLiteral("Kestrune"));
        QCOMPARE(w().size(), QSize(640, 480));
        auto names = [](QToolBar* bar) {
            QStringList n;
            for (QAction* a : bar->actions())
                n << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
            return n;
        };
        QCOMPARE(names(w().RzToolbar1),
                 (QStringList{"ActionNewGroup", "ActionRenameGroup", "ActionDelGroup", "ActionReorderGroup",
                              "|", "ActionSearchSc", "ActionCleanQShortCut", "ActionFav", "|",
                              "ActionListAutoRun", "ActionOption", "ActionAbout"}));
        QStringList second = names(w().RzToolbar2);
        second.removeLast(); // the check box
        QCOMPARE(second, (QStringList{"ActionNewFile", "ActionUpdateSc", "ActionDelSc", "ActionDeltree",
                                      "ActionRefresh", "|"}));
        QCOMPARE(w().RzCheckBoxDisplayNoExist->text(), QStringLiteral("显示失效快捷方式"));
        QCOMPARE(w().ActionRefresh->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(w().ActionDelSc->toolTip(), QStringLiteral("删除快捷方式，可以多选"));
        QVERIFY(!w().ActionReplaceQShortCut->shortcut().isEmpty());
        QVERIFY(!w().ActionRefreshIconCache->shortcut().isEmpty());
        QVERIFY(w().PopupMenulistview->actions().contains(w().ActionReplaceQShortCut));
        QCOMPARE(w().ListView1->toolTip(), QStringLiteral("拖动图标到标签页可以改变所属分类"));
        QCOMPARE(w().ListView1->iconSize(), QSize(32, 32));
        QCOMPARE(w().ListView1->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(w().ListView1->palette().color(QPalette::Base), QColor(Qt::white));
        for (QAction* a : w().RzToolbar1->actions())
            QVERIFY(a->isSeparator() || !a->icon().isNull());
        QStringList tray;
        for (QAction* a : w().PopupMenuTray->actions())
            tray << a->text();
        QCOMPARE(tray, (QStringList{"窗口", "设置", "退出"}));
    }

    void startupWithoutGroups()
    {
        w().FormCreate();
        QCOMPARE(w().TabControl1->count(), 0);
        QCOMPARE(w().GetCurrentGroupName(), QString());
        QCOMPARE(w().ListView1->count(), 0);
        QVERIFY(!w().ActionDelSc->isEnabled());
        QVERIFY(!w().ActionDeltree->isEnabled());
        QVERIFY(w().RzCheckBoxDisplayNoExist->isChecked());
        // Without a group the double click asks for a group first and opens no editor.
        w().ListView1DblClick();
        QCOMPARE(messages().Texts(), QStringList{"请先建立快速启动类别"});
    }

    void startupCorrectsTheDriveThenLaunchesThenFills()
    {
        const QString drive = env().MakeFolder(QStringLiteral("media/STICK"));
        env().MakeProgram(QStringLiteral("media/STICK/tools/app"));
        Platform::SetDriveLister([&] {
            return QStringList{env().MakeFolder(QStringLiteral("media/A")), drive};
        });
        LaunchRecorder recorder(env().Root());
        dm->AddGroup(QStringLiteral("First"));
        dm->AddGroup(QStringLiteral("Second"));
        Add(QStringLiteral("Second"), QStringLiteral("app"), QStringLiteral("%removedrive%/tools/app"), false,
            true);
        Add(QStringLiteral("First"), QStringLiteral("one"), QStringLiteral("%removedrive%/tools/app"));
        w().FormCreate();
        QCOMPARE(qEnvironmentVariable("removedrive"), drive);
        QVERIFY(recorder.WaitFor(1));
        QCOMPARE(recorder.Lines().first(), drive + QStringLiteral("/tools"));
        QCOMPARE(Tabs(), (QStringList{"First", "Second"}));
        QCOMPARE(w().GetCurrentGroupName(), QStringLiteral("First"));
        QCOMPARE(Shown(), QStringList{"one"});
        QCOMPARE(w().ListView1->item(0)->icon().isNull(), false);
        QCOMPARE(dm->IconList.Count(), 2); // the shown target's picture, not the default one
    }

    void correctionCanBeSwitchedOff()
    {
        env().MakeFile(QStringLiteral("stick/a"));
        Platform::SetDriveLister([&] { return QStringList{env().Root() + QStringLiteral("/stick")}; });
        Add(QStringLiteral("G"), QStringLiteral("a"), QStringLiteral("%removedrive%/a"));
        AppEnvironment->SetAutoCorrectRemoveDriveValue(false);
        w().FormCreate();
        QVERIFY(!qEnvironmentVariableIsSet("removedrive"));
    }

    void autorunFailuresAreReportedAndTheOthersStillStart()
    {
        LaunchRecorder recorder(env().Root());
        dm->AddGroup(QStringLiteral("G"));
        Add(QStringLiteral("G"), QStringLiteral("gone"), env().Root() + QStringLiteral("/gone"), false, true);
        Add(QStringLiteral("G"), QStringLiteral("ok"), env().MakeProgram(QStringLiteral("bin/ok")), false,
            true);
        QVERIFY_THROWS_EXCEPTION(Exception, w().FormCreate());
        QVERIFY(recorder.WaitFor(1));
        QCOMPARE(Tabs(), QStringList{"G"}); // start-up went on past the failed launch
        QCOMPARE(Shown(), (QStringList{"gone", "ok"}));
    }

    void fillWithMissingTargets_data()
    {
        QTest::addColumn<bool>("displayNoExist");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("shown with the default picture") << true << QStringList{"a", "missing", "c"};
        QTest::newRow("left out") << false << QStringList{"a", "c"};
    }
    void fillWithMissingTargets()
    {
        QFETCH(bool, displayNoExist);
        QFETCH(QStringList, shown);
        dm->AddGroup(QStringLiteral("G"));
        Add(QStringLiteral("G"), QStringLiteral("a"), env().MakeFile(QStringLiteral("a")));
        Add(QStringLiteral("G"), QStringLiteral("missing"), env().Root() + QStringLiteral("/missing"));
        Add(QStringLiteral("G"), QStringLiteral("c"), env().MakeFolder(QStringLiteral("c")), true);
        AppEnvironment->SetDisplayNoExistShortCut(displayNoExist);
        w().FormCreate();
        QCOMPARE(Shown(), shown);
        QCOMPARE(w().RzProgressStatus1->maximum(), 3);
        QCOMPARE(w().RzProgressStatus1->value(), 0);
        QCOMPARE(w().RzStatusPane1->text(), QString());
        QCOMPARE(dm->IconList.Count(), 3);
        if (displayNoExist)
            QCOMPARE(static_cast<TShortCutItem*>(w().ListView1->item(1))->ImageIndex, 0);
        w().ActionRefreshExecute();
        w().ActionRefreshExecute();
        QCOMPARE(dm->IconList.Count(), 3); // never grows from fill to fill
    }

    void optionBoxChangesTheOptionNotTheList()
    {
        dm->AddGroup(QStringLiteral("G"));
        Add(QStringLiteral("G"), QStringLiteral("missing"), QStringLiteral("/no/such/target"));
        w().FormCreate();
        QCOMPARE(Shown(), QStringList{"missing"});
        w().RzCheckBoxDisplayNoExist->click();
        QVERIFY(!AppEnvironment->GetDisplayNoExistShortCut());
        QCOMPARE(Shown(), QStringList{"missing"});
        w().ActionRefresh->trigger();
        QCOMPARE(Shown(), QStringList{});
    }

    void emptyGroupNameLeavesTheListAlone()
    {
        FiveShortCuts();
        w().SetStatusText(QStringLiteral("kept"));
        w().LoadShortCutList(QString());
        QCOMPARE(Shown().size(), 5);
        QCOMPARE(w().RzStatusPane1->text(), QStringLiteral("kept"));
    }

    void tabsAndFills()
    {
        dm->AddGroup(QStringLiteral("A"));
        dm->AddGroup(QStringLiteral("B&C"));
        Add(QStringLiteral("A"), QStringLiteral("in a"), QStringLiteral("/"), true);
        Add(QStringLiteral("B&C"), QStringLiteral("in bc"), QStringLiteral("/"), true);
        w().FormCreate();
        w().TabControl1->setCurrentIndex(1); // the user picks a tab
        QCOMPARE(w().GetCurrentGroupName(), QStringLiteral("B&C"));
        QCOMPARE(Shown(), QStringList{"in bc"});
        w().LoadGroupTabs();
        QCOMPARE(w().TabControl1->currentIndex(), 0); // the first tab, but no refill
        QCOMPARE(Shown(), QStringList{"in bc"});
        w().AddGroupTab(QStringLiteral("new"));
        QCOMPARE(w().TabControl1->currentIndex(), 0);
        QCOMPARE(Tabs(), (QStringList{"A", "B&C", "new"}));
    }

    void actionStatesFollowTheFirstSelected()
    {
        dm->AddGroup(QStringLiteral("G"));
        Add(QStringLiteral("G"), QStringLiteral("dir"), env().MakeFolder(QStringLiteral("d")), true);
        Add(QStringLiteral("G"), QStringLiteral("file"), env().MakeFile(QStringLiteral("f")));
        w().FormCreate();
        Select({1});
        QVERIFY(w().ActionDeltree->isEnabled());
        QVERIFY(w().ActionOpenFolder->isEnabled());
        Select({0, 1});
        QVERIFY(!w().ActionDeltree->isEnabled());
        QVERIFY(w().ActionUpdateSc->isEnabled());
        Select({});
        QVERIFY(!w().ActionDelSc->isEnabled());
    }

    void runCommand()
    {
        LaunchRecorder recorder(env().Root());
        dm->AddGroup(QStringLiteral("G"));
        const QString program = env().MakeProgram(QStringLiteral("bin/run me"));
        const int ok = Add(QStringLiteral("G"), QStringLiteral("ok"), program);
        const int gone =
            Add(QStringLiteral("G"), QStringLiteral("gone"), env().Root() + QStringLiteral("/gone"));
        w().FormCreate();
        Select({1});
        w().ListView1DblClick();
        QCOMPARE(messages().Texts(), QStringList{"快捷方式存在问题！"});
        Select({0});
        w().ListView1DblClick();
        QVERIFY(recorder.WaitFor(1));
        TQShortCutList list;
        dm->LoadShortCuts(QString(), list);
        QCOMPARE(list[0]->ShortCutIndex, ok);
        QCOMPARE(list[0]->RunCount, 1);
        QCOMPARE(list[1]->ShortCutIndex, gone);
        QCOMPARE(list[1]->RunCount, 0);
    }

    void newAndRenameGroup()
    {
        w().FormCreate();
        WhenModal<TfrmQShortCutGroup>([](TfrmQShortCutGroup* d) {
            d->SetGroupName(QStringLiteral("工具's"));
            d->RzDialogButtons1ClickOk();
        });
        w().ActionNewGroupExecute();
        QCOMPARE(Tabs(), QStringList{"工具's"});
        QVERIFY(dm->GroupExists(QStringLiteral("工具's")));
        Add(QStringLiteral("工具's"), QStringLiteral("x"), QStringLiteral("/"), true);
        WhenModal<TfrmQShortCutGroup>([](TfrmQShortCutGroup* d) { d->reject(); });
        w().ActionNewGroupExecute();
        QCOMPARE(Tabs().size(), 1);

        w().TabControl1->setCurrentIndex(0);
        WhenModal<TfrmQShortCutGroup>([](TfrmQShortCutGroup* d) {
            QCOMPARE(d->GetGroupName(), QStringLiteral("工具's"));
            d->SetGroupName(QStringLiteral("Tools"));
            d->RzDialogButtons1ClickOk();
        });
        w().ActionRenameGroupExecute();
        QCOMPARE(Tabs(), QStringList{"Tools"});
        QCOMPARE(w().TabControl1->currentIndex(), 0);
        QCOMPARE(Stored(QStringLiteral("Tools")), QStringList{"x"});
    }

    void deleteGroup()
    {
        for (const char* g : {"A", "B", "C"})
            dm->AddGroup(QLatin1String(g));
        Add(QStringLiteral("A"), QStringLiteral("in a"), QStringLiteral("/"), true);
        Add(QStringLiteral("B"), QStringLiteral("in b"), QStringLiteral("/"), true);
        w().FormCreate();
        w().TabControl1->setCurrentIndex(1);
        messages().answers = {false};
        w().ActionDelGroupExecute();
        QCOMPARE(Tabs().size(), 3);
        w().ActionDelGroupExecute();
        QCOMPARE(messages().Texts(), (QStringList{"确定要删除分类[B]", "确定要删除分类[B]"}));
        QCOMPARE(Tabs(), (QStringList{"A", "C"}));
        QCOMPARE(w().GetCurrentGroupName(), QStringLiteral("A"));
        QCOMPARE(Shown(), QStringList{"in a"});
        QCOMPARE(Stored(), QStringList{"in a"});
    }

    void reorderGroups()
    {
        for (const char* g : {"A", "B"})
            dm->AddGroup(QLatin1String(g));
        Add(QStringLiteral("B"), QStringLiteral("in b"), QStringLiteral("/"), true);
        w().FormCreate();
        WhenModal<TfrmReorderGroup>([](TfrmReorderGroup* d) { d->RzDialogButtons1ClickOk(); });
        w().ActionReorderGroupExecute();
        QCOMPARE(Tabs(), (QStringList{"A", "B"}));
        WhenModal<TfrmReorderGroup>([](TfrmReorderGroup* d) {
            d->findChild<QListWidget*>(QStringLiteral("RzListBox1"))->setCurrentRow(1);
            d->RzButton1Click();
            d->RzDialogButtons1ClickOk();
        });
        w().ActionReorderGroupExecute();
        QCOMPARE(Tabs(), (QStringList{"B", "A"}));
        QCOMPARE(Shown(), QStringList{"in b"});
    }

    void newShortCut()
    {
        dm->AddGroup(QStringLiteral("A"));
        dm->AddGroup(QStringLiteral("B"));
        w().FormCreate();
        const QString file = env().MakeFile(QStringLiteral("tool.txt"));
        WhenModal<TfrmQShortCut>([&](TfrmQShortCut* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("新建快速启动项目"));
            d->findChild<QComboBox*>(QStringLiteral("RzComboBoxGroupName"))->setCurrentIndex(1);
            d->findChild<QLineEdit*>(QStringLiteral("RzEditText"))->setText(QStringLiteral("工具"));
            d->findChild<QLineEdit*>(QStringLiteral("RzEditShortCut"))->setText(file);
            d->RzDialogButtons1ClickOk();
        });
        w().ActionNewFileExecute();
        // Saved into B, shown in the current list until the next fill.
        QCOMPARE(Stored(QStringLiteral("B")), QStringList{"工具"});
        QCOMPARE(Shown(), QStringList{"工具"});
        QVERIFY(RecordAt(0)->ShortCutIndex > 0);
        w().ActionRefreshExecute();
        QCOMPARE(Shown(), QStringList{});
    }

    void editShortCut()
    {
        dm->AddGroup(QStringLiteral("G"));
        const QString folder = env().MakeFolder(QStringLiteral("stick/docs"));
        Add(QStringLiteral("G"), QStringLiteral("docs"), QStringLiteral("%removedrive%/docs"), true);
        qputenv("removedrive", QFile::encodeName(env().Root() + QStringLiteral("/stick")));
        w().FormCreate();
        Select({0});
        WhenModal<TfrmQShortCut>([](TfrmQShortCut* d) {
            QCOMPARE(d->Kind(), 1); // a folder, though the stored path cannot be tested as it stands
            QVERIFY(!d->findChild<QLineEdit*>(QStringLiteral("RzEditParameters"))->isVisibleTo(d));
            d->findChild<QLineEdit*>(QStringLiteral("RzEditText"))->setText(QStringLiteral("文档"));
            d->RzDialogButtons1ClickOk();
        });
        w().ActionUpdateScExecute();
        QCOMPARE(Shown(), QStringList{"文档"});
        TQShortCutList list;
        dm->LoadShortCuts(QString(), list);
        QVERIFY(list[0]->IsDir);
        QCOMPARE(list[0]->Path, QStringLiteral("%removedrive%/docs"));
        Q_UNUSED(folder);
    }

    void deleteSeveral()
    {
        FiveShortCuts();
        const QIcon iconOfB = w().ListView1->item(1)->icon();
        Select({0, 2, 4});
        messages().answers = {false};
        w().ActionDelScExecute();
        QCOMPARE(Shown().size(), 5);
        w().ActionDelScExecute();
        QCOMPARE(messages().Texts().last(), QStringLiteral(" 确定删除选中的快速启动项目？"));
        QCOMPARE(Shown(), (QStringList{"b", "d"}));
        QCOMPARE(Stored(), (QStringList{"b", "d"}));
        QCOMPARE(w().ListView1->item(0)->icon().cacheKey(), iconOfB.cacheKey());
    }

    void physicalDelete()
    {
        dm->AddGroup(QStringLiteral("G"));
        const QString app = env().MakeFolder(QStringLiteral("apps/Game"));
        Add(QStringLiteral("G"), QStringLiteral("game"), env().MakeFile(QStringLiteral("apps/Game/game")));
        Add(QStringLiteral("G"), QStringLiteral("setup"), env().MakeFile(QStringLiteral("apps/Game/setup")));
        Add(QStringLiteral("G"), QStringLiteral("kept"), env().MakeFile(QStringLiteral("apps/kept")));
        w().FormCreate();
        Select({0, 1});
        messages().answers = {true, false, true};
        w().ActionDeltreeExecute();
        QCOMPARE(messages().Texts(),
                 (QStringList{" 确定物理删除选中的快速启动项目？物理删除将删除应用程序所在目录所有文件！",
                              "确定删除目录" + app + "?", "确定删除目录" + app + "?"}));
        QCOMPARE(messages().messages[1].kind, TMessageBox::Kind::Warning);
        QVERIFY(!QFileInfo::exists(app)); // the second answer sent it to the trash
        QVERIFY(QFileInfo::exists(env().DataHome() + QStringLiteral("/Trash/files/Game/setup")));
        QCOMPARE(Shown(), QStringList{"kept"});
        QCOMPARE(Stored(), QStringList{"kept"});
    }

    void physicalDeleteNeverTrashesWhatItMustNot()
    {
        dm->AddGroup(QStringLiteral("G"));
        Add(QStringLiteral("G"), QStringLiteral("home"),
            QDir::homePath() + QStringLiteral("/.kestrune-probe"));
        Add(QStringLiteral("G"), QStringLiteral("relative"), QStringLiteral("relative/x"));
        w().FormCreate();
        w().ListView1->selectAll();
        w().ActionDeltreeExecute();
        QVERIFY(QFileInfo::exists(QDir::homePath()));
        const QStringList texts = messages().Texts();
        QCOMPARE(texts.size(), 5); // the question, then per shortcut its folder question and why it stayed
        QVERIFY(texts[2].startsWith(QStringLiteral("目录") + QDir::homePath()));
        QVERIFY(texts[4].startsWith(QStringLiteral("目录relative")));
        QCOMPARE(Stored(), QStringList{});
    }

    void cleanUp()
    {
        dm->AddGroup(QStringLiteral("A"));
        dm->AddGroup(QStringLiteral("B"));
        Add(QStringLiteral("A"), QStringLiteral("ok"), env().MakeFile(QStringLiteral("ok")));
        Add(QStringLiteral("A"), QStringLiteral("gone a"), QStringLiteral("/no/a"));
        Add(QStringLiteral("B"), QStringLiteral("gone b"), QStringLiteral("/no/b"));
        Add(QStringLiteral("B"), QStringLiteral("file as folder"), env().MakeFile(QStringLiteral("f")), true);
        w().FormCreate();
        messages().answers = {false};
        w().ActionCleanQShortCutExecute();
        QCOMPARE(Stored().size(), 4);
        w().ActionCleanQShortCutExecute();
        QCOMPARE(Stored(), QStringList{"ok"});
        QCOMPARE(messages().Texts().last(), QStringLiteral("清理快捷方式结束。"));
        QCOMPARE(Shown(), QStringList{"ok"});
    }

    void storeErrorsReachTheErrorBox()
    {
        FiveShortCuts();
        dm->ExecuteStatement(QStringLiteral(
            "CREATE TRIGGER no_delete BEFORE DELETE ON t_sc BEGIN SELECT RAISE(ABORT, 'disk says no'); END"));
        Select({0});
        w().ActionDelSc->trigger();
        QCOMPARE(messages().Texts().last(), QStringLiteral("disk says no"));
        QCOMPARE(messages().messages.last().kind, TMessageBox::Kind::Error);
        QCOMPARE(Shown().size(), 5);
        w().ActionRefresh->trigger(); // and the program goes on
        QCOMPARE(Shown().size(), 5);
    }

    void moveToAnotherTab()
    {
        dm->AddGroup(QStringLiteral("A"));
        dm->AddGroup(QStringLiteral("B"));
        for (const char* n : {"1", "2", "3", "4"})
            Add(QStringLiteral("A"), QLatin1String(n), QStringLiteral("/"), true);
        Add(QStringLiteral("B"), QStringLiteral("b"), QStringLiteral("/"), true);
        w().FormCreate();
        Select({0, 2, 3});
        w().TabControl1DragDrop(0); // the current group: nothing
        QCOMPARE(Shown().size(), 4);
        w().TabControl1DragDrop(-1); // no tab under the drop
        QCOMPARE(Shown().size(), 4);
        w().TabControl1DragDrop(1);
        QCOMPARE(Shown(), QStringList{"2"});
        QCOMPARE(w().TabControl1->currentIndex(), 0);
        QCOMPARE(Stored(QStringLiteral("B")), (QStringList{"1", "3", "4", "b"})); // by their kept indexes
    }

    void exchangeTwo()
    {
        FiveShortCuts();
        const int indexB = RecordAt(1)->ShortCutIndex;
        const int indexD = RecordAt(3)->ShortCutIndex;
        Select({1, 2});
        w().ListView1DragDrop(w().ListView1->item(3)); // two selected: nothing
        Select({1});
        w().ListView1DragDrop(nullptr);                // empty space: nothing
        w().ListView1DragDrop(w().ListView1->item(1)); // onto itself: nothing
        QCOMPARE(Stored(), (QStringList{"a", "b", "c", "d", "e"}));
        QVERIFY(w().ListView1->item(1)->isSelected());
        w().ListView1DragDrop(w().ListView1->item(3));
        QCOMPARE(Shown(), (QStringList{"a", "d", "c", "b", "e"}));
        QCOMPARE(Stored(), (QStringList{"a", "d", "c", "b", "e"}));
        QCOMPARE(RecordAt(3)->ShortCutIndex, indexD);
        QCOMPARE(RecordAt(3)->ScText, QStringLiteral("b"));
        QCOMPARE(RecordAt(1)->ShortCutIndex, indexB);
        QCOMPARE(w().ListView1->selectedItems(), QList<QListWidgetItem*>{w().ListView1->item(3)});
    }

    void exchangeRecoversFromALeftOverRow()
    {
        FiveShortCuts();
        dm->ChangeShortCutIndex(5, 0); // an exchange that broke off long ago
        Select({0});
        w().ListView1DragDrop(w().ListView1->item(1));
        QCOMPARE(messages().Texts(), QStringList{"可能上次操作存在错误，已自动纠正，请重试"});
        QCOMPARE(Shown(), (QStringList{"a", "b", "c", "d", "e"}));
        QCOMPARE(dm->MaxShortCutIndex(), 5);
        TQShortCutList list;
        dm->LoadShortCuts(QString(), list);
        QCOMPARE(list.front()->ShortCutIndex, 1); // nothing left at 0
        w().ListView1DragDrop(w().ListView1->item(1));
        QCOMPARE(Shown(), (QStringList{"b", "a", "c", "d", "e"}));
    }

    void dropFromAFileManager()
    {
        dm->AddGroup(QStringLiteral("G"));
        w().FormCreate();
        const QString one = env().MakeFile(QStringLiteral("drop/one.tar.gz"));
        const QString two = env().MakeFile(QStringLiteral("drop/two"));
        const QString folder = env().MakeFolder(QStringLiteral("drop/我的 文件夹"));
        auto* mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(one), QUrl(QStringLiteral("https://example.org/x")),
                       QUrl::fromLocalFile(two), QUrl::fromLocalFile(folder), QUrl::fromLocalFile(one)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w().ListView1->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w().ListView1->viewport(), &drop);
        delete mime;
        QCOMPARE(Shown(), (QStringList{"one.tar", "two", "我的 文件夹", "one.tar"}));
        TQShortCutList list;
        dm->LoadShortCuts(QString(), list);
        QCOMPARE(list[2]->IsDir, true);
        QCOMPARE(list[3]->ShortCutIndex, list[0]->ShortCutIndex + 3);
    }

    void dropWithoutGroupStoresNothing()
    {
        w().FormCreate();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(env().MakeFile(QStringLiteral("x")))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &drop);
        QCOMPARE(messages().Texts(), QStringList{"请先建立快速启动类别"});
        QCOMPARE(dm->MaxShortCutIndex(), 0);
    }

    void pathUnderTheMouse()
    {
        dm->AddGroup(QStringLiteral("G"));
        Add(QStringLiteral("G"), QStringLiteral("stick"), QStringLiteral("%removedrive%/tools/ed"));
        w().FormCreate();
        w().ListView1MouseMove(w().ListView1->item(0));
        QCOMPARE(w().RzStatusPane1->text(), QStringLiteral("%removedrive%/tools/ed"));
        w().ListView1MouseMove(nullptr);
        QCOMPARE(w().RzStatusPane1->text(), QString());
    }

    void windowPresets()
    {
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        w().N400x3001Click();
        QCOMPARE(w().frameGeometry().size(), QSize(400, 300));
        w().N800x6001Click();
        QCOMPARE(w().frameGeometry().size(), QSize(800, 600));
        w().N640x4801Click();
        QCOMPARE(w().frameGeometry().size(), QSize(640, 480));
    }

    void minimisedStartStaysReachableWithoutATray()
    {
        AppEnvironment->SetMinimizeToSystemTray(true);
        w().FormCreate();
        QVERIFY(w().isMinimized());
        w().show();
        QTest::qWait(50);
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("this test is about a desktop without a tray");
        QVERIFY(w().isVisible()); // never hidden with no way back
        w().CoolTrayIcon1MouseDown();
        QVERIFY(!w().isMinimized());
    }
};

KESTRUNE_TEST_MAIN(QApplication, TestMainWindow)
#include "tst_ui_main.moc"
