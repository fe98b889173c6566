// The smaller dialogs and their commands: replacing a text in every stored path, the options with the
// removable drive and the autostart entry, the autorun list, the favourites window and the about box.
#include "UiTestSupport.h"
#include "platform/Platform.h"
#include "store/DefaultIcon.h"
#include "ui/common/ShortCutItem.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/uFrmAutoRun.h"
#include "ui/dialogs/uFrmFav.h"
#include "ui/dialogs/uFrmOption.h"
#include "ui/dialogs/uFrmReplaceQShortCut.h"
#include "ui/main/MainWidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace {

int Add(const QString& group, const QString& text, const QString& path, bool autoRun = false,
        const QString& parameters = QString())
{
    return StoreShortCut({group, text, path, false, autoRun, parameters});
}

QStringList AllPaths()
{
    TQShortCutList list;
    dm->LoadShortCuts(QString(), list);
    QStringList paths;
    for (const auto& shortCut : list)
        paths << shortCut->Path;
    return paths;
}

QStringList AutoRunNames()
{
    TQShortCutList list;
    dm->LoadAutoRunShortCuts(list);
    QStringList names;
    for (const auto& shortCut : list)
        names << shortCut->ScText;
    return names;
}

int RunCountOf(int index)
{
    TQShortCutList list;
    dm->LoadShortCuts(QString(), list);
    for (const auto& shortCut : list)
        if (shortCut->ShortCutIndex == index)
            return shortCut->RunCount;
    return -1;
}

QImage Filled(QRgb colour)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb CentreOf(const QIcon& icon)
{
    return icon.pixmap(32, 32).toImage().pixel(16, 16);
}

// Marks the items a list shows now, so that a test can tell a refill (new items) from the same items.
void MarkItems(QListWidget* list)
{
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setData(Qt::UserRole + 77, true);
}

bool StillMarked(QListWidget* list)
{
    return list->count() > 0 && list->item(0)->data(Qt::UserRole + 77).toBool();
}

