// Batch creation from a folder search: the dialog's controls, its input checks, how deep it looks, the
// progress and the summary, a catalogue that runs out of indexes, and what the search command does with
// the main window's tabs and list afterwards.
#include "UiTestSupport.h"
#include "common/Exception.h"
#include "ui/dialogs/uFrmSearch.h"
#include "ui/main/MainWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

namespace {

// Sets the controls the way a user would before pressing OK; the subfolder boxes keep their defaults.
void Fill(TfrmSearch& dialog, const QString& folder, const QString& group,
          const QString& mask = QStringLiteral("*.exe"))
{
    Child<QLineEdit>(&dialog, "RzEditFile")->setText(mask);
    Child<QLineEdit>(&dialog, "RzButtonEditPath")->setText(folder);
    auto* groups = Child<QComboBox>(&dialog, "RzComboBox1");
    groups->setEditText(QString());
    QTest::keyClicks(groups->lineEdit(), group);
}

// The stored paths of a group, sorted, relative to base.
QStringList StoredPaths(const QString& group, const QString& base)
{
    TQShortCutList list;
    dm->LoadShortCuts(group, list);
    QStringList paths;
    for (const auto& shortCut : list)
        paths << QDir(base).relativeFilePath(shortCut->Path);
    paths.sort();
    return paths;
}

QString ErrorOf(const std::function<void()>& body)
{
    try {
        body();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStartFromSettingsAndGroups()
    {
        Catalogue c;
        dm->AddGroup(QStringLiteral("Tools"));
        dm->AddGroup(QStringLiteral("Games"));
        {
            TfrmSearch dialog;
            QCOMPARE(dialog.windowTitle(), QStringLiteral("查找"));
            QCOMPARE(Child<QLineEdit>(&dialog, "RzEditFile")->text(), QStringLiteral("*"));
            QCOMPARE(Child<QLineEdit>(&dialog, "RzButtonEditPath")->text(), QStringLiteral("/opt"));
            QCOMPARE(Child<QCheckBox>(&dialog, "RzCheckBox1")->text(), QStringLiteral("包含子目录"));
            QVERIFY(!Child<QCheckBox>(&dialog, "RzCheckBox1")->isChecked());
            QCOMPARE(Child<QCheckBox>(&dialog, "RzCheckBox2")->text(), QStringLiteral("包含n级子目录"));
            QVERIFY(Child<QCheckBox>(&dialog, "RzCheckBox2")->isChecked());
            QCOMPARE(Child<QSpinBox>(&dialog, "RzNumericEdit1")->value(), 1);
            auto* groups = Child<QComboBox>(&dialog, "RzComboBox1");
            QVERIFY(groups->isEditable());
            QCOMPARE(groups->count(), 2);
            QCOMPARE(groups->itemText(0), QStringLiteral("Tools"));
            QCOMPARE(groups->itemText(1), QStringLiteral("Games"));
            QCOMPARE(groups->currentIndex(), -1);
            QCOMPARE(dialog.GetGroupName(), QString());
            QCOMPARE(Child<QProgressBar>(&dialog, "RzProgressStatus1")->value(), 0);
            QVERIFY(Child<QLabel>(&dialog, "RzStatusPane1")->text().isEmpty());
        }
        const QString folder = c.env.MakeFolder(QStringLiteral("last search"));
        AppEnvironment->SetDefaultSearchDir(folder);
        TfrmSearch dialog;
        QCOMPARE(Child<QLineEdit>(&dialog, "RzButtonEditPath")->text(), folder);
    }

    void subfolderBoxesExcludeEachOther()
    {
        Catalogue c;
        TfrmSearch dialog;
        auto* all = Child<QCheckBox>(&dialog, "RzCheckBox1");
        auto* levels = Child<QCheckBox>(&dialog, "RzCheckBox2");
        all->click();
        QVERIFY(all->isChecked() && !levels->isChecked());
        levels->click();
        QVERIFY(!all->isChecked() && levels->isChecked());
        levels->click();
        QVERIFY(!all->isChecked() && !levels->isChecked()); // both may be off
        all->click();
        QVERIFY(all->isChecked() && !levels->isChecked());
    }

    void levelsShowGroupingAndBrackets()
    {
        Catalogue c;
        TfrmSearch dialog;
        auto* levels = Child<QSpinBox>(&dialog, "RzNumericEdit1");
        levels->setValue(1200);
        QCOMPARE(levels->text(), QStringLiteral("1,200"));
        levels->setValue(-3);
        QCOMPARE(levels->text(), QStringLiteral("(3)"));
        auto* edit = levels->findChild<QLineEdit*>();
        for (const auto& [typed, value] :
             {std::pair{QStringLiteral("(2,000)"), -2000}, std::pair{QStringLiteral("-7"), -7},
              std::pair{QStringLiteral("42"), 42}}) {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
            levels->interpretText();
            QCOMPARE(levels->value(), value);
        }
    }

    void browseTakesTheChosenFolder()
    {
        Catalogue c;
        TfrmSearch dialog;
        const QString chosen = c.env.MakeFolder(QStringLiteral("chosen"));
        auto* path = Child<QLineEdit>(&dialog, "RzButtonEditPath");
        auto* browse = Child<QAction>(&dialog, "RzButtonEditPathButton");
        TFileDialogs::SetNextResults({chosen, QString()});
        browse->trigger();
        QCOMPARE(path->text(), chosen);
        browse->trigger(); // cancelled
        QCOMPARE(path->text(), chosen);
        QCOMPARE(TFileDialogs::Presets(), (QStringList{QString(), QString()})); // the chooser is never preset
        TFileDialogs::SetNextResults({});
    }

    void inputChecks_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("message");
        const QString noFolder = QStringLiteral("请输入要查找的目录");
        QTest::newRow("missing folder") << "missing"
                                        << "g" << noFolder;
        QTest::newRow("empty folder text") << ""
                                           << "g" << noFolder;
        QTest::newRow("folder gone since chosen") << "vanished"
                                                  << "g" << noFolder;
        QTest::newRow("file, not folder") << "file"
                                          << "g" << noFolder;
        QTest::newRow("folder tested before group") << "missing"
                                                    << "" << noFolder;
        QTest::newRow("empty group") << "tree"
                                     << "" << QStringLiteral("类别不能为空");
        QTest::newRow("group of blanks") << "tree"
                                         << "   " << QStringLiteral("类别不能为空");
        QTest::newRow("group too long")
            << "tree" << QString(51, QLatin1Char('g')) << QStringLiteral("类别名称不能超过50个字符");
    }

    void inputChecks()
    {
        QFETCH(QString, folder);
        QFETCH(QString, group);
        QFETCH(QString, message);
        Catalogue c;
        c.env.MakeFile(QStringLiteral("tree/a.exe"));
        QString path;
        if (folder == QLatin1String("tree"))
            path = c.env.Root() + QStringLiteral("/tree");
        else if (folder == QLatin1String("missing"))
            path = c.env.Root() + QStringLiteral("/no such folder");
        else if (folder == QLatin1String("file"))
            path = c.env.Root() + QStringLiteral("/tree/a.exe");
        else if (folder == QLatin1String("vanished"))
            path = c.env.MakeFolder(QStringLiteral("gone"));

        TfrmSearch dialog;
        Fill(dialog, path, group);
        if (folder == QLatin1String("vanished"))
            QVERIFY(QDir(path).removeRecursively());
        dialog.RzDialogButtons1ClickOk();

        QCOMPARE(c.messages.messages.size(), 1);
        QVERIFY(c.messages.Has(TMessageBox::Kind::Error, message));
        QVERIFY(dialog.result() != QDialog::Accepted);
        // Entries stay as typed, nothing is stored and the folder is not remembered.
        QCOMPARE(Child<QLineEdit>(&dialog, "RzButtonEditPath")->text(), path);
        QCOMPARE(dialog.GetGroupName(), group);
        QCOMPARE(dm->MaxShortCutIndex(), 0);
        QCOMPARE(AppEnvironment->GetDefaultSearchDir(), QStringLiteral("/opt"));
    }

    void depthOfTheSearch_data()
    {
        QTest::addColumn<bool>("allSubDirs");
        QTest::addColumn<bool>("limitDepth");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("defaults: two levels down, not three")
            << false << true << 1 << QStringList{"a.exe", "l1/b.exe", "l1/l2/c.exe"};
        QTest::newRow("depth 0") << false << true << 0 << QStringList{"a.exe", "l1/b.exe"};
        QTest::newRow("negative depth") << false << true << -1 << QStringList{"a.exe"};
        QTest::newRow("all subfolders")
            << true << false << 0 << QStringList{"a.exe", "l1/b.exe", "l1/l2/c.exe", "l1/l2/l3/d.exe"};
        QTest::newRow("neither box: the folder alone") << false << false << 5 << QStringList{"a.exe"};
    }

    void depthOfTheSearch()
    {
        QFETCH(bool, allSubDirs);
        QFETCH(bool, limitDepth);
        QFETCH(int, depth);
        QFETCH(QStringList, expected);
        Catalogue c;
        for (const char* file :
             {"a.exe", "readme.txt", "l1/b.exe", "l1/l2/c.exe", "l1/l2/l3/d.exe", ".hidden/h.exe"})
            c.env.MakeFile(QStringLiteral("start/") + QLatin1String(file));
        const QString start = c.env.Root() + QStringLiteral("/start");

        TfrmSearch dialog;
        Fill(dialog, start, QStringLiteral("g"));
        auto* levels = Child<QSpinBox>(&dialog, "RzNumericEdit1");
        if (depth != 1)
            levels->setValue(depth);
        Child<QCheckBox>(&dialog, "RzCheckBox1")->setChecked(allSubDirs);
        Child<QCheckBox>(&dialog, "RzCheckBox2")->setChecked(limitDepth);
        dialog.RzDialogButtons1ClickOk();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(StoredPaths(QStringLiteral("g"), start), expected);
        QCOMPARE(c.messages.Texts(), QStringList{QStringLiteral("搜索到的文件已归类到 [g] 中")});
        QCOMPARE(AppEnvironment->GetDefaultSearchDir(), start);
        TQShortCutList list;
        dm->LoadShortCuts(QStringLiteral("g"), list);
        QCOMPARE(list.front()->ScText, QStringLiteral("a"));
        QCOMPARE(list.front()->Path, start + QStringLiteral("/a.exe")); // exactly as found
        QVERIFY(!list.front()->IsDir);
        QVERIFY(!list.front()->Icon.isNull());
    }

    void progressCountsFoundFilesAndKeptEntries()
    {
        Catalogue c;
        // Forty folders of three equally scored names: 120 found files, one kept per folder.
        for (int folder = 0; folder < 40; ++folder)
            for (const char* name : {"zzz.exe", "yyy.exe", "qqq.exe"})
                c.env.MakeFile(QStringLiteral("p/d%1/").arg(folder, 2, 10, QLatin1Char('0')) +
                               QLatin1String(name));
        TfrmSearch dialog;
        Fill(dialog, c.env.Root() + QStringLiteral("/p"), QStringLiteral("Batch"));
        // Whatever the window gets to paint while the run is under way, and how much of it came before the
        // first shortcut, while the folders were being scanned.
        QStringList painted;
        qsizetype paintedWhileScanning = -1;
        QStringList shown;
        connect(&dialog, &TfrmSearch::StatusShown, this, [&](const QString& text) {
            if (shown.isEmpty())
                paintedWhileScanning = painted.size();
            shown << text;
        });
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this,
                [&] { painted << Child<QLabel>(&dialog, "RzStatusPane1")->text(); });
        ticker.start(0);
        dialog.RzDialogButtons1ClickOk();
        ticker.stop();

        QCOMPARE(shown.size(), 41);
        QCOMPARE(shown.first(), QStringLiteral("正在处理1/120个文件"));
        QCOMPARE(shown.at(39), QStringLiteral("正在处理40/120个文件"));
        QCOMPARE(shown.last(), QStringLiteral("批量处理文件结束。"));
        auto* progress = Child<QProgressBar>(&dialog, "RzProgressStatus1");
        QCOMPARE(progress->maximum(), 40);
        QCOMPARE(progress->value(), 40);
        QCOMPARE(dm->MaxShortCutIndex(), 40);
        QVERIFY(paintedWhileScanning > 0);
        QVERIFY(std::any_of(painted.cbegin(), painted.cend(),
                            [](const QString& text) { return text.startsWith(QStringLiteral("正在处理")); }));
        QCOMPARE(c.messages.Texts(), QStringList{QStringLiteral("搜索到的文件已归类到 [Batch] 中")});
    }

