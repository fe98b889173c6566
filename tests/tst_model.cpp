// The shortcut record: defaults, its picture, whether its target exists, launching and opening its folder.
#include "TestSupport.h"
#include "common/Exception.h"
#include "settings/uEnvironment.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <QUrl>

class TestModel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<StoreFixture> m_fixture;

    static bool IsWhiteSquare(const QImage& image)
    {
        if (image.size() != QSize(32, 32))
            return false;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    }

    int StoredRunCount(int index)
    {
        TQShortCutList list;
        dm->LoadShortCuts(QString(), list);
        for (const auto& s : list)
            if (s->ShortCutIndex == index)
                return s->RunCount;
        return -1;
    }

    TQShortCut Stored(const QString& path, bool isDir = false)
    {
        TQShortCut shortCut;
        shortCut.GroupName = QStringLiteral("g");
        shortCut.ScText = QStringLiteral("s");
        shortCut.Path = path;
        shortCut.IsDir = isDir;
        dm->AddShortCut(shortCut);
        return shortCut;
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
        qunsetenv("removedrive");
    }

    void defaults()
    {
        const TQShortCut shortCut;
        QCOMPARE(shortCut.ShortCutIndex, 0);
        QCOMPARE(shortCut.ShowCmd, 5);
        QVERIFY(!shortCut.AutoRun);
        QVERIFY(!shortCut.IsDir);
        QCOMPARE(shortCut.RunCount, 0);
        QVERIFY(shortCut.GroupName.isEmpty() && shortCut.ScText.isEmpty() && shortCut.Path.isEmpty() &&
                shortCut.Parameters.isEmpty());
        QVERIFY(shortCut.Icon.isNull());
        QVERIFY(shortCut.PathIsEmpty());
        TQShortCut blank;
        blank.Path = QStringLiteral(" ");
        QVERIFY(!blank.PathIsEmpty());
    }

    void captureIcon_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isDir");
        QTest::addColumn<bool>("white");
        QTest::newRow("folder") << "folder" << true << false;
        QTest::newRow("program") << "bin/APP.EXE" << false << false;
        QTest::newRow("document, missing") << "missing/report.TXT" << false << false;
        QTest::newRow("no extension") << "noext" << false << false;
        QTest::newRow("missing folder") << "missing-folder" << true << true;
        QTest::newRow("empty path folder") << "" << true << true;
    }
    void captureIcon()
    {
        QFETCH(QString, path);
        QFETCH(bool, isDir);
        QFETCH(bool, white);
        m_env->MakeFolder(QStringLiteral("folder"));
        m_env->MakeProgram(QStringLiteral("bin/APP.EXE"));
        m_env->MakeFile(QStringLiteral("noext"));
        TQShortCut shortCut;
        shortCut.Path = path.isEmpty() ? path : m_env->Root() + QLatin1Char('/') + path;
        shortCut.IsDir = isDir;
        shortCut.CaptureIcon();
        QCOMPARE(shortCut.Icon.size(), QSize(32, 32));
        QCOMPARE(IsWhiteSquare(shortCut.Icon), white);
        // Transparent parts are white, never black or see-through.
        QVERIFY(shortCut.Icon.pixel(0, 0) == qRgb(255, 255, 255) || !shortCut.Icon.hasAlphaChannel());
        QVERIFY(!shortCut.Icon.hasAlphaChannel());
    }

    void targetExistsByKind()
    {
        const QString folder = m_env->MakeFolder(QStringLiteral("d"));
        const QString file = m_env->MakeFile(QStringLiteral("f"));
        TQShortCut s;
        s.Path = folder;
        QVERIFY(!s.TargetExists());
        s.IsDir = true;
        QVERIFY(s.TargetExists());
        s.Path = file;
        QVERIFY(!s.TargetExists());
        s.IsDir = false;
        QVERIFY(s.TargetExists());
    }

    void variablesFollowTheirValue()
    {
        m_env->MakeFile(QStringLiteral("stick1/tools/ed"));
        TQShortCut s;
        s.Path = QStringLiteral("%removedrive%/tools/ed");
        QVERIFY(!s.TargetExists());
        qputenv("removedrive", QFile::encodeName(m_env->Root() + QStringLiteral("/stick1")));
        QVERIFY(s.TargetExists());
        qputenv("removedrive", QFile::encodeName(m_env->Root() + QStringLiteral("/stick2")));
        QVERIFY(!s.TargetExists());
        s.Path =
            m_env->Root() + QStringLiteral("/stick1/%removedrive%/../tools/ed"); // not leading: not expanded
        QVERIFY(!s.TargetExists());
    }

    void runStartsTheProgramInItsFolder()
    {
        LaunchRecorder recorder(m_env->Root());
        const QString program = m_env->MakeProgram(QStringLiteral("stick/My Apps/tool"));
        qputenv("removedrive", QFile::encodeName(m_env->Root() + QStringLiteral("/stick")));
        qputenv("KESTRUNE_ARG", "expanded");
        TQShortCut s = Stored(QStringLiteral("%removedrive%/My Apps/tool"));
        s.Parameters = QStringLiteral("%KESTRUNE_ARG% %KESTRUNE_ARG% \"a b\"");
        s.Run();
        QVERIFY(recorder.WaitFor(1));
        QCOMPARE(recorder.Lines().first(),
                 QFileInfo(program).absolutePath() + QStringLiteral("\texpanded\t%KESTRUNE_ARG%\ta b"));
        QCOMPARE(StoredRunCount(s.ShortCutIndex), 1);
        QCOMPARE(s.RunCount, 0); // the record's own counter is not touched
        qunsetenv("KESTRUNE_ARG");
    }

    void runOfAMissingTargetIsCountedAndReported()
    {
        TQShortCut s = Stored(m_env->Root() + QStringLiteral("/gone/app"));
        try {
            s.Run();
            QFAIL("no error for a target that cannot be started");
        } catch (const Exception& e) {
            QVERIFY(e.Message().contains(s.Path));
        }
        QCOMPARE(StoredRunCount(s.ShortCutIndex), 1);
    }

    void folderShortcutsOpenTheFolder()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        const QString folder = m_env->MakeFolder(QStringLiteral("docs/sub"));
        const QString file = m_env->MakeFile(QStringLiteral("docs/sub/a.txt"));
        TQShortCut dir = Stored(folder, true);
        dir.Parameters = QStringLiteral("ignored");
        dir.Run();
        dir.OpenFolder(); // the folder itself, not its parent
        TQShortCut doc = Stored(file);
        doc.ShowCmd = 2;
        doc.OpenFolder();
        TQShortCut lost = Stored(m_env->Root() + QStringLiteral("/nowhere/x.txt"));
        lost.OpenFolder(); // a missing folder: nothing at all
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl::fromLocalFile(folder), QUrl::fromLocalFile(folder),
                                            QUrl::fromLocalFile(folder + QLatin1Char('/'))}));
        QCOMPARE(StoredRunCount(dir.ShortCutIndex), 1);
        QCOMPARE(StoredRunCount(doc.ShortCutIndex), 0);
    }
};

KESTRUNE_TEST_MAIN(QGuiApplication, TestModel)
#include "tst_model.moc"
