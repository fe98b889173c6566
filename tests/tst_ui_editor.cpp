// The shortcut editor and the two group dialogs: their presets, what they hand back and their OK checks.
#include "UiTestSupport.h"
#include "ui/dialogs/uFrmQShortCut.h"
#include "ui/dialogs/uFrmQShortCutGroup.h"
#include "ui/dialogs/uFrmReoderGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class TestEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<StoreFixture> m_store;

    static void PressOk(QDialog* dialog)
    {
        Child<QDialogButtonBox>(dialog, "RzDialogButtons1")->button(QDialogButtonBox::Ok)->click();
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_store = std::make_unique<StoreFixture>(m_env->StateDir());
    }
    void cleanup()
    {
        m_store.reset();
        m_env.reset();
        TFileDialogs::SetNextResults({});
    }

    void editorChecks_data()
    {
        QTest::addColumn<bool>("withGroup");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::newRow("no group") << false << "n"
                                  << "/bin/sh"
                                  << "请先建立快速启动类别";
        QTest::newRow("no name") << true << ""
                                 << "/bin/sh"
                                 << "快速启动名称不能为空";
        QTest::newRow("no target") << true << "n"
                                   << ""
                                   << "程序不能为空";
        QTest::newRow("blanks pass") << true << " "
                                     << " "
                                     << "";
        QTest::newRow("missing target passes") << true << "n"
                                               << "/no/such/file"
                                               << "";
    }
    void editorChecks()
    {
        QFETCH(bool, withGroup);
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(QString, message);
        if (withGroup)
            dm->AddGroup(QStringLiteral("Tools"));
        MessageRecorder messages;
        TfrmQShortCut dialog;
        dialog.SetMode(0);
        dialog.SetKind(0);
        Child<QLineEdit>(&dialog, "RzEditText")->setText(name);
        Child<QLineEdit>(&dialog, "RzEditShortCut")->setText(target);
        dialog.RzDialogButtons1ClickOk();
        if (message.isEmpty()) {
            QVERIFY(messages.messages.isEmpty());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        } else {
            QVERIFY(messages.Has(TMessageBox::Kind::Warning, message));
            QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open, nothing taken
            QCOMPARE(Child<QLineEdit>(&dialog, "RzEditText")->text(), name);
        }
    }

    void editorModesAndKinds()
    {
        dm->AddGroup(QStringLiteral("Tools"));
        dm->AddGroup(QStringLiteral("Games"));
        TfrmQShortCut dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("快速启动"));
        dialog.SetMode(0);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("新建快速启动项目"));
        auto* kind = Child<QComboBox>(&dialog, "RzComboBoxAtt");
        QVERIFY(kind->isEnabled());
        dialog.SetKind(0);
        dialog.show();
        kind->setCurrentIndex(1); // the user picks "文件夹"
        QVERIFY(!Child<QLineEdit>(&dialog, "RzEditParameters")->isVisible());
        QVERIFY(!Child<QComboBox>(&dialog, "RzComboBoxShowCmd")->isVisible());
        QVERIFY(!Child<QLabel>(&dialog, "RzLabelParameters")->isVisible());
        QVERIFY(Child<QCheckBox>(&dialog, "RzCheckBoxAutoRun")->isVisible());
        QVERIFY(dialog.SaveTo()->IsDir);
        kind->setCurrentIndex(0);
        QVERIFY(Child<QLineEdit>(&dialog, "RzEditParameters")->isVisible());
        QVERIFY(!dialog.SaveTo()->IsDir);
        dialog.SelectGroup(QStringLiteral("games"));
        QCOMPARE(dialog.SaveTo()->GroupName, QStringLiteral("Games"));
        dialog.SelectGroup(QStringLiteral("none"));
        QCOMPARE(dialog.SaveTo()->GroupName, QStringLiteral("Tools"));
        dialog.SetMode(1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("修改快速启动项目"));
        QVERIFY(!kind->isEnabled());
        QCOMPARE(Child<QLineEdit>(&dialog, "RzEditText")->maxLength(), 512);
        QCOMPARE(Child<QLineEdit>(&dialog, "RzEditShortCut")->maxLength(), 512);
    }

    void editorLoadsAndSavesTheCallersRecord()
    {
        dm->AddGroup(QStringLiteral("Tools"));
        TQShortCut record;
        record.GroupName = QStringLiteral("TOOLS");
        record.ScText = QStringLiteral("编辑器");
        record.Path = QStringLiteral("/opt/ed");
        record.Parameters = QStringLiteral("-n 'x'");
        record.ShowCmd = 7; // not in the list
        record.AutoRun = true;
        record.IsDir = false;
        TfrmQShortCut dialog;
        dialog.SetMode(1);
        dialog.SetKind(1); // lands on the dialog's own record: the edited one keeps its kind
        dialog.LoadFrom(&record);
        QCOMPARE(Child<QComboBox>(&dialog, "RzComboBoxShowCmd")->currentText(), QStringLiteral("正常"));
        QCOMPARE(dialog.SaveTo(), &record);
        QCOMPARE(record.GroupName, QStringLiteral("Tools"));
        QCOMPARE(record.ShowCmd, 5);
        QVERIFY(record.AutoRun);
        QVERIFY(!record.IsDir);
        QCOMPARE(record.Parameters, QStringLiteral("-n 'x'"));

        record.ShowCmd = 2;
        dialog.LoadFrom(&record);
        QCOMPARE(Child<QComboBox>(&dialog, "RzComboBoxShowCmd")->currentText(), QStringLiteral("最小化"));
    }

    void editorBrowse()
    {
        dm->AddGroup(QStringLiteral("Tools"));
        TfrmQShortCut dialog;
        dialog.SetMode(0);
        dialog.SetKind(0);
        auto* name = Child<QLineEdit>(&dialog, "RzEditText");
        auto* target = Child<QLineEdit>(&dialog, "RzEditShortCut");
        name->setText(QStringLiteral("typed"));
        target->setText(QStringLiteral("/opt/old"));
        TFileDialogs::SetNextResults({QStringLiteral("/opt/Tools/calc.sh")});
        dialog.RzEditShortCutButtonClick();
        QCOMPARE(TFileDialogs::Presets(), QStringList{QStringLiteral("/opt/old")});
        QCOMPARE(name->text(), QStringLiteral("calc"));
        QCOMPARE(target->text(), QStringLiteral("/opt/Tools/calc.sh"));

        TFileDialogs::SetNextResults({QStringLiteral("")}); // cancelled: nothing changes
        dialog.RzEditShortCutButtonClick();
        QCOMPARE(name->text(), QStringLiteral("calc"));

        dialog.SetKind(1);
        TFileDialogs::SetNextResults({QStringLiteral("/media/游戏/象棋/")});
        dialog.RzEditShortCutButtonClick();
        QCOMPARE(name->text(), QStringLiteral("象棋"));
        QCOMPARE(target->text(), QStringLiteral("/media/游戏/象棋/"));
    }

    void groupNameChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("untouched") << "请输入"
                                   << "";
        QTest::newRow("blanks") << "   "
                                << "";
        QTest::newRow("quote") << "it's"
                               << "";
        QTest::newRow("empty") << ""
                               << "请输入类别名称";
        QTest::newRow("exists") << "Tools"
                                << "存在同名类别";
        QTest::newRow("50") << QString(50, QChar(0x7EC4)) << "";
        QTest::newRow("51") << QString(51, QLatin1Char('g')) << "类别名称不能超过50个字符";
    }
    void groupNameChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        dm->AddGroup(QStringLiteral("Tools"));
        MessageRecorder messages;
        TfrmQShortCutGroup dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("快速启动分类"));
        QCOMPARE(dialog.GetGroupName(), QStringLiteral("请输入"));
        dialog.SetGroupName(name);
        dialog.RzDialogButtons1ClickOk();
        if (message.isEmpty()) {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.GetGroupName(), name);
        } else {
            QVERIFY(messages.Has(TMessageBox::Kind::Error, message));
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
    }

    void reorderMoves()
    {
        for (const char* name : {"A", "B", "C"})
            dm->AddGroup(QLatin1String(name));
        TfrmReorderGroup dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("重排序"));
        auto* list = Child<QListWidget>(&dialog, "RzListBox1");
        auto names = [&] {
            QStringList n;
            for (int i = 0; i < list->count(); ++i)
                n << list->item(i)->text();
            return n;
        };
        dialog.RzButton1Click(); // nothing selected
        dialog.RzButton2Click();
        QVERIFY(!dialog.OrderChanged);
        list->setCurrentRow(0);
        dialog.RzButton1Click(); // up on the first
        list->setCurrentRow(2);
        dialog.RzButton2Click(); // down on the last
        QVERIFY(!dialog.OrderChanged);
        dialog.RzButton1Click();
        QCOMPARE(names(), (QStringList{"A", "C", "B"}));
        QCOMPARE(list->currentRow(), 1); // the selection follows the moved name
        dialog.RzButton1Click();
        QCOMPARE(names(), (QStringList{"C", "A", "B"}));
        dialog.RzButton2Click();
        dialog.RzButton2Click();
        QCOMPARE(names(), (QStringList{"A", "B", "C"}));
        QVERIFY(dialog.OrderChanged); // moved and moved back still counts
        dm->SetGroupIndex(QStringLiteral("A"), 9);
        dialog.RzDialogButtons1ClickOk();
        QStringList stored;
        dm->LoadGroupNames(stored);
        QCOMPARE(stored, (QStringList{"A", "B", "C"})); // every index rewritten as 1..3
    }

    void reorderCancelAndUnchangedWriteNothing()
    {
        for (const char* name : {"A", "B"})
            dm->AddGroup(QLatin1String(name));
        dm->SetGroupIndex(QStringLiteral("A"), 7);
        {
            TfrmReorderGroup dialog;
            dialog.RzDialogButtons1ClickOk();
        }
        {
            TfrmReorderGroup dialog;
            Child<QListWidget>(&dialog, "RzListBox1")->setCurrentRow(1);
            dialog.RzButton1Click();
            dialog.RzDialogButtons1ClickCancel();
        }
        QStringList stored;
        dm->LoadGroupNames(stored);
        QCOMPARE(stored, (QStringList{"B", "A"})); // A kept its 7
    }

    void oneGroupCannotMove()
    {
        dm->AddGroup(QStringLiteral("only"));
        TfrmReorderGroup dialog;
        Child<QListWidget>(&dialog, "RzListBox1")->setCurrentRow(0);
        dialog.RzButton1Click();
        dialog.RzButton2Click();
        QVERIFY(!dialog.OrderChanged);
    }
};

KESTRUNE_TEST_MAIN(QApplication, TestEditor)
#include "tst_ui_editor.moc"