    void nothingFoundClosesWithOkAndRemembersTheFolder()
    {
        Catalogue c;
        c.env.MakeFile(QStringLiteral("docs/readme.txt"));
        const QString folder = c.env.Root() + QStringLiteral("/docs");
        TfrmSearch dialog;
        Fill(dialog, folder, QStringLiteral("g"));
        dialog.RzDialogButtons1ClickOk();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(c.messages.messages.size(), 1);
        QVERIFY(c.messages.Has(TMessageBox::Kind::Information, QStringLiteral("没有搜索到文件")));
        QCOMPARE(AppEnvironment->GetDefaultSearchDir(), folder);
        QCOMPARE(dm->MaxShortCutIndex(), 0);
    }

    void typedNamesAndQuotesAreKeptAsTheyAre()
    {
        Catalogue c;
        c.env.MakeFile(QStringLiteral("games/Tom's Game/Tom's Game.exe"));
        const QString group = QStringLiteral(" Tom's  Games ");
        TfrmSearch dialog;
        Fill(dialog, c.env.Root() + QStringLiteral("/games"), group);
        dialog.RzDialogButtons1ClickOk();
        TQShortCutList list;
        dm->LoadShortCuts(group, list);
        QCOMPARE(list.size(), std::size_t(1));
        QCOMPARE(list.front()->GroupName, group);
        QCOMPARE(list.front()->ScText, QStringLiteral("Tom's Game"));
        QCOMPARE(list.front()->Path, c.env.Root() + QStringLiteral("/games/Tom's Game/Tom's Game.exe"));
        QCOMPARE(c.messages.Texts(), QStringList{QStringLiteral("搜索到的文件已归类到 [ Tom's  Games ] 中")});
    }

