// Collecting files under a folder tree: order, depth limits, masks, hidden folders, links and bad folders.
#include "TestSupport.h"
#include "common/uCommon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <unistd.h>

class TestScan : public QObject
{
    Q_OBJECT

    static QStringList Names(const QStringList& paths, const QString& root)
    {
        QStringList names;
        for (const QString& path : paths)
            names << path.mid(root.size() + 1);
        return names;
    }

private Q_SLOTS:
    void depthTable_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("negative") << -1 << QStringList{"a.exe"};
        QTest::newRow("0") << 0 << QStringList{"a.exe", "sub/b.exe"};
        QTest::newRow("1") << 1 << QStringList{"a.exe", "sub/b.exe", "sub/deep/c.exe"};
        QTest::newRow("5") << 5
                           << QStringList{"a.exe", "sub/b.exe", "sub/deep/c.exe", "sub/deep/deeper/d.exe"};
    }
    void depthTable()
    {
        QFETCH(int, depth);
        QFETCH(QStringList, expected);
        TestEnvironment env;
        env.MakeFile(QStringLiteral("start/a.exe"));
        env.MakeFile(QStringLiteral("start/sub/b.exe"));
        env.MakeFile(QStringLiteral("start/sub/deep/c.exe"));
        env.MakeFile(QStringLiteral("start/sub/deep/deeper/d.exe"));
        const QString start = env.Root() + QStringLiteral("/start");
        QStringList found;
        FindFilesToDepth(start, QStringLiteral("*.exe"), depth, found);
        QCOMPARE(Names(found, start), expected);
    }

    void recursiveAndFlat()
    {
        TestEnvironment env;
        env.MakeFile(QStringLiteral("start/a.exe"));
        env.MakeFile(QStringLiteral("start/sub/b.exe"));
        env.MakeFile(QStringLiteral("start/sub/deep/deeper/d.exe"));
        const QString start = env.Root() + QStringLiteral("/start");
        QStringList all;
        FindFiles(start, QStringLiteral("*.exe"), true, all);
        QCOMPARE(Names(all, start), (QStringList{"a.exe", "sub/b.exe", "sub/deep/deeper/d.exe"}));
        QStringList flat;
        FindFiles(start, QStringLiteral("*.exe"), false, flat);
        QCOMPARE(Names(flat, start), QStringList{"a.exe"});
    }

    void folderTextAndOrder()
    {
        TestEnvironment env;
        env.MakeFile(QStringLiteral("g/one"));
        env.MakeFile(QStringLiteral("g/s1/two"));
        env.MakeFile(QStringLiteral("g/s1/s/three"));
        env.MakeFile(QStringLiteral("g/s2/four"));
        const QString start = env.Root() + QStringLiteral("/g");
        QStringList plain, slashed;
        FindFiles(start, QStringLiteral("*"), true, plain);
        FindFiles(start + QLatin1Char('/'), QStringLiteral("*"), true, slashed);
        QCOMPARE(plain, slashed);
        QCOMPARE(plain.size(), 4);
        for (const QString& path : plain)
            QVERIFY2(path.startsWith(start + QLatin1Char('/')) && !path.contains(QStringLiteral("//")),
                     qPrintable(path));
        // A folder's own files come before anything of its subfolders, and a subfolder is finished
        // before the next one starts.
        QCOMPARE(plain.first(), start + QStringLiteral("/one"));
        const qsizetype two = plain.indexOf(start + QStringLiteral("/s1/two"));
        const qsizetype three = plain.indexOf(start + QStringLiteral("/s1/s/three"));
        const qsizetype four = plain.indexOf(start + QStringLiteral("/s2/four"));
        QVERIFY(two < three);
        QVERIFY((four > three) || (four < two));
    }

    void masksAndHidden()
    {
        TestEnvironment env;
        env.MakeFile(QStringLiteral("m/.hidden.exe"));
        env.MakeFile(QStringLiteral("m/Game.EXE"));
        env.MakeFile(QStringLiteral("m/游戏.exe"));
        env.MakeFile(QStringLiteral("m/noext"));
        env.MakeFile(QStringLiteral("m/.secret/inside.exe"));
        env.MakeFolder(QStringLiteral("m/folder.exe"));
        const QString start = env.Root() + QStringLiteral("/m");
        auto find = [&](const QString& mask) {
            QStringList found;
            FindFiles(start, mask, true, found);
            QStringList names = Names(found, start);
            names.sort();
            return names;
        };
        // Hidden files are listed, hidden folders are not entered, folders are never results.
        QCOMPARE(find(QStringLiteral("*.exe")), (QStringList{".hidden.exe", "游戏.exe"}));
        QCOMPARE(find(QStringLiteral("*.*")), (QStringList{".hidden.exe", "Game.EXE", "游戏.exe"}));
        QCOMPARE(find(QStringLiteral("??.exe")), QStringList{"游戏.exe"});
        QCOMPARE(find(QStringLiteral("*")), (QStringList{".hidden.exe", "Game.EXE", "noext", "游戏.exe"}));
        QCOMPARE(find(QStringLiteral("G*E")), QStringList{"Game.EXE"});
        QCOMPARE(find(QString()), QStringList{});
    }

    void emptyAndMissingFolders()
    {
        QStringList found{QStringLiteral("kept")};
        FindFiles(QString(), QStringLiteral("*"), true, found); // not the current folder
        FindFilesToDepth(QString(), QStringLiteral("*"), 3, found);
        FindFiles(QStringLiteral("/no/such/kestrune/dir"), QStringLiteral("*"), true, found);
        QCOMPARE(found, QStringList{QStringLiteral("kept")});
    }

    void linksAreNotFollowedIntoFolders()
    {
        TestEnvironment env;
        env.MakeFile(QStringLiteral("l/real/app.exe"));
        const QString start = env.Root() + QStringLiteral("/l");
        QVERIFY(QFile::link(start, start + QStringLiteral("/real/loop")));
        QVERIFY(
            QFile::link(start + QStringLiteral("/real/app.exe"), start + QStringLiteral("/app-link.exe")));
        QVERIFY(QFile::link(start + QStringLiteral("/nowhere"), start + QStringLiteral("/dangling.exe")));
        QStringList found;
        FindFiles(start, QStringLiteral("*.exe"), true, found);
        found.sort();
        // A link to a file is a file; the link back to the top is never entered, so the scan ends.
        QCOMPARE(Names(found, start), (QStringList{"app-link.exe", "real/app.exe"}));
    }

    void unreadableFolderIsSkipped()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every folder");
        TestEnvironment env;
        env.MakeFile(QStringLiteral("u/a/first.exe"));
        env.MakeFile(QStringLiteral("u/b/locked.exe"));
        env.MakeFile(QStringLiteral("u/c/last.exe"));
        const QString locked = env.Root() + QStringLiteral("/u/b");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        QStringList found;
        FindFiles(env.Root() + QStringLiteral("/u"), QStringLiteral("*.exe"), true, found);
        QFile::setPermissions(locked,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        found.sort();
        QCOMPARE(Names(found, env.Root() + QStringLiteral("/u")), (QStringList{"a/first.exe", "c/last.exe"}));
    }
};

KESTRUNE_TEST_MAIN(QCoreApplication, TestScan)
#include "tst_scan.moc"
