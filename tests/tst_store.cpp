// The catalogue store on a real database file: start-up, the shortcut and group operations, the engine's
// limits, all-or-nothing changes, the search classification and the removable-drive probe.
#include "TestSupport.h"
#include "common/Exception.h"
#include "platform/Platform.h"
#include "settings/uEnvironment.h"
#include "store/RemoveDrive.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QtEndian>

namespace {

TQShortCut Record(const QString& group, const QString& name, const QString& path, bool isDir = false)
{
    TQShortCut shortCut;
    shortCut.GroupName = group;
    shortCut.ScText = name;
    shortCut.Path = path;
    shortCut.IsDir = isDir;
    return shortCut;
}

QList<int> Indexes(const TQShortCutList& list)
{
    QList<int> indexes;
    for (const auto& shortCut : list)
        indexes << shortCut->ShortCutIndex;
    return indexes;
}

QStringList Names(const TQShortCutList& list)
{
    QStringList names;
    for (const auto& shortCut : list)
        names << shortCut->ScText;
    return names;
}

QString ErrorOf(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<StoreFixture> m_fixture;
    Tdm& store() { return m_fixture->Store(); }

    int Add(const QString& group, const QString& name, const QString& path = QStringLiteral("/bin/sh"))
    {
        TQShortCut shortCut = Record(group, name, path);
        store().AddShortCut(shortCut);
        return shortCut.ShortCutIndex;
    }

private Q_SLOTS:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_fixture = std::make_unique<StoreFixture>(m_env->StateDir());
    }
    void cleanup()
    {
        m_fixture.reset();
        m_env.reset();
    }

    void firstStartCreatesFolderAndTables()
    {
        QCOMPARE(store().DataDir, m_env->StateDir() + QStringLiteral("/data"));
        QVERIFY(QFileInfo(store().DatabaseFileName()).isFile());
        QVERIFY(AppEnvironment);
        QCOMPARE(store().IconList.Count(), 1); // the default icon
        QStringList groups{QStringLiteral("old")};
        store().LoadGroupNames(groups);
        QVERIFY(groups.isEmpty());
        QCOMPARE(store().MaxShortCutIndex(), 0);
        QVERIFY(!store().HasAutoRunShortCuts());
        TQShortCutList list;
        store().LoadShortCuts(QString(), list);
        store().LoadFavourites(list);
        store().LoadAutoRunShortCuts(list);
        QVERIFY(list.empty());
        store().RefreshIcons();
    }

    void laterStartKeepsRows()
    {
        store().AddGroup(QStringLiteral("Tools"));
        Add(QStringLiteral("Tools"), QStringLiteral("sh"));
        m_fixture.reset();
        QVERIFY(!AppEnvironment);
        m_fixture = std::make_unique<StoreFixture>(m_env->StateDir());
        QVERIFY(store().GroupExists(QStringLiteral("Tools")));
        QCOMPARE(store().MaxShortCutIndex(), 1);
    }

    void dataFolderThatCannotBeMade()
    {
        m_fixture.reset();
        const QString blocked = m_env->MakeFile(QStringLiteral("blocked/data")); // a file named data
        Tdm broken(QFileInfo(blocked).absolutePath());
        const QString error = ErrorOf([&] { broken.DataModuleCreate(); });
        QCOMPARE(error, QStringLiteral("Cannot create ") + QFileInfo(blocked).absolutePath() +
                            QStringLiteral("/data"));
        QVERIFY(AppEnvironment); // the settings object exists by then
        QVERIFY(!ErrorOf([&] { broken.MaxShortCutIndex(); }).isEmpty());
        QVERIFY(!ErrorOf([&] { broken.AddGroup(QStringLiteral("x")); }).isEmpty());
    }