    void scanSurvivesLinkLoopsAndUnreadableFolders()
    {
        Catalogue c;
        c.env.MakeFile(QStringLiteral("tree/a.exe"));
        c.env.MakeFile(QStringLiteral("tree/sub/b.exe"));
        c.env.MakeFile(QStringLiteral("tree/locked/inside/c.exe"));
        const QString tree = c.env.Root() + QStringLiteral("/tree");
        QVERIFY(QFile::link(tree, tree + QStringLiteral("/sub/loop")));
        QVERIFY(QFile::link(QStringLiteral(".."), tree + QStringLiteral("/sub/up")));
        const QString locked = tree + QStringLiteral("/locked");
        QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));

        TfrmSearch dialog;
        Fill(dialog, tree, QStringLiteral("g"));
        Child<QCheckBox>(&dialog, "RzCheckBox1")->setChecked(true);
        dialog.RzDialogButtons1ClickOk();
        QFile::setPermissions(locked,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QStringList stored = StoredPaths(QStringLiteral("g"), tree);
        // A user who may read everything (root) sees the locked folder too; nobody sees anything twice.
        stored.removeAll(QStringLiteral("locked/inside/c.exe"));
        QCOMPARE(stored, (QStringList{"a.exe", "sub/b.exe"}));
    }

    void fullCatalogueStopsWithCountAndEngineText()
    {
        MainWindowFixture f;
        f.window->FormCreate();
        for (int folder = 0; folder < 5; ++folder)
            f.env->MakeFile(QStringLiteral("many/f%1/zzz.exe").arg(folder));
        dm->ExecuteStatement(
            QStringLiteral("INSERT INTO t_sc (ShortCutIndex, GroupName) VALUES (32765, 'other')"));
        TQShortCut probe;
        probe.GroupName = QStringLiteral("probe");
        probe.Path = QStringLiteral("/bin/sh");
        TQShortCut filler = probe;
        dm->AddShortCut(filler);
        dm->AddShortCut(filler);
        const QString engineText = ErrorOf([&] { dm->AddShortCut(probe); });
        QVERIFY(!engineText.isEmpty());
        dm->DeleteShortCut(32767);
        dm->DeleteShortCut(32766);

        WhenModal<TfrmSearch>([&](TfrmSearch* dialog) {
            Fill(*dialog, f.env->Root() + QStringLiteral("/many"), QStringLiteral("Full"));
            dialog->RzDialogButtons1ClickOk();
        });
        f.window->ActionSearchScExecute();

        QCOMPARE(f.messages.messages.size(), 1);
        QCOMPARE(f.messages.messages.front().kind, TMessageBox::Kind::Error);
        QCOMPARE(f.messages.messages.front().text,
                 QStringLiteral("批量处理中止：已建立2个快捷方式，其余的未能保存。\n") + engineText);
        QCOMPARE(StoredPaths(QStringLiteral("Full"), f.env->Root()),
                 (QStringList{"many/f0/zzz.exe", "many/f1/zzz.exe"}));
        // The dialog closed with OK, so the new group got its tab.
        QVERIFY(dm->GroupExists(QStringLiteral("Full")));
        QCOMPARE(f.window->TabControl1->count(), 1);
        QCOMPARE(f.window->TabControl1->GroupName(0), QStringLiteral("Full"));
    }

    void commandBringsTabsUpToDate_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<bool>("findsFiles");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<int>("listed");
        const QStringList two{"Current", "Other"};
        QTest::newRow("into the current group: list refilled") << "Current" << true << two << 3;
        QTest::newRow("into another group: nothing visible changes") << "Other" << true << two << 1;
        QTest::newRow("into a new group: tab appended, current kept")
            << "New" << true << QStringList{"Current", "Other", "New"} << 1;
        QTest::newRow("nothing found, new group: tab still appended")
            << "New" << false << QStringList{"Current", "Other", "New"} << 1;
        QTest::newRow("other letter case is another group")
            << "current" << true << QStringList{"Current", "Other", "current"} << 1;
    }

    void commandBringsTabsUpToDate()
    {
        QFETCH(QString, group);
        QFETCH(bool, findsFiles);
        QFETCH(QStringList, tabs);
        QFETCH(int, listed);
        MainWindowFixture f;
        dm->AddGroup(QStringLiteral("Current"));
        dm->AddGroup(QStringLiteral("Other"));
        TQShortCut existing;
        existing.GroupName = QStringLiteral("Current");
        existing.ScText = QStringLiteral("sh");
        existing.Path = QStringLiteral("/bin/sh");
        dm->AddShortCut(existing);
        f.window->FormCreate();
        QCOMPARE(f.window->ListView1->count(), 1);
        f.env->MakeFile(QStringLiteral("apps/one/one.exe"));
        f.env->MakeFile(QStringLiteral("apps/two/two.exe"));

        WhenModal<TfrmSearch>([&](TfrmSearch* dialog) {
            Fill(*dialog, f.env->Root() + QStringLiteral("/apps"), group,
                 findsFiles ? QStringLiteral("*.exe") : QStringLiteral("*.none"));
            dialog->RzDialogButtons1ClickOk();
        });
        f.window->ActionSearchScExecute();

        QStringList shownTabs;
        for (int i = 0; i < f.window->TabControl1->count(); ++i)
            shownTabs << f.window->TabControl1->GroupName(i);
        QCOMPARE(shownTabs, tabs);
        QCOMPARE(f.window->GetCurrentGroupName(), QStringLiteral("Current"));
        QCOMPARE(f.window->ListView1->count(), listed);
        QCOMPARE(StoredPaths(group, f.env->Root()).filter(QStringLiteral("apps/")).size(),
                 findsFiles ? 2 : 0);
    }

    void firstGroupOfAnEmptyCatalogueShowsItsShortCuts()
    {
        MainWindowFixture f;
        f.window->FormCreate();
        f.env->MakeFile(QStringLiteral("apps/one/one.exe"));
        WhenModal<TfrmSearch>([&](TfrmSearch* dialog) {
            Fill(*dialog, f.env->Root() + QStringLiteral("/apps"), QStringLiteral("First"));
            dialog->RzDialogButtons1ClickOk();
        });
        f.window->ActionSearchScExecute();
        QCOMPARE(f.window->GetCurrentGroupName(), QStringLiteral("First"));
        QCOMPARE(f.window->ListView1->count(), 1);
    }

    void cancelChangesNothing()
    {
        MainWindowFixture f;
        f.window->FormCreate();
        f.env->MakeFile(QStringLiteral("apps/one/one.exe"));
        WhenModal<TfrmSearch>([&](TfrmSearch* dialog) {
            Fill(*dialog, f.env->Root() + QStringLiteral("/apps"), QStringLiteral("New"));
            dialog->reject();
        });
        f.window->ActionSearchScExecute();
        QCOMPARE(f.window->TabControl1->count(), 0);
        QVERIFY(!dm->GroupExists(QStringLiteral("New")));
        QCOMPARE(dm->MaxShortCutIndex(), 0);
        QCOMPARE(AppEnvironment->GetDefaultSearchDir(), QStringLiteral("/opt"));
    }
};

KESTRUNE_TEST_MAIN(QApplication, TestSearch)
#include "tst_ui_search.moc"
