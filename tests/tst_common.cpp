// Names, paths, text replacement, the shell helpers and the name-likeness measure.
#include "TestSupport.h"
#include "common/Exception.h"
#include "common/uCommon.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <QUrl>

class TestCommon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileNameNoExt_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program") << "/opt/tools/setup.sh"
                                 << "setup";
        QTest::newRow("several dots") << "/src/archive.tar.gz"
                                      << "archive.tar";
        QTest::newRow("dot in folder only") << "/home/a/dir.old/README"
                                            << "README";
        QTest::newRow("only a leading dot") << ".profile"
                                            << "";
        QTest::newRow("ends with its dot") << "/tmp/report."
                                           << "report";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("chinese and emoji") << "/数据/游戏 🎲/象棋 v2.desktop"
                                           << "象棋 v2";
        QTest::newRow("quotes and blanks") << "/a b/it's \"x\".txt"
                                           << "it's \"x\"";
        QTest::newRow("backslash is no separator here") << "/a/b\\c.exe"
                                                        << "b\\c";
    }
    void fileNameNoExt()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(GetFileNameNoExt(path), expected);
    }

    void lastDirName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder") << "/opt/Foo"
                                << "Foo";
        QTest::newRow("trailing separator") << "/opt/Foo/"
                                            << "Foo";
        QTest::newRow("bare name") << "Foo"
                                   << "Foo";
        QTest::newRow("two closing separators") << "/opt/a//"
                                                << "";
        QTest::newRow("a file is just a name") << "/opt/dir/file.txt"
                                               << "file.txt";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("root") << "/"
                              << "";
        QTest::newRow("chinese") << "/媒体/工具箱/"
                                 << "工具箱";
    }
    void lastDirName()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(GetLastDirName(path), expected);
    }

    void folderParts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("filePath");
        QTest::addColumn<QString>("fileDir");
        QTest::newRow("nested") << "/opt/app/run"
                                << "/opt/app/"
                                << "/opt/app";
        QTest::newRow("under the root") << "/run"
                                        << "/"
                                        << "/";
        QTest::newRow("no separator") << "run"
                                      << ""
                                      << "";
    }
    void folderParts()
    {
        QFETCH(QString, path);
        QFETCH(QString, filePath);
        QFETCH(QString, fileDir);
        QCOMPARE(ExtractFilePath(path), filePath);
        QCOMPARE(ExtractFileDir(path), fileDir);
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every occurrence") << "%removedrive%/a/%removedrive%.txt"
                                          << "%removedrive%"
                                          << "/media/G"
                                          << "/media/G/a//media/G.txt";
        QTest::newRow("case counts") << "ABC abc"
                                     << "abc"
                                     << "x"
                                     << "ABC x";
        QTest::newRow("empty search") << "abc"
                                      << ""
                                      << "x"
                                      << "abc";
        QTest::newRow("replacement holds the search") << "a-a"
                                                      << "a"
                                                      << "aa"
                                                      << "aa-aa";
        QTest::newRow("no occurrence") << "abc"
                                       << "z"
                                       << "y"
                                       << "abc";
        QTest::newRow("removal") << "a%x%b"
                                 << "%x%"
                                 << ""
                                 << "ab";
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QCOMPARE(ReplaceAll(text, search, replacement), expected);
    }

    void dirExistsAndEnsureDir()
    {
        TestEnvironment env;
        const QString file = env.MakeFile(QStringLiteral("f.txt"));
        const QString folder = env.MakeFolder(QStringLiteral("d"));
        QVERIFY(!DirExists(file));
        QVERIFY(DirExists(folder));
        QVERIFY(DirExists(folder + QLatin1Char('/')));
        QVERIFY(!DirExists(QString()));
        QVERIFY(!DirExists(env.Root() + QStringLiteral("/missing")));

        EnsureDir(folder); // existing: nothing happens
        const QString fresh = env.Root() + QStringLiteral("/新 文件夹");
        EnsureDir(fresh);
        QVERIFY(DirExists(fresh));

        const QString orphan = env.Root() + QStringLiteral("/no/parent");
        try {
            EnsureDir(orphan);
            QFAIL("EnsureDir made a folder without its parent");
        } catch (const Exception& e) {
            QCOMPARE(e.Message(), QStringLiteral("Cannot create ") + orphan);
        }
        QVERIFY(!QFileInfo::exists(orphan));
    }

    void similarity_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("expected");
        const struct
        {
            const char* a;
            const char* b;
            int result;
        } rows[] = {{"abc", "abc", 100},
                    {"abc", "abd", 66},
                    {"abc", "cba", 33},
                    {"ab", "ba", 0},
                    {"abcdef", "abc", 50},
                    {"abc", "abcdef", 50},
                    {"word", "winword", 57},
                    {"winword", "word", 57},
                    {"notepad2", "notepad", 87},
                    {"setup", "install", 28},
                    {"readme", "help", 16},
                    {"abcd", "dab", 50},
                    {"Tools", "tools", 80},
                    {"bacccc", "ccabcc", 66},
                    {"ccabcc", "bacccc", 50},
                    {"Games/Chess", "Chess", 45},
                    {"Games/Chess", "chess", 36},
                    {"Games/Chess", "Setup", 9},
                    {"/Tools", "Tools", 83},
                    {"xyz", "abc", 0},
                    {"", "", 0},
                    {"abc", "", 0},
                    {"", "abc", 0}};
        for (const auto& row : rows)
            QTest::addRow("%s|%s", row.a, row.b)
                << QString::fromUtf8(row.a) << QString::fromUtf8(row.b) << row.result;
    }
    void similarity()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, expected);
        QCOMPARE(Similarity(first, second), expected);
    }

    void similarityOfLongTexts()
    {
        // Far past any fixed number of marks: equal texts still match fully, and nothing overruns.
        const QString longText = QString(5000, QLatin1Char('a')) + QStringLiteral("游戏");
        QCOMPARE(Similarity(longText, longText), 100);
        QCOMPARE(Similarity(longText, longText.left(2501)), 50);
        const QString tail = QStringLiteral("Vendor/") + QString(300, QLatin1Char('x'));
        const int score = Similarity(tail, QStringLiteral("xxxx"));
        QVERIFY(score >= 0 && score <= 100);
    }

    void splitString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("two") << "a/b" << QStringList{"a", "b"};
        QTest::newRow("trailing") << "a/" << QStringList{"a", ""};
        QTest::newRow("empty") << "" << QStringList{""};
        QTest::newRow("leading") << "/opt/x" << QStringList{"", "opt", "x"};
    }
    void splitString()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, parts);
        QStringList list{QStringLiteral("kept")};
        SplitString(text, QLatin1Char('/'), list);
        QCOMPARE(list, QStringList{QStringLiteral("kept")} + parts);
    }

    void pathTail_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("tail");
        QTest::newRow("deep") << "/opt/Games/Chess/"
                              << "Games/Chess";
        QTest::newRow("under the root") << "/Tools/"
                                        << "/Tools";
        QTest::newRow("root") << "/"
                              << "";
        QTest::newRow("relative") << "a/b/c/"
                                  << "b/c";
        QTest::newRow("no final separator") << "/opt/Games/Chess"
                                            << "Games/Chess";
        QTest::newRow("empty") << ""
                               << "";
    }
    void pathTail()
    {
        QFETCH(QString, path);
        QFETCH(QString, tail);
        QCOMPARE(GetPathTail(path), tail);
    }

    void dotDir()
    {
        QVERIFY(IsDotDir(QStringLiteral(".")));
        QVERIFY(IsDotDir(QStringLiteral("..")));
        QVERIFY(!IsDotDir(QStringLiteral("...")));
        QVERIFY(!IsDotDir(QStringLiteral(".hidden")));
        QVERIFY(!IsDotDir(QString()));
    }

    void recycleBinRefuses_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QString();
        QTest::newRow("relative") << QStringLiteral("some/folder");
        QTest::newRow("missing") << QStringLiteral("/no/such/kestrune/folder");
        QTest::newRow("root") << QStringLiteral("/");
        QTest::newRow("root spelled oddly") << QStringLiteral("/tmp/..");
        QTest::newRow("home") << QDir::homePath();
        QTest::newRow("home with separator") << QDir::homePath() + QLatin1Char('/');
    }
    void recycleBinRefuses()
    {
        QFETCH(QString, path);
        QString error;
        QVERIFY(!DeleteToRecycleBin(path, &error));
        QVERIFY(!error.isEmpty());
        if (!path.isEmpty() && QFileInfo(path).isAbsolute())
            QCOMPARE(QFileInfo::exists(path), QFileInfo::exists(QDir::cleanPath(path)));
    }

    void recycleBinMovesFolderWithItsFiles()
    {
        TestEnvironment env;
        const QString folder = env.MakeFolder(QStringLiteral("App 应用"));
        env.MakeFile(QStringLiteral("App 应用/run.sh"));
        env.MakeFile(QStringLiteral("App 应用/lib/data.bin"));
        QString error;
        QVERIFY2(DeleteToRecycleBin(folder, &error), qPrintable(error));
        QVERIFY(!QFileInfo::exists(folder));
        const QString trashed = env.DataHome() + QStringLiteral("/Trash/files/App 应用");
        QVERIFY(QFileInfo::exists(trashed + QStringLiteral("/lib/data.bin")));
        QVERIFY(QFileInfo::exists(env.DataHome() + QStringLiteral("/Trash/info/App 应用.trashinfo")));
    }

    void openInBrowser()
    {
        // Without any handler the desktop cannot be asked, and that is reported.
        QVERIFY(!OpenInBrowser(QStringLiteral("not a url at all ::")));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QVERIFY(OpenInBrowser(QStringLiteral("https://example.org/kestrune?a=1&b=2")));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/kestrune?a=1&b=2"))});
    }
};

KESTRUNE_TEST_MAIN(QGuiApplication, TestCommon)
#include "tst_common.moc"
