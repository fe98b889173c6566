// config.ini and its four options, the state folder, and the path variables with their persistent store.
#include "TestSupport.h"
#include "common/Exception.h"
#include "platform/Platform.h"
#include "settings/IniFile.h"
#include "settings/uEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

    static QByteArray ReadAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void WriteAll(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void defaultsWithoutFile()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        QVERIFY(settings.GetAutoCorrectRemoveDriveValue());
        QVERIFY(settings.GetDisplayNoExistShortCut());
        QVERIFY(!settings.GetMinimizeToSystemTray());
        QCOMPARE(settings.GetDefaultSearchDir(), QStringLiteral("/opt"));
        QVERIFY(!QFileInfo::exists(settings.ConfigFileName())); // reading creates nothing
    }

    void writesTheFileAsItIsMeant()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        settings.SetMinimizeToSystemTray(true);
        QCOMPARE(ReadAll(settings.ConfigFileName()), QByteArray("[OPTION]\nMinimizeToSystemTray=1\n"));
        settings.SetDisplayNoExistShortCut(false);
        settings.SetDefaultSearchDir(QStringLiteral("/opt/游戏 \"x\" 'y' ;#%"));
        settings.SetMinimizeToSystemTray(false);
        QCOMPARE(ReadAll(settings.ConfigFileName()),
                 QByteArray("[OPTION]\nMinimizeToSystemTray=0\nDisplayNoExistShortCut=0\n"
                            "DefaultSearchDir=/opt/游戏 \"x\" 'y' ;#%\n"));
        QCOMPARE(settings.GetDefaultSearchDir(), QStringLiteral("/opt/游戏 \"x\" 'y' ;#%"));
        QVERIFY(!settings.GetDisplayNoExistShortCut());
    }

    void booleanValues_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("expected"); // for an option whose default is false
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("2") << QByteArray("2") << true;
        QTest::newRow("negative") << QByteArray("-1") << true;
        QTest::newRow("hex 0x10") << QByteArray("0x10") << true;
        QTest::newRow("hex 0X0") << QByteArray("0X0") << false;
        QTest::newRow("bare 0x") << QByteArray("0x") << false;
        QTest::newRow("word") << QByteArray("yes") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("too big") << QByteArray("99999999999") << false;
        QTest::newRow("blanks around") << QByteArray("  1  ") << true;
    }
    void booleanValues()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, expected);
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        WriteAll(settings.ConfigFileName(),
                 "[OPTION]\nMinimizeToSystemTray=" + value + "\nAutoCorrectRemoveDriveValue=" + value + "\n");
        QCOMPARE(settings.GetMinimizeToSystemTray(), expected);
        // An option whose default is true falls back to true wherever the text is no integer.
        const bool isInteger = ParseIniBool(QString::fromUtf8(value).trimmed()).has_value();
        QCOMPARE(settings.GetAutoCorrectRemoveDriveValue(), isInteger ? expected : true);
    }

    void damagedFilesGiveDefaultsAndKeepTheirLines()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        const QByteArray garbage =
            "garbage line\r\n\x01\x02\xff\xfe binary\r\n[other]\r\nMinimizeToSystemTray=1\r\n"
            "[option]\r\n  minimizetosystemtray = 1 \r\n; comment=0\r\nDefaultSearchDir=" +
            QByteArray(3000, 'x') + "\r\n";
        WriteAll(settings.ConfigFileName(), garbage);
        QVERIFY(settings.GetMinimizeToSystemTray()); // section and key in another case
        QCOMPARE(settings.GetDefaultSearchDir(), QString(2047, QLatin1Char('x')));
        QVERIFY(settings.GetDisplayNoExistShortCut());

        settings.SetDisplayNoExistShortCut(false);
        settings.SetMinimizeToSystemTray(false);
        const QByteArray after = ReadAll(settings.ConfigFileName());
        QVERIFY(after.startsWith(
            "garbage line\r\n\x01\x02\xff\xfe binary\r\n[other]\r\nMinimizeToSystemTray=1\r\n"));
        QVERIFY(after.contains("minimizetosystemtray=0\r\n") || after.contains("MinimizeToSystemTray=0\r\n"));
        QVERIFY(after.contains("DisplayNoExistShortCut=0\r\n"));
        QVERIFY(after.contains(QByteArray(3000, 'x')));
        QVERIFY(!settings.GetMinimizeToSystemTray());

        WriteAll(settings.ConfigFileName(), QByteArray("\x00\x00\x89PNG\x00", 7));
        QVERIFY(!settings.GetMinimizeToSystemTray());
        settings.SetMinimizeToSystemTray(true);
        QVERIFY(settings.GetMinimizeToSystemTray());
    }

    void missingSectionIsAppended()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        WriteAll(settings.ConfigFileName(), "[window]\nwidth=3\n");
        settings.SetAutoCorrectRemoveDriveValue(false);
        QCOMPARE(ReadAll(settings.ConfigFileName()),
                 QByteArray("[window]\nwidth=3\n[OPTION]\nAutoCorrectRemoveDriveValue=0\n"));
        QVERIFY(!settings.GetAutoCorrectRemoveDriveValue());
    }

    void valuesAreReadAfresh()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        settings.SetMinimizeToSystemTray(true);
        WriteAll(settings.ConfigFileName(), "[OPTION]\nMinimizeToSystemTray=0\n");
        QVERIFY(!settings.GetMinimizeToSystemTray());
    }

    void refusedWriteRaisesNamingTheFile()
    {
        TestEnvironment env;
        const QString blocked = env.MakeFile(QStringLiteral("not-a-folder"));
        TEnvironment settings(blocked); // config.ini would have to live inside a file
        try {
            settings.SetMinimizeToSystemTray(true);
            QFAIL("the write did not fail");
        } catch (const Exception& e) {
            QVERIFY2(e.Message().contains(settings.ConfigFileName()), qPrintable(e.Message()));
        }
        QVERIFY_THROWS_EXCEPTION(Exception, settings.SetDefaultSearchDir(QStringLiteral("a\nb")));
    }

    void stateFolderRule()
    {
        TestEnvironment env;
        qputenv("KESTRUNE_HOME", QFile::encodeName(env.Root() + QStringLiteral("/chosen home")));
        TEnvironment chosen;
        QCOMPARE(chosen.GetStateDir(), env.Root() + QStringLiteral("/chosen home/"));
        QVERIFY(QFileInfo(chosen.GetStateDir()).isDir());
        qunsetenv("KESTRUNE_HOME");
        TEnvironment beside; // the test program's own folder can be written
        QCOMPARE(beside.GetStateDir(), TEnvironment::GetAppDir());
        QCOMPARE(TEnvironment::GetAppDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        qputenv("KESTRUNE_HOME", QFile::encodeName(env.StateDir()));
    }

    void expandPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leading reference") << "%removedrive%/tools/editor"
                                           << "/media/STICK/tools/editor";
        QTest::newRow("second reference stays") << "%removedrive%/%HOME_KESTRUNE%/a"
                                                << "/media/STICK/%HOME_KESTRUNE%/a";
        QTest::newRow("not leading") << "/a%removedrive%/c"
                                     << "/a%removedrive%/c";
        QTest::newRow("empty name") << "%%abc"
                                    << "%%abc";
        QTest::newRow("alone") << "%removedrive%"
                               << "/media/STICK";
        QTest::newRow("undefined") << "%kestrune_undefined%/x"
                                   << "%kestrune_undefined%/x";
        QTest::newRow("unclosed") << "%removedrive/x"
                                  << "%removedrive/x";
        QTest::newRow("empty") << ""
                               << "";
    }
    void expandPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        qputenv("removedrive", "/media/STICK");
        qputenv("HOME_KESTRUNE", "/should/not/appear");
        QCOMPARE(settings.ExpandPath(path), expected);
        qunsetenv("removedrive");
        qunsetenv("HOME_KESTRUNE");
    }

    void expandVariable()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        qputenv("KA", "1");
        qputenv("KB", "二");
        QCOMPARE(settings.ExpandVariable(QStringLiteral("%KA%-%KB%-%nope%-%KA%")),
                 QStringLiteral("1-二-%nope%-1"));
        QCOMPARE(settings.GetRemoveDrive(), QStringLiteral("%removedrive%"));
        qputenv("removedrive", "");
        QCOMPARE(settings.GetRemoveDrive(), QString());
        qunsetenv("removedrive");
    }

    void setEnvironmentValue()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        const QString value = QStringLiteral("/media/alice/U盘 \"1\" $x `y` \\z");
        QVERIFY(settings.SetEnvironmentValue(QStringLiteral("removedrive"), value));
        QCOMPARE(settings.GetRemoveDrive(), value);
        const QString file = env.ConfigHome() + QStringLiteral("/environment.d/kestrune.conf");
        QCOMPARE(ReadAll(file), QByteArray("removedrive=\"") +
                                    QStringLiteral("/media/alice/U盘 \\\"1\\\" \\$x \\`y\\` \\\\z").toUtf8() +
                                    "\"\n");
        QCOMPARE(Platform::ReadPersistentVariable(QStringLiteral("removedrive")),
                 std::optional<QString>(value));

        // A second write replaces the line and keeps the others.
        WriteAll(file, "OTHER=1\nremovedrive=\"/old\"\n");
        QVERIFY(settings.SetEnvironmentValue(QStringLiteral("removedrive"), QStringLiteral("/media/new")));
        QCOMPARE(ReadAll(file), QByteArray("OTHER=1\nremovedrive=\"/media/new\"\n"));

        // At start a persisted value is taken only when the process has none.
        qunsetenv("removedrive");
        settings.ImportPersistedVariables();
        QCOMPARE(qEnvironmentVariable("removedrive"), QStringLiteral("/media/new"));
        qputenv("removedrive", "/media/mine");
        settings.ImportPersistedVariables();
        QCOMPARE(qEnvironmentVariable("removedrive"), QStringLiteral("/media/mine"));
        qunsetenv("removedrive");
    }

    void setEnvironmentValueFailsWithoutChange()
    {
        TestEnvironment env;
        TEnvironment settings(env.StateDir());
        // A file where the folder should be: nothing can be stored.
        QDir(env.ConfigHome()).removeRecursively();
        QFile(env.ConfigHome()).open(QIODevice::WriteOnly);
        QVERIFY(!settings.SetEnvironmentValue(QStringLiteral("removedrive"), QStringLiteral("/media/x")));
        QVERIFY(!qEnvironmentVariableIsSet("removedrive"));
        QFile::remove(env.ConfigHome());
    }
};

KESTRUNE_TEST_MAIN(QCoreApplication, TestSettings)
#include "tst_settings.moc"