void PressOk(QDialog* dialog)
{
    Child<QDialogButtonBox>(dialog, "RzDialogButtons1")->button(QDialogButtonBox::Ok)->click();
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

    // Two folders that stand in for mounted drives.
    QString m_driveF;
    QString m_driveG;

    void UseDrives(const TestEnvironment& env, const QStringList& names)
    {
        m_driveF = env.MakeFolder(QStringLiteral("media/F"));
        m_driveG = env.MakeFolder(QStringLiteral("media/G"));
        QStringList drives;
        for (const QString& name : names)
            drives << (name == QLatin1String("F") ? m_driveF : m_driveG);
        Platform::SetDriveLister([drives] { return drives; });
    }

private Q_SLOTS:
    void cleanup()
    {
        Platform::SetDriveLister({});
        qunsetenv("removedrive");
    }

    // Replace in paths

    void replaceInEveryPath_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("drive to variable, letter case counts")
            << "/media/F/Tools"
            << "%removedrive%/Tools" << QStringList{"/media/F/Tools/a.exe", "/media/f/tools/b.exe"}
            << QStringList{"%removedrive%/Tools/a.exe", "/media/f/tools/b.exe"};
        QTest::newRow("apostrophes on both sides")
            << "O'Brien"
            << "O'Neil" << QStringList{"/home/O'Brien/x"} << QStringList{"/home/O'Neil/x"};
        QTest::newRow("empty replacement removes every occurrence")
            << "/old"
            << "" << QStringList{"/old/a/old", "/keep"} << QStringList{"/a", "/keep"};
        QTest::newRow("two occurrences in one path")
            << "ab"
            << "x" << QStringList{"/ab/ab.exe"} << QStringList{"/x/x.exe"};
        QTest::newRow("replacement holding the search text")
            << "a"
            << "aa" << QStringList{"/a/b"} << QStringList{"/aa/b"};
    }

    void replaceInEveryPath()
    {
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        Catalogue c;
        for (int i = 0; i < before.size(); ++i)
            Add(QStringLiteral("group %1").arg(i), QStringLiteral("name %1").arg(i), before.at(i), false,
                QStringLiteral("/old O'Brien ab"));
        dm->ExecuteStatement(QStringLiteral("UPDATE t_sc SET FICON=?"),
                             {PictureToBmp(Filled(qRgb(200, 0, 0)))});

        TfrmReplaceQShortCut dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("替代"));
        QVERIFY(Child<QLineEdit>(&dialog, "RzEdit1")->text().isEmpty());
        QVERIFY(Child<QLineEdit>(&dialog, "RzEdit2")->text().isEmpty());
        Child<QLineEdit>(&dialog, "RzEdit1")->setText(search);
        Child<QLineEdit>(&dialog, "RzEdit2")->setText(replacement);
        PressOk(&dialog);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(c.messages.messages.isEmpty());
        QCOMPARE(AllPaths(), after);
        // Only the paths change.
        TQShortCutList list;
        dm->LoadShortCuts(QString(), list);
        for (int i = 0; i < int(list.size()); ++i) {
            QCOMPARE(list[i]->GroupName, QStringLiteral("group %1").arg(i));
            QCOMPARE(list[i]->ScText, QStringLiteral("name %1").arg(i));
            QCOMPARE(list[i]->Parameters, QStringLiteral("/old O'Brien ab"));
            QCOMPARE(list[i]->Icon.pixel(3, 3), qRgb(200, 0, 0));
        }
    }

    void replaceRefusesWithoutChanging_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty search text") << ""
                                           << "x" << QStringLiteral("寻找的字符串不能为空");
        QTest::newRow("a path would outgrow the catalogue")
            << "/x" << QString(20, QLatin1Char('y'))
            << QStringLiteral("替换后路径将超过512个字符，没有替换任何路径：\n") + QLatin1Char('/') +
                   QString(495, QLatin1Char('p')) + QStringLiteral("/x");
    }

    void replaceRefusesWithoutChanging()
    {
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(QString, message);
        Catalogue c;
        const QStringList before{QStringLiteral("/x/short"),
                                 QLatin1Char('/') + QString(495, QLatin1Char('p')) + QStringLiteral("/x")};
        for (const QString& path : before)
            Add(QStringLiteral("g"), QStringLiteral("s"), path);
        TfrmReplaceQShortCut dialog;
        Child<QLineEdit>(&dialog, "RzEdit1")->setText(search);
        Child<QLineEdit>(&dialog, "RzEdit2")->setText(replacement);
        PressOk(&dialog);
        QCOMPARE(c.messages.messages.size(), 1);
        QVERIFY(c.messages.Has(TMessageBox::Kind::Error, message));
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(AllPaths(), before);
    }

    void replaceCommandRefillsOnlyAfterOk_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void replaceCommandRefillsOnlyAfterOk()
    {
        QFETCH(bool, ok);
        MainWindowFixture f;
        dm->AddGroup(QStringLiteral("g"));
        const QString program = f.env->MakeFile(QStringLiteral("apps/tool"));
        Add(QStringLiteral("g"), QStringLiteral("tool"), program);
        f.window->FormCreate();
        MarkItems(f.window->ListView1);
        WhenModal<TfrmReplaceQShortCut>([ok](TfrmReplaceQShortCut* dialog) {
            Child<QLineEdit>(dialog, "RzEdit1")->setText(QStringLiteral("/apps/"));
            Child<QLineEdit>(dialog, "RzEdit2")->setText(QStringLiteral("/moved/"));
            ok ? PressOk(dialog) : dialog->reject();
        });
        f.window->ActionReplaceQShortCutExecute();
        const QString expected = ok ? f.env->Root() + QStringLiteral("/moved/tool") : program;
        QCOMPARE(AllPaths(), QStringList{expected});
        QCOMPARE(StillMarked(f.window->ListView1), !ok);
        QCOMPARE(RecordOf(f.window->ListView1->item(0))->Path, expected);
    }

    // Options

    void optionsShowTheStoredState_data()
    {
        QTest::addColumn<QString>("variable"); // "F", "G", "f-case", "absent", or empty for undefined
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>(
            "ticked"); // the autostart entry and the tray option, the correction the other way
        QTest::newRow("present drive") << "F" << 0 << true;
        QTest::newRow("second drive") << "G" << 1 << false;
        QTest::newRow("other letter case") << "f-case" << 0 << false;
        QTest::newRow("undefined") << "" << -1 << true;
        QTest::newRow("drive not present") << "absent" << -1 << false;
    }

    void optionsShowTheStoredState()
    {
        QFETCH(QString, variable);
        QFETCH(int, selected);
        QFETCH(bool, ticked);
        Catalogue c;
        UseDrives(c.env, {QStringLiteral("F"), QStringLiteral("G")});
        if (variable == QLatin1String("F"))
            qputenv("removedrive", QFile::encodeName(m_driveF));
        else if (variable == QLatin1String("G"))
            qputenv("removedrive", QFile::encodeName(m_driveG));
        else if (variable == QLatin1String("f-case"))
            qputenv("removedrive", QFile::encodeName(m_driveF.toUpper()));
        else if (variable == QLatin1String("absent"))
            qputenv("removedrive", QFile::encodeName(c.env.Root() + QStringLiteral("/media/H")));
        AppEnvironment->SetMinimizeToSystemTray(ticked);
        AppEnvironment->SetAutoCorrectRemoveDriveValue(!ticked);
        if (ticked)
            Platform::WriteAutostartEntry(QStringLiteral("/somewhere/else/kestrune"));

        TfrmOption dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("设置"));
        QCOMPARE(Child<QCheckBox>(&dialog, "RzCheckBoxAutoRun")->text(), QStringLiteral("Windows启动时运行"));
        // The entry's program path is not compared: an entry at all ticks the box.
        QCOMPARE(Child<QCheckBox>(&dialog, "RzCheckBoxAutoRun")->isChecked(), ticked);
        QCOMPARE(Child<QCheckBox>(&dialog, "RzCheckBoxMinimizeToSystemTray")->isChecked(), ticked);
        QCOMPARE(Child<QCheckBox>(&dialog, "RzCheckBoxARDV")->isChecked(), !ticked);
        auto* drives = Child<QComboBox>(&dialog, "RzComboBoxDrive");
        QVERIFY(!drives->isEditable());
        QCOMPARE(drives->count(), 2);
        QCOMPARE(drives->itemText(0), m_driveF);
        QCOMPARE(drives->itemText(1), m_driveG);
        QCOMPARE(drives->currentIndex(), selected);
        if (selected < 0)
            QCOMPARE(drives->currentText(), QString());
    }

    void okWritesOptionsAndTheAutostartEntry()
    {
        Catalogue c;
        UseDrives(c.env, {QStringLiteral("F")});
        const QString entry = c.env.ConfigHome() + QStringLiteral("/autostart/kestrune.desktop");
        {
            TfrmOption dialog;
            Child<QCheckBox>(&dialog, "RzCheckBoxAutoRun")->setChecked(true);
            Child<QCheckBox>(&dialog, "RzCheckBoxMinimizeToSystemTray")->setChecked(true);
            Child<QCheckBox>(&dialog, "RzCheckBoxARDV")->setChecked(false);
            PressOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(AppEnvironment->GetMinimizeToSystemTray());
        QVERIFY(!AppEnvironment->GetAutoCorrectRemoveDriveValue());
        const QByteArray written = Contents(entry);
        QVERIFY(written.startsWith("[Desktop Entry]\n"));
        QVERIFY(written.contains("\nExec=" + QFile::encodeName(Platform::ProgramFilePath()) + '\n'));
        {
            TfrmOption dialog;
            QVERIFY(Child<QCheckBox>(&dialog, "RzCheckBoxAutoRun")->isChecked());
            Child<QCheckBox>(&dialog, "RzCheckBoxAutoRun")->setChecked(false);
            Child<QCheckBox>(&dialog, "RzCheckBoxMinimizeToSystemTray")->setChecked(false);
            PressOk(&dialog);
        }
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!AppEnvironment->GetMinimizeToSystemTray());
        QVERIFY(c.messages.messages.isEmpty());
        // Removing an entry that is not there is no error.
        TfrmOption again;
        PressOk(&again);
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QVERIFY(c.messages.messages.isEmpty());
    }

    void driveIsWrittenOnlyWhenChosenAndChanged_data()
    {
        QTest::addColumn<QString>("initial");  // "F", "f-case", "absent", or empty for undefined
        QTest::addColumn<int>("choose");       // -1 leaves the box as it opened
        QTest::addColumn<QString>("expected"); // "F", "G", "f-case", "absent", or empty for undefined
        QTest::addColumn<bool>("written");
        QTest::newRow("unchanged drive") << "F" << -1 << "F" << false;
        QTest::newRow("same drive chosen again") << "F" << 0 << "F" << false;
        QTest::newRow("other drive chosen") << "F" << 1 << "G" << true;
        QTest::newRow("undefined, nothing chosen") << "" << -1 << "" << false;
        QTest::newRow("undefined, drive chosen") << "" << 1 << "G" << true;
        QTest::newRow("absent drive, nothing chosen") << "absent" << -1 << "absent" << false;
        QTest::newRow("other letter case takes the drive's name") << "f-case" << -1 << "F" << true;
    }

    void driveIsWrittenOnlyWhenChosenAndChanged()
    {
        QFETCH(QString, initial);
        QFETCH(int, choose);
        QFETCH(QString, expected);
        QFETCH(bool, written);
        Catalogue c;
        UseDrives(c.env, {QStringLiteral("F"), QStringLiteral("G")});
        const QString absent = c.env.Root() + QStringLiteral("/media/H");
        auto valueOf = [&](const QString& name) {
            return name == QLatin1String("F")        ? m_driveF
                   : name == QLatin1String("G")      ? m_driveG
                   : name == QLatin1String("f-case") ? m_driveF.toUpper()
                   : name == QLatin1String("absent") ? absent
                                                     : QString();
        };
        if (!initial.isEmpty())
            qputenv("removedrive", QFile::encodeName(valueOf(initial)));

        TfrmOption dialog;
        if (choose >= 0)
            Child<QComboBox>(&dialog, "RzComboBoxDrive")->setCurrentIndex(choose);
        PressOk(&dialog);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        if (expected.isEmpty())
            QVERIFY(!qEnvironmentVariableIsSet("removedrive"));
        else
            QCOMPARE(qEnvironmentVariable("removedrive"), valueOf(expected));
        const auto persisted = Platform::ReadPersistentVariable(QStringLiteral("removedrive"));
        QCOMPARE(persisted.has_value(), written);
        if (written)
            QCOMPARE(*persisted, valueOf(expected));
    }

    void unpluggedDriveIsRefused()
    {
        Catalogue c;
        UseDrives(c.env, {QStringLiteral("F"), QStringLiteral("G")});
        qputenv("removedrive", QFile::encodeName(m_driveF));
        const QByteArray config = Contents(AppEnvironment->ConfigFileName());
        TfrmOption dialog;
        auto* drives = Child<QComboBox>(&dialog, "RzComboBoxDrive");
        drives->setCurrentIndex(1);
        Child<QCheckBox>(&dialog, "RzCheckBoxMinimizeToSystemTray")->setChecked(true);
        Child<QCheckBox>(&dialog, "RzCheckBoxAutoRun")->setChecked(true);
        const QString driveF = m_driveF;
        Platform::SetDriveLister([driveF] { return QStringList{driveF}; }); // G is pulled out

        PressOk(&dialog);

        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(c.messages.Texts(),
                 QStringList{QStringLiteral("驱动器%1已不可用，请重新选择").arg(m_driveG)});
        QCOMPARE(drives->count(), 1);
        QCOMPARE(drives->currentText(), m_driveF);
        QCOMPARE(qEnvironmentVariable("removedrive"), m_driveF);
        QVERIFY(!Platform::ReadPersistentVariable(QStringLiteral("removedrive")));
        QCOMPARE(Contents(AppEnvironment->ConfigFileName()), config);
        QVERIFY(!Platform::AutostartEntryExists());
    }

    void optionCommandRefillsWhenTheDriveChanged_data()
    {
        QTest::addColumn<int>("choose");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("refilled");
        QTest::newRow("drive changed") << 1 << true << true;
        QTest::newRow("drive kept") << 0 << true << false;
        QTest::newRow("everything changed, then Cancel") << 1 << false << false;
    }

    void optionCommandRefillsWhenTheDriveChanged()
    {
        QFETCH(int, choose);
        QFETCH(bool, ok);
        QFETCH(bool, refilled);
        MainWindowFixture f;
        UseDrives(*f.env, {QStringLiteral("F"), QStringLiteral("G")});
        qputenv("removedrive", QFile::encodeName(m_driveF));
        f.env->MakeFile(QStringLiteral("media/F/app"));
        dm->AddGroup(QStringLiteral("g"));
        Add(QStringLiteral("g"), QStringLiteral("app"), QStringLiteral("%removedrive%/app"));
        AppEnvironment->SetAutoCorrectRemoveDriveValue(false);
        f.window->FormCreate();
        MarkItems(f.window->ListView1);
        const QByteArray config = Contents(AppEnvironment->ConfigFileName());

        WhenModal<TfrmOption>([&](TfrmOption* dialog) {
            Child<QComboBox>(dialog, "RzComboBoxDrive")->setCurrentIndex(choose);
            Child<QCheckBox>(dialog, "RzCheckBoxAutoRun")->setChecked(true);
            Child<QCheckBox>(dialog, "RzCheckBoxMinimizeToSystemTray")->setChecked(true);
            Child<QCheckBox>(dialog, "RzCheckBoxARDV")->setChecked(true);
            ok ? PressOk(dialog) : dialog->reject();
        });
        f.window->ActionOptionExecute();

        QCOMPARE(StillMarked(f.window->ListView1), !refilled);
        QCOMPARE(qEnvironmentVariable("removedrive"), choose == 1 && ok ? m_driveG : m_driveF);
        QCOMPARE(Platform::AutostartEntryExists(), ok);
        if (!ok) {
            QCOMPARE(Contents(AppEnvironment->ConfigFileName()), config);
            QVERIFY(!Platform::ReadPersistentVariable(QStringLiteral("removedrive")));
        }
    }

    // Autorun list

    void autoRunListOkClearsOnlyUnticked_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("remaining");
        const QStringList all{"A", "B", "C"};
        QTest::newRow("no change") << QStringList{} << all;
        QTest::newRow("clear selection") << QStringList{"N1"} << QStringList{};
        QTest::newRow("invert twice") << QStringList{"N2", "N2"} << all;
        QTest::newRow("untick B, invert") << QStringList{"untick B", "N2"} << QStringList{"B"};
        QTest::newRow("highlighting does not count")
            << QStringList{"select all", "untick C"} << QStringList{"A", "B"};
    }

    void autoRunListOkClearsOnlyUnticked()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, remaining);
        Catalogue c;
        for (const char* name : {"A", "B", "C"})
            Add(QStringLiteral("g"), QLatin1String(name), QStringLiteral("/bin/sh"), true);
        Add(QStringLiteral("g"), QStringLiteral("D"), QStringLiteral("/bin/sh"), false);

        TfrmAutoRun dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("自动运行列表"));
        auto* list = Child<QListWidget>(&dialog, "RzListView1");
        QCOMPARE(list->count(), 3);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(list->item(row)->text(), QString(QLatin1Char('A' + row)));
            QCOMPARE(list->item(row)->checkState(), Qt::Checked);
        }
        QCOMPARE(Child<QAction>(&dialog, "N1")->text(), QStringLiteral("清除选择"));
        QCOMPARE(Child<QAction>(&dialog, "N2")->text(), QStringLiteral("反向选择"));
        for (const QString& step : steps) {
            if (step == QLatin1String("N1"))
                Child<QAction>(&dialog, "N1")->trigger();
            else if (step == QLatin1String("N2"))
                Child<QAction>(&dialog, "N2")->trigger();
            else if (step == QLatin1String("select all"))
                list->selectAll();
            else if (step.startsWith(QLatin1String("untick ")))
                list->findItems(step.mid(7), Qt::MatchExactly).front()->setCheckState(Qt::Unchecked);
        }
        PressOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(AutoRunNames(), remaining);
    }

    void autoRunCommand_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("clear all, OK") << true;
        QTest::newRow("clear all, Cancel") << false;
    }

    void autoRunCommand()
    {
        QFETCH(bool, ok);
        MainWindowFixture f;
        dm->AddGroup(QStringLiteral("g"));
        Add(QStringLiteral("g"), QStringLiteral("A"), QStringLiteral("/no/such/program"), true);
        Add(QStringLiteral("g"), QStringLiteral("B"), QStringLiteral("/no/such/program"), true);
        f.window->LoadGroupTabs();
        f.window->LoadShortCutList(QStringLiteral("g"));
        MarkItems(f.window->ListView1);
        WhenModal<TfrmAutoRun>([ok](TfrmAutoRun* dialog) {
            dialog->N1Click();
            ok ? PressOk(dialog) : dialog->reject();
        });
        f.window->ActionListAutoRunExecute();
        QCOMPARE(AutoRunNames(), ok ? QStringList{} : (QStringList{"A", "B"}));
        QCOMPARE(StillMarked(f.window->ListView1), !ok);
        QVERIFY(f.messages.messages.isEmpty());
    }

    void autoRunCommandWithNothingToList()
    {
        MainWindowFixture f;
        Add(QStringLiteral("g"), QStringLiteral("not at start"), QStringLiteral("/bin/sh"));
        bool opened = false;
        QObject scope;
        QTimer::singleShot(3000, &scope, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                dialog->reject();
            }
        });
        f.window->ActionListAutoRunExecute();
        QVERIFY(!opened);
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.Has(TMessageBox::Kind::Information, QStringLiteral("没有随Kestrune开启的程序。")));
    }

    // Favourites

    void favouritesShowTheMostRunFilesWithCachedPictures()
    {
        Catalogue c;
        const QString target = c.env.MakeFile(QStringLiteral("apps/tool"));
        QList<int> indexes;
        for (int i = 0; i < 12; ++i)
            indexes << Add(QStringLiteral("g"), QStringLiteral("file %1").arg(i), target);
        TQShortCut folder;
        folder.GroupName = QStringLiteral("g");
        folder.ScText = QStringLiteral("folder");
        folder.Path = c.env.Root();
        folder.IsDir = true;
        dm->AddShortCut(folder);
        for (int run = 0; run < 5; ++run)
            dm->IncRunCount(folder.ShortCutIndex);
        for (int i = 0; i < 12; ++i)
            for (int run = 0; run < i; ++run)
                dm->IncRunCount(indexes[i]);
        // Pictures that no icon theme would give, so that any reading of the target shows.
        dm->ExecuteStatement(QStringLiteral("UPDATE t_sc SET FICON=?"),
                             {PictureToBmp(Filled(qRgb(0, 0, 255)))});
        dm->ExecuteStatement(QStringLiteral("UPDATE t_sc SET FICON=? WHERE ShortCutIndex=?"),
                             {PictureToBmp(Filled(qRgb(255, 0, 0))), indexes[11]});
        dm->ExecuteStatement(QStringLiteral("UPDATE t_sc SET FICON=NULL WHERE ShortCutIndex=?"),
                             {indexes[10]});

        TfrmFav dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("常用"));
        auto* list = Child<QListWidget>(&dialog, "ListView1");
        QCOMPARE(list->viewMode(), QListView::IconMode);
        QCOMPARE(list->count(), 10);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(list->item(row)->text(), QStringLiteral("file %1").arg(11 - row));
        QCOMPARE(CentreOf(list->item(0)->icon()), qRgb(255, 0, 0));
        QCOMPARE(CentreOf(list->item(1)->icon()), qRgb(255, 255, 255)); // nothing cached: the white square
        QCOMPARE(CentreOf(list->item(2)->icon()), qRgb(0, 0, 255));
    }

    void favouritesWithMissingTargets_data()
    {
        QTest::addColumn<bool>("displayNoExist");
        QTest::newRow("shown with the default picture") << true;
        QTest::newRow("left out") << false;
    }

    void favouritesWithMissingTargets()
    {
        QFETCH(bool, displayNoExist);
        Catalogue c;
        const QString target = c.env.MakeFile(QStringLiteral("apps/tool"));
        const int present = Add(QStringLiteral("g"), QStringLiteral("present"), target);
        dm->IncRunCount(present);
        Add(QStringLiteral("g"), QStringLiteral("missing"), c.env.Root() + QStringLiteral("/apps/gone"));
        AppEnvironment->SetDisplayNoExistShortCut(displayNoExist);

        TfrmFav dialog;
        auto* list = Child<QListWidget>(&dialog, "ListView1");
        QCOMPARE(list->count(), displayNoExist ? 2 : 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("present"));
        if (displayNoExist) {
            QCOMPARE(list->item(1)->text(), QStringLiteral("missing"));
            QCOMPARE(
                list->item(1)->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
                QPixmap::fromImage(DefaultShortCutIcon()).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }

    void favouritesLaunchTheFirstSelectedAndClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("launched");
        QTest::newRow("Enter with two selected") << "enter"
                                                 << "first";
        QTest::newRow("double click on an item") << "double click"
                                                 << "second";
    }

    void favouritesLaunchTheFirstSelectedAndClose()
    {
        QFETCH(QString, how);
        QFETCH(QString, launched);
        Catalogue c;
        LaunchRecorder recorder(c.env.Root());
        const QString program = c.env.MakeProgram(QStringLiteral("bin/recorder"));
        const QList<int> indexes{
            Add(QStringLiteral("g"), QStringLiteral("first"), program, false, QStringLiteral("first")),
            Add(QStringLiteral("g"), QStringLiteral("second"), program, false, QStringLiteral("second")),
            Add(QStringLiteral("g"), QStringLiteral("third"), program, false, QStringLiteral("third"))};
        for (int i = 0; i < 3; ++i)
            for (int run = 0; run < 3 - i; ++run)
                dm->IncRunCount(indexes[i]);

        TfrmFav dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* list = Child<QListWidget>(&dialog, "ListView1");
        if (how == QLatin1String("enter")) {
            list->item(2)->setSelected(true);
            list->item(0)->setSelected(true);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            // A double click as the user makes it: the first press selects, the second click launches.
            list->item(0)->setSelected(true);
            const QPoint centre = list->visualItemRect(list->item(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        }

        QVERIFY(!dialog.isVisible());
        QVERIFY(recorder.WaitFor(1));
        QCOMPARE(recorder.Lines().size(), 1);
        QVERIFY(recorder.Lines().front().endsWith(QLatin1Char('\t') + launched));
        const int launchedIndex = launched == QLatin1String("first") ? indexes[0] : indexes[1];
        QCOMPARE(RunCountOf(launchedIndex), launched == QLatin1String("first") ? 4 : 3);
        QVERIFY(c.messages.messages.isEmpty());
    }

    void favouriteThatVanishedSaysSoAndCloses()
    {
        Catalogue c;
        LaunchRecorder recorder(c.env.Root());
        const QString program = c.env.MakeProgram(QStringLiteral("bin/recorder"));
        const int index = Add(QStringLiteral("g"), QStringLiteral("tool"), program);
        TfrmFav dialog;
        dialog.show();
        auto* list = Child<QListWidget>(&dialog, "ListView1");
        QCOMPARE(list->count(), 1);
        QVERIFY(QFile::remove(program));
        list->item(0)->setSelected(true);
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(c.messages.messages.size(), 1);
        QVERIFY(c.messages.Has(TMessageBox::Kind::Error, QStringLiteral("快捷方式存在问题！")));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(RunCountOf(index), 0);
        QTest::qWait(200);
        QVERIFY(recorder.Lines().isEmpty());
    }

    void favouritesStayOpenWithoutASelection()
    {
        Catalogue c;
        const QString target = c.env.MakeFile(QStringLiteral("apps/tool"));
        const int index = Add(QStringLiteral("g"), QStringLiteral("tool"), target);
        TfrmFav dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* list = Child<QListWidget>(&dialog, "ListView1");
        const QPoint emptySpace = list->viewport()->rect().bottomRight() - QPoint(3, 3);
        QVERIFY(!list->itemAt(emptySpace));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, emptySpace);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, emptySpace);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(RunCountOf(index), 0);
        QVERIFY(c.messages.messages.isEmpty());
    }

    void favouritesCommandLeavesTheListAlone()
    {
        MainWindowFixture f;
        dm->AddGroup(QStringLiteral("g"));
        LaunchRecorder recorder(f.env->Root());
        const QString program = f.env->MakeProgram(QStringLiteral("bin/recorder"));
        const int index = Add(QStringLiteral("g"), QStringLiteral("tool"), program);
        f.window->FormCreate();
        MarkItems(f.window->ListView1);
        WhenModal<TfrmFav>([](TfrmFav* dialog) {
            auto* list = Child<QListWidget>(dialog, "ListView1");
            list->item(0)->setSelected(true);
            dialog->ListView1KeyPress(QChar(13));
        });
        f.window->ActionFavExecute();
        QVERIFY(recorder.WaitFor(1));
        QCOMPARE(RunCountOf(index), 1);
        QVERIFY(StillMarked(f.window->ListView1));
    }

    // About box

    void aboutCommandShowsNameVersionAndLink()
    {
        MainWindowFixture f;
        QMap<QString, QVariant> seen;
        WhenModal<TAboutBox>([&](TAboutBox* box) {
            auto* link = Child<QLabel>(box, "RzURLLabel1");
            auto* close = Child<QPushButton>(box, "OKButton");
            seen[QStringLiteral("title")] = box->windowTitle();
            seen[QStringLiteral("name")] = Child<QLabel>(box, "ProductName")->text();
            seen[QStringLiteral("version")] = Child<QLabel>(box, "Version")->text();
            seen[QStringLiteral("icon")] = !Child<QLabel>(box, "ProgramIcon")->pixmap().isNull();
            seen[QStringLiteral("link")] = link->text();
            seen[QStringLiteral("underlined")] = link->font().underline();
            seen[QStringLiteral("highlighted")] =
                link->palette().color(QPalette::WindowText) == link->palette().color(QPalette::Highlight);
            seen[QStringLiteral("close")] = close->text();
            seen[QStringLiteral("default")] = close->isDefault();
            close->click();
        });
        f.window->ActionAboutExecute();
        QCOMPARE(seen.value(QStringLiteral("title")).toString(), QStringLiteral("关于"));
        QCOMPARE(seen.value(QStringLiteral("name")).toString(), QStringLiteral("Kestrune"));
        QCOMPARE(seen.value(QStringLiteral("version")).toString(),
                 QStringLiteral("Version:" KESTRUNE_VERSION));
        QVERIFY(seen.value(QStringLiteral("icon")).toBool());
        QCOMPARE(seen.value(QStringLiteral("link")).toString(), QStringLiteral("访问我的博客"));
        QVERIFY(seen.value(QStringLiteral("underlined")).toBool());
        QVERIFY(seen.value(QStringLiteral("highlighted")).toBool());
        QCOMPARE(seen.value(QStringLiteral("close")).toString(), QStringLiteral("关闭"));
        QVERIFY(seen.value(QStringLiteral("default")).toBool());
        QVERIFY(f.messages.messages.isEmpty());
    }

    void aboutLinkOpensTheProjectPage()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        TAboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* link = Child<QLabel>(&box, "RzURLLabel1");
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://kestrune.org"))});
        QVERIFY(box.isVisible());
    }
};

KESTRUNE_TEST_MAIN(QApplication, TestDialogs)
#include "tst_ui_dialogs.moc"