    void fileThatIsNoDatabaseIsNeverOverwritten()
    {
        m_fixture.reset();
        const QString state = m_env->MakeFolder(QStringLiteral("other"));
        const QByteArray garbage =
            QByteArray("this is not a database, it is a letter to my future self ").repeated(100);
        const QString file = m_env->MakeFile(QStringLiteral("other/data/kestrune.db"), garbage);
        Tdm damaged(state);
        const QString error = ErrorOf([&] { damaged.DataModuleCreate(); });
        QVERIFY2(error.contains(QStringLiteral("not a database")), qPrintable(error));
        damaged.DataModuleDestroy();
        QFile check(file);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), garbage);
    }

    void addGivesIndexesAndStoresThePicture()
    {
        QCOMPARE(Add(QStringLiteral("g"), QStringLiteral("a")), 1);
        QCOMPARE(Add(QStringLiteral("g"), QStringLiteral("b")), 2);
        QCOMPARE(Add(QStringLiteral("g"), QStringLiteral("c")), 3);
        store().DeleteShortCut(3);
        QCOMPARE(Add(QStringLiteral("g"), QStringLiteral("d")), 3); // a freed top index is given again
        store().DeleteShortCut(2);
        QCOMPARE(Add(QStringLiteral("g"), QStringLiteral("e")), 4); // a gap stays a gap

        TQShortCut shortCut =
            Record(QStringLiteral("g"), QStringLiteral("pic"), m_env->MakeFolder(QStringLiteral("f")), true);
        store().AddShortCut(shortCut);
        QCOMPARE(shortCut.Icon.size(), QSize(32, 32));
        QSqlQuery query(QSqlDatabase::database(store().DatabaseName));
        QVERIFY(query.exec(
            QStringLiteral("SELECT FICON FROM t_sc WHERE ShortCutIndex=%1").arg(shortCut.ShortCutIndex)));
        QVERIFY(query.next());
        const QByteArray bmp = query.value(0).toByteArray();
        QVERIFY(bmp.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 14), 40u); // the information header
        QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 22), 32);   // rows stored bottom-up
        QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 30), 0u);  // uncompressed
        QCOMPARE(BmpToPicture(bmp).pixel(5, 5), shortCut.Icon.pixel(5, 5));
    }

    void picturesRoundTrip()
    {
        QImage gradient(32, 32, QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                gradient.setPixel(x, y, qRgba(x * 8, y * 8, (x + y) * 4, 255));
        const QImage expected = gradient.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(BmpToPicture(PictureToBmp(gradient)), expected);
        const QImage odd = gradient.copy(3, 2, 7, 5).convertToFormat(QImage::Format_RGB32); // rows padded
        QCOMPARE(BmpToPicture(PictureToBmp(odd)), odd);
        // Other plain forms a BMP may take read exactly as the image plug-in reads them.
        for (const QImage::Format format :
             {QImage::Format_RGB888, QImage::Format_Indexed8, QImage::Format_Mono}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            gradient.convertToFormat(format).save(&buffer, "BMP");
            QCOMPARE(BmpToPicture(bytes).convertToFormat(QImage::Format_RGB32),
                     QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32));
        }
        QByteArray topDown = PictureToBmp(gradient);
        const qint32 height = -32;
        memcpy(topDown.data() + 22, &height, 4);
        QCOMPARE(BmpToPicture(topDown), expected.mirrored());
        QVERIFY(BmpToPicture(PictureToBmp(gradient).left(500)).isNull());
        QVERIFY(BmpToPicture(QByteArray("BM") + QByteArray(60, '\xff')).isNull());
        QVERIFY(PictureToBmp(QImage()).isEmpty());
    }

    void lastIndexIsRefused()
    {
        store().ExecuteStatement(
            QStringLiteral("INSERT INTO t_sc (ShortCutIndex, GroupName) VALUES (32767, 'g')"));
        TQShortCut shortCut =
            Record(QStringLiteral("g"), QStringLiteral("one too many"), QStringLiteral("/bin/sh"));
        shortCut.ShortCutIndex = 12;
        QVERIFY(!ErrorOf([&] { store().AddShortCut(shortCut); }).isEmpty());
        QCOMPARE(shortCut.ShortCutIndex, 12);
        QCOMPARE(store().MaxShortCutIndex(), 32767);
    }

    void textsRoundTripOrAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::newRow("quotes") << QStringLiteral("it's \"quoted\" ''") << true;
        QTest::newRow("backslashes") << QStringLiteral("C:\\Apps\\ed.exe \\\\server") << true;
        QTest::newRow("chinese and emoji") << QStringLiteral("中文名称 🚀👍🏽") << true;
        QTest::newRow("sql") << QStringLiteral("x'); DROP TABLE t_sc; --") << true;
        QTest::newRow("512") << QString(512, QChar(0x6C49)) << true;
        QTest::newRow("513") << QString(513, QLatin1Char('a')) << false;
    }
    void textsRoundTripOrAreRefused()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        for (int column = 0; column < 4; ++column) {
            TQShortCut shortCut = Record(QStringLiteral("g"), QStringLiteral("n"), QStringLiteral("/p"));
            QString* field[] = {&shortCut.GroupName, &shortCut.ScText, &shortCut.Path, &shortCut.Parameters};
            *field[column] = text;
            const QString error = ErrorOf([&] { store().AddShortCut(shortCut); });
            QCOMPARE(error.isEmpty(), fits);
            TQShortCutList list;
            store().LoadShortCuts(QString(), list);
            if (!fits) {
                QVERIFY(error.contains(QStringLiteral("CHECK constraint failed")));
                QVERIFY(list.empty());
                continue;
            }
            QCOMPARE(list.size(), std::size_t(1));
            const TQShortCut& back = *list.front();
            const QString* read[] = {&back.GroupName, &back.ScText, &back.Path, &back.Parameters};
            QCOMPARE(*read[column], text);
            if (column == 0) {
                TQShortCutList byGroup;
                store().LoadShortCuts(text, byGroup);
                QCOMPARE(byGroup.size(), std::size_t(1));
            }
            store().DeleteShortCut(back.ShortCutIndex);
        }
    }

    void groupNamesKeepTheirLimit()
    {
        store().AddGroup(QString(50, QChar(0x7EC4)));
        QVERIFY(store().GroupExists(QString(50, QChar(0x7EC4))));
        QVERIFY(ErrorOf([&] {
                    store().AddGroup(QString(51, QLatin1Char('g')));
                }).contains(QStringLiteral("CHECK")));
        QStringList groups;
        store().LoadGroupNames(groups);
        QCOMPARE(groups.size(), 1);
    }

    void updateLeavesKindCountAndPicture()
    {
        TQShortCut shortCut = Record(QStringLiteral("Tools"), QStringLiteral("Editor"),
                                     m_env->MakeFolder(QStringLiteral("ed")), true);
        store().AddShortCut(shortCut);
        const QImage picture = shortCut.Icon;
        store().IncRunCount(shortCut.ShortCutIndex);
        TQShortCut changed =
            Record(QStringLiteral("Other"), QStringLiteral("Ed'2"), QStringLiteral("/nowhere/ed"));
        changed.Parameters = QStringLiteral("-x");
        changed.ShowCmd = 3;
        changed.AutoRun = true;
        changed.RunCount = 99;
        store().UpdateShortCut(shortCut.ShortCutIndex, changed);
        TQShortCutList list;
        store().LoadShortCuts(QStringLiteral("Other"), list);
        QCOMPARE(list.size(), std::size_t(1));
        const TQShortCut& back = *list.front();
        QCOMPARE(back.ScText, QStringLiteral("Ed'2"));
        QCOMPARE(back.Path, QStringLiteral("/nowhere/ed"));
        QCOMPARE(back.Parameters, QStringLiteral("-x"));
        QCOMPARE(back.ShowCmd, 3);
        QVERIFY(back.AutoRun);
        QVERIFY(back.IsDir);
        QCOMPARE(back.RunCount, 1);
        QCOMPARE(back.Icon, picture);

        store().RefreshIcons(); // now the picture follows the new path: a missing file's white square
        list.clear();
        store().LoadShortCuts(QStringLiteral("Other"), list);
        QVERIFY(list.front()->Icon != picture);
    }

    void runCountStopsAtItsLimit()
    {
        const int index = Add(QStringLiteral("g"), QStringLiteral("a"));
        store().ExecuteStatement(QStringLiteral("UPDATE t_sc SET RunCount=32766"));
        store().IncRunCount(index);
        store().IncRunCount(index);
        store().IncRunCount(index + 100); // no such row: nothing happens
        TQShortCutList list;
        store().LoadShortCuts(QString(), list);
        QCOMPARE(list.front()->RunCount, 32767);
    }

    void autoRunSet()
    {
        TQShortCut a = Record(QStringLiteral("g"), QStringLiteral("a"), QStringLiteral("/bin/sh"));
        a.AutoRun = true;
        TQShortCut b = Record(QStringLiteral("h"), QStringLiteral("b"), QStringLiteral("/bin/ls"));
        TQShortCut c = a;
        c.ScText = QStringLiteral("c");
        store().AddShortCut(a);
        store().AddShortCut(b);
        store().AddShortCut(c);
        QVERIFY(store().HasAutoRunShortCuts());
        TQShortCutList list;
        store().LoadAutoRunShortCuts(list);
        QCOMPARE(Names(list), (QStringList{"a", "c"}));
        QVERIFY(!list.front()->AutoRun);      // not read
        QVERIFY(list.front()->Icon.isNull()); // not read
        store().ClearAutoRun(a.ShortCutIndex);
        store().ClearAutoRun(c.ShortCutIndex);
        QVERIFY(!store().HasAutoRunShortCuts());
    }

    void loadShortCuts()
    {
        Add(QStringLiteral("b'c"), QStringLiteral("1"));
        Add(QStringLiteral("b"), QStringLiteral("2"));
        Add(QStringLiteral("b'c"), QStringLiteral("3"));
        TQShortCutList list;
        list.push_back(std::make_unique<TQShortCut>());
        store().LoadShortCuts(QStringLiteral("b'c"), list);
        QCOMPARE(Indexes(list), (QList<int>{0, 1, 3})); // appended after what was there
        list.clear();
        store().LoadShortCuts(QString(), list);
        QCOMPARE(Indexes(list), (QList<int>{1, 2, 3}));
        list.clear();
        store().LoadShortCuts(QStringLiteral("B'C"), list);
        QVERIFY(list.empty());
    }

    void nullsAndDamagedPictures()
    {
        store().ExecuteStatement(
            QStringLiteral("INSERT INTO t_sc VALUES (1,'g','null params','/a',NULL,0,NULL,5,0,0),"
                           "(2,'g','bad picture','/b','',0,x'424d0000deadbeef',5,0,0),"
                           "(3,'g','after','/c','p',0,NULL,5,0,0)"));
        TQShortCutList list;
        store().LoadShortCuts(QStringLiteral("g"), list);
        QCOMPARE(Names(list), (QStringList{"null params", "bad picture", "after"}));
        QVERIFY(list[0]->Parameters.isEmpty());
        QVERIFY(list[0]->Icon.isNull());
        QVERIFY(list[1]->Icon.isNull());
        QCOMPARE(list[2]->Parameters, QStringLiteral("p"));
    }

    void favourites()
    {
        for (int i = 0; i < 20; ++i) {
            TQShortCut folder =
                Record(QStringLiteral("g"), QStringLiteral("dir%1").arg(i), QStringLiteral("/tmp"), true);
            store().AddShortCut(folder);
            store().IncRunCount(folder.ShortCutIndex);
        }
        const int never = Add(QStringLiteral("g"), QStringLiteral("never"));
        const int twice = Add(QStringLiteral("h"), QStringLiteral("twice"));
        const int once = Add(QStringLiteral("i"), QStringLiteral("once"));
        store().IncRunCount(twice);
        store().IncRunCount(twice);
        store().IncRunCount(once);
        TQShortCutList list;
        store().LoadFavourites(list);
        QCOMPARE(Indexes(list), (QList<int>{twice, once, never}));
        for (int i = 0; i < 12; ++i)
            Add(QStringLiteral("g"), QStringLiteral("more"));
        list.clear();
        store().LoadFavourites(list);
        QCOMPARE(list.size(), std::size_t(10));
        QCOMPARE(list.front()->ShortCutIndex, twice);
    }

    void changeAndExchangeIndexes()
    {
        for (int i = 1; i <= 8; ++i)
            Add(QStringLiteral("g"), QString::number(i));
        QVERIFY(ErrorOf([&] { store().ChangeShortCutIndex(3, 8); }).contains(QStringLiteral("UNIQUE")));
        store().ExchangeShortCutIndexes(3, 8);
        TQShortCutList list;
        store().LoadShortCuts(QString(), list);
        QCOMPARE(Names(list), (QStringList{"1", "2", "8", "4", "5", "6", "7", "3"}));
        QVERIFY(!Indexes(list).contains(0));

        // A row left at 0 by a run that broke off: the exchange changes nothing and says so.
        store().ChangeShortCutIndex(5, 0);
        QVERIFY(!ErrorOf([&] { store().ExchangeShortCutIndexes(2, 4); }).isEmpty());
        list.clear();
        store().LoadShortCuts(QString(), list);
        QCOMPARE(Indexes(list), (QList<int>{0, 1, 2, 3, 4, 6, 7, 8}));
        // The way back: the stray row goes behind the last one, and the next exchange works.
        store().ChangeShortCutIndex(0, store().MaxShortCutIndex() + 1);
        store().ExchangeShortCutIndexes(2, 4);
        list.clear();
        store().LoadShortCuts(QString(), list);
        QCOMPARE(Names(list), (QStringList{"1", "4", "8", "2", "6", "7", "3", "5"}));
    }

    void groups()
    {
        QStringList names;
        store().AddGroup(QStringLiteral("A"));
        store().AddGroup(QStringLiteral("B'x"));
        store().AddGroup(QStringLiteral("C"));
        store().LoadGroupNames(names);
        QCOMPARE(names, (QStringList{"A", "B'x", "C"}));
        QVERIFY(store().GroupExists(QStringLiteral("B'x")));
        QVERIFY(!store().GroupExists(QStringLiteral("b'x")));

        store().DeleteGroup(QStringLiteral("C"));
        store().AddGroup(QStringLiteral("D")); // takes the freed top index 3
        store().SetGroupIndex(QStringLiteral("A"), 4);
        names = QStringList{QStringLiteral("stale")};
        store().LoadGroupNames(names);
        QCOMPARE(names, (QStringList{"B'x", "D", "A"}));

        Add(QStringLiteral("B'x"), QStringLiteral("in b"));
        Add(QStringLiteral("A"), QStringLiteral("in a"));
        store().RenameGroup(QStringLiteral("B'x"), QStringLiteral("新名字"));
        TQShortCutList list;
        store().LoadShortCuts(QStringLiteral("新名字"), list);
        QCOMPARE(Names(list), QStringList{"in b"});
        list.clear();
        store().LoadShortCuts(QStringLiteral("B'x"), list);
        QVERIFY(list.empty());

        store().DeleteGroup(QStringLiteral("新名字"));
        QVERIFY(!store().GroupExists(QStringLiteral("新名字")));
        store().LoadShortCuts(QString(), list);
        QCOMPARE(Names(list), QStringList{"in a"});
    }

    void groupChangesAreAllOrNothing()
    {
        store().AddGroup(QStringLiteral("G"));
        Add(QStringLiteral("G"), QStringLiteral("kept"));
        // Make the second statement of each operation fail.
        store().ExecuteStatement(QStringLiteral("CREATE TRIGGER no_delete BEFORE DELETE ON t_sc BEGIN SELECT "
                                                "RAISE(ABORT, 'delete refused'); END"));
        store().ExecuteStatement(QStringLiteral("CREATE TRIGGER no_update BEFORE UPDATE ON t_sc BEGIN SELECT "
                                                "RAISE(ABORT, 'update refused'); END"));
        QCOMPARE(ErrorOf([&] { store().DeleteGroup(QStringLiteral("G")); }),
                 QStringLiteral("delete refused"));
        QCOMPARE(ErrorOf([&] { store().RenameGroup(QStringLiteral("G"), QStringLiteral("H")); }),
                 QStringLiteral("update refused"));
        QVERIFY(store().GroupExists(QStringLiteral("G")));
        QVERIFY(!store().GroupExists(QStringLiteral("H")));
        TQShortCutList list;
        store().LoadShortCuts(QStringLiteral("G"), list);
        QCOMPARE(list.size(), std::size_t(1));
    }

    void classifyWorkedExample()
    {
        const QString folder = QStringLiteral("/opt/Games/Chess/");
        std::vector<TQProgram> results;
        store().ClassifySearchResults({folder + QStringLiteral("Chess.exe"),
                                       folder + QStringLiteral("Setup.exe"),
                                       folder + QStringLiteral("uninst.exe")},
                                      results);
        QCOMPARE(results.size(), std::size_t(2));
        QCOMPARE(results[0].FileName, folder + QStringLiteral("Chess.exe"));
        QCOMPARE(results[0].Path, folder);
        QCOMPARE(results[0].similar, 45);
        QCOMPARE(results[1].similar, 9);
        QVERIFY(results[1].FileName.endsWith(QLatin1String("Setup.exe")) ||
                results[1].FileName.endsWith(QLatin1String("uninst.exe")));
    }

    void classifyGroupsByFolderAndScore()
    {
        std::vector<TQProgram> results;
        store().ClassifySearchResults({QStringLiteral("/b/Tom's Game/Tom's Game.sh"),
                                       QStringLiteral("/b/Tom's Game/zz.sh"), QStringLiteral("/a/x/abc"),
                                       QStringLiteral("/a/y/abc"), QStringLiteral("/b/Tom's Game/Tom.sh")},
                                      results);
        QStringList rows;
        for (const TQProgram& p : results)
            rows << QStringLiteral("%1 %2").arg(p.FileName).arg(p.similar);
        QCOMPARE(rows, (QStringList{"/a/x/abc 33", "/a/y/abc 33", "/b/Tom's Game/Tom's Game.sh 83",
                                    "/b/Tom's Game/Tom.sh 25", "/b/Tom's Game/zz.sh 0"}));
        QSqlQuery query(QSqlDatabase::database(store().DatabaseName));
        QVERIFY(!query.exec(QStringLiteral("SELECT * FROM Memory.t_p"))); // gone after the call
        std::vector<TQProgram> none;
        store().ClassifySearchResults({}, none);
        QVERIFY(none.empty());
    }

    void classifyNeverMixesRuns()
    {
        std::vector<TQProgram> results;
        const QString tooLong = QStringLiteral("/x/") + QString(600, QLatin1Char('n'));
        QVERIFY(!ErrorOf([&] {
                     store().ClassifySearchResults({QStringLiteral("/old/run/a"), tooLong}, results);
                 }).isEmpty());
        results.clear();
        store().ClassifySearchResults({QStringLiteral("/new/run/b")}, results);
        QCOMPARE(results.size(), std::size_t(1));
        QCOMPARE(results[0].FileName, QStringLiteral("/new/run/b"));
    }

    void replaceInPaths()
    {
        Add(QStringLiteral("g"), QStringLiteral("1"), QStringLiteral("/media/F/Tools/a"));
        Add(QStringLiteral("g"), QStringLiteral("2"), QStringLiteral("/media/f/tools/b"));
        Add(QStringLiteral("g"), QStringLiteral("3"), QStringLiteral("/home/O'Brien/O'Brien.sh"));
        store().ReplaceInPaths(QStringLiteral("/media/F/Tools"), QStringLiteral("%removedrive%/Tools"));
        store().ReplaceInPaths(QStringLiteral("O'Brien"), QStringLiteral("x"));
        TQShortCutList list;
        store().LoadShortCuts(QString(), list);
        QCOMPARE(list[0]->Path, QStringLiteral("%removedrive%/Tools/a"));
        QCOMPARE(list[1]->Path, QStringLiteral("/media/f/tools/b"));
        QCOMPARE(list[2]->Path, QStringLiteral("/home/x/x.sh"));
        store().ReplaceInPaths(QStringLiteral("/"), QString());
        list.clear();
        store().LoadShortCuts(QString(), list);
        QCOMPARE(list[2]->Path, QStringLiteral("homexx.sh"));
        QCOMPARE(list[0]->ScText, QStringLiteral("1")); // nothing else changes
        // A path that would outgrow its column: the engine refuses and every path stays.
        QVERIFY(!ErrorOf([&] {
                     store().ReplaceInPaths(QStringLiteral("x"), QString(600, QLatin1Char('y')));
                 }).isEmpty());
        list.clear();
        store().LoadShortCuts(QString(), list);
        QCOMPARE(list[2]->Path, QStringLiteral("homexx.sh"));
    }

    void removeDriveValidity()
    {
        const QString drive = m_env->MakeFolder(QStringLiteral("media/STICK"));
        m_env->MakeFile(QStringLiteral("media/STICK/tools/one"));
        m_env->MakeFile(QStringLiteral("media/STICK/tools/two"));
        m_env->MakeFolder(QStringLiteral("media/STICK/folder"));
        QVERIFY(store().RemoveDriveValueValid()); // nothing depends on the drive
        QCOMPARE(store().GetRemoveDriveSamplePath(), QString());
        Add(QStringLiteral("g"), QStringLiteral("x"), QStringLiteral("/usr/%REMOVEDRIVE%/x")); // case counts
        QCOMPARE(store().GetRemoveDriveSamplePath(), QString());
        Add(QStringLiteral("g"), QStringLiteral("a"), QStringLiteral("%removedrive%/tools/one"));
        Add(QStringLiteral("g"), QStringLiteral("b"), QStringLiteral("%removedrive%/tools/two"));
        Add(QStringLiteral("g"), QStringLiteral("c"), QStringLiteral("%removedrive%/folder"));
        QCOMPARE(store().GetRemoveDriveSamplePath(), QStringLiteral("%removedrive%/tools/one"));
        QVERIFY(!store().RemoveDriveValueValid()); // undefined: nothing resolves
        qputenv("removedrive", QFile::encodeName(drive));
        QVERIFY(store().RemoveDriveValueValid()); // 2 of 3: 66, the folder does not count
        store().DeleteShortCut(2);
        QVERIFY(store().RemoveDriveValueValid()); // 1 of 2: 50
        store().DeleteShortCut(3);
        QVERIFY(!store().RemoveDriveValueValid()); // only the folder: 0
        qunsetenv("removedrive");
    }

    void probeFindsTheHighestDrive()
    {
        const QString d = m_env->MakeFolder(QStringLiteral("d"));
        const QString g = m_env->MakeFolder(QStringLiteral("g"));
        const QString empty = m_env->MakeFolder(QStringLiteral("z-empty"));
        m_env->MakeFile(QStringLiteral("d/tools/ed"));
        m_env->MakeFile(QStringLiteral("g/tools/ed"));
        Platform::SetDriveLister([&] { return QStringList{d, g, empty}; });
        Add(QStringLiteral("g"), QStringLiteral("ed"), QStringLiteral("%removedrive%/tools/ed"));
        QVERIFY(ProbeRemoveDrive(store(), *AppEnvironment));
        QCOMPARE(AppEnvironment->GetRemoveDrive(), g);
        QCOMPARE(Platform::ReadPersistentVariable(QStringLiteral("removedrive")), std::optional<QString>(g));
        QVERIFY(!ProbeRemoveDrive(store(), *AppEnvironment)); // valid now: nothing probed

        // A folder sample is never found, and nothing is written.
        qunsetenv("removedrive");
        store().ExecuteStatement(QStringLiteral("DELETE FROM t_sc"));
        TQShortCut folder =
            Record(QStringLiteral("g"), QStringLiteral("tools"), QStringLiteral("%removedrive%/tools"), true);
        store().AddShortCut(folder);
        QVERIFY(!ProbeRemoveDrive(store(), *AppEnvironment));
        QVERIFY(!qEnvironmentVariableIsSet("removedrive"));
        Platform::SetDriveLister({});
    }
};

KESTRUNE_TEST_MAIN(QGuiApplication, TestStore)
#include "tst_store.moc"
