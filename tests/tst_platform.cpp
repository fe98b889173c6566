// The OS layer against real files: launches of the recorder program, desktop entries, documents and
// folders handed to the desktop, icons from the icon theme, the autostart entry and the drive list.
#include "TestSupport.h"
#include "common/Exception.h"
#include "platform/Platform.h"
#include "platform/xdg/DesktopEntry.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>
#include <QUrl>

class TestPlatform : public QObject
{
    Q_OBJECT

    static int ColourfulPixels(const QImage& image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        return count;
    }

private Q_SLOTS:
    void programWithParametersAndFolder()
    {
        TestEnvironment env;
        LaunchRecorder recorder(env.Root());
        const QString program = env.MakeProgram(QStringLiteral("apps/我的 工具/run me"));
        const QString folder = env.MakeFolder(QStringLiteral("work place"));
        QString error;
        QVERIFY2(Platform::OpenTarget(program, QStringLiteral("-a \"two words\" 'it''s' $HOME ;rm"), folder,
                                      5, &error),
                 qPrintable(error));
        QVERIFY(recorder.WaitFor(1));
        // No shell: double quotes group, nothing is expanded or run.
        QCOMPARE(recorder.Lines().first(), folder + QStringLiteral("\t-a\ttwo words\t'it''s'\t$HOME\t;rm"));
    }

    void desktopEntryIsLaunchedAsTheDesktopDoes()
    {
        TestEnvironment env;
        LaunchRecorder recorder(env.Root());
        const QString program = env.MakeProgram(QStringLiteral("bin/tool"));
        const QString folder = env.MakeFolder(QStringLiteral("entry folder"));
        const QString entry = env.MakeFile(
            QStringLiteral("tool.desktop"),
            QStringLiteral(
                "[Desktop Entry]\nType=Application\nName=Tool\nIcon=utilities-terminal\nExec=%1 --x "
                "\"a b\" %f %U 100%% %c\nPath=%2\n[Desktop Action other]\nExec=/bin/false\n")
                .arg(program, folder)
                .toUtf8());
        QString error;
        QVERIFY2(Platform::OpenTarget(entry, QStringLiteral("ignored"), QString(), 5, &error),
                 qPrintable(error));
        QVERIFY(recorder.WaitFor(1));
        QCOMPARE(recorder.Lines().first(), folder + QStringLiteral("\t--x\ta b\t100%\tTool"));
    }

    void execQuotingRoundTrips_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("plain") << QStringLiteral("/usr/bin/kestrune");
        QTest::newRow("blank") << QStringLiteral("/opt/my apps/kestrune");
        QTest::newRow("specials") << QStringLiteral("/opt/a\"b`c$d\\e%f'g/kestrune");
        QTest::newRow("chinese") << QStringLiteral("/opt/启动器/kestrune");
    }
    void execQuotingRoundTrips()
    {
        QFETCH(QString, argument);
        TestEnvironment env;
        const QString file = env.MakeFile(
            QStringLiteral("q.desktop"),
            "[Desktop Entry]\nExec=" + Platform::Xdg::QuoteExecArgument(argument).toUtf8() + " %u\n");
        QCOMPARE(Platform::Xdg::SplitExec(Platform::Xdg::ReadDesktopEntry(file)), QStringList{argument});
    }

    void documentsAndFoldersGoToTheDesktop()
    {
        TestEnvironment env;
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        const QString document = env.MakeFile(QStringLiteral("docs/报告 1.txt"));
        const QString folder = env.MakeFolder(QStringLiteral("docs/sub"));
        QVERIFY(Platform::OpenTarget(document, QStringLiteral("-x"), env.Root(), 5));
        QVERIFY(Platform::OpenTarget(folder, QString(), QString(), 5));
        QVERIFY(Platform::OpenFolder(folder, 2));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl::fromLocalFile(document), QUrl::fromLocalFile(folder),
                                            QUrl::fromLocalFile(folder)}));
    }

    void failuresNameTheTarget()
    {
        TestEnvironment env;
        QString error;
        const QString missing = env.Root() + QStringLiteral("/gone/app");
        QVERIFY(!Platform::OpenTarget(missing, QString(), QString(), 5, &error));
        QVERIFY(error.contains(missing));
        const QString entry = env.MakeFile(QStringLiteral("empty.desktop"), "[Desktop Entry]\nName=x\n");
        QVERIFY(!Platform::OpenTarget(entry, QString(), QString(), 5, &error));
        QVERIFY(error.contains(entry));
        QVERIFY(!Platform::OpenFolder(missing, 5, &error));
        QVERIFY(error.contains(missing));
        // Offscreen there is no desktop to hand a document to, and that is said, not hidden.
        const QString document = env.MakeFile(QStringLiteral("a.txt"));
        QVERIFY(!Platform::OpenTarget(document, QString(), QString(), 5, &error));
        QVERIFY(error.contains(document));
    }

    void icons()
    {
        TestEnvironment env;
        const QString folder = env.MakeFolder(QStringLiteral("f"));
        const QString program = env.MakeProgram(QStringLiteral("bin/APP.EXE"));
        const QImage folderIcon = Platform::TargetIcon(folder, true, 32);
        QCOMPARE(folderIcon.size(), QSize(32, 32));
        QVERIFY(ColourfulPixels(folderIcon) > 100);
        QVERIFY(ColourfulPixels(Platform::TargetIcon(program, false, 32)) > 100);
        // A document's type decides, whether or not the file exists.
        const QImage text =
            Platform::TargetIcon(env.Root() + QStringLiteral("/missing/report.TXT"), false, 32);
        QCOMPARE(text.size(), QSize(32, 32));
        QVERIFY(ColourfulPixels(text) > 100);
        QVERIFY(!Platform::TargetIcon(env.Root() + QStringLiteral("/no-extension"), false, 32).isNull());
        // A missing folder has no icon at all.
        QVERIFY(Platform::TargetIcon(env.Root() + QStringLiteral("/missing"), true, 32).isNull());
        // A desktop entry shows its own Icon=.
        const QString entry =
            env.MakeFile(QStringLiteral("x.desktop"), "[Desktop Entry]\nIcon=user-trash\nExec=x\n");
        QVERIFY(ColourfulPixels(Platform::TargetIcon(entry, false, 32)) > 100);
        const QString noIcon =
            env.MakeFile(QStringLiteral("y.desktop"), "[Desktop Entry]\nIcon=kestrune-no-such\nExec=x\n");
        QVERIFY(Platform::TargetIcon(noIcon, false, 32).isNull());
    }

    void autostartEntry()
    {
        TestEnvironment env;
        QVERIFY(!Platform::AutostartEntryExists());
        QCOMPARE(Platform::AutostartEntryPath(),
                 env.ConfigHome() + QStringLiteral("/autostart/kestrune.desktop"));
        const QString program = QStringLiteral("/opt/my apps/kestrune");
        Platform::WriteAutostartEntry(program);
        QVERIFY(Platform::AutostartEntryExists());
        QFile file(Platform::AutostartEntryPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            file.readAll(),
            QByteArray("[Desktop Entry]\nType=Application\nName=Kestrune\nExec=\"/opt/my apps/kestrune\"\n"));
        file.close();
        QCOMPARE(Platform::Xdg::SplitExec(Platform::Xdg::ReadDesktopEntry(Platform::AutostartEntryPath())),
                 QStringList{program});
        Platform::RemoveAutostartEntry();
        QVERIFY(!Platform::AutostartEntryExists());
        Platform::RemoveAutostartEntry(); // a missing entry is no error

        QFile::remove(env.ConfigHome() + QStringLiteral("/autostart"));
        QDir(env.ConfigHome()).removeRecursively();
        QFile(env.ConfigHome()).open(QIODevice::WriteOnly); // nowhere to write
        QVERIFY_THROWS_EXCEPTION(Exception, Platform::WriteAutostartEntry(program));
        QFile::remove(env.ConfigHome());
    }

    void driveList()
    {
        const QStringList system = Platform::DriveList();
        QVERIFY(!system.contains(QStringLiteral("/")));
        for (const QString& drive : system) {
            QVERIFY2(!drive.endsWith(QLatin1Char('/')), qPrintable(drive));
            QVERIFY2(!drive.startsWith(QLatin1String("/proc")) && !drive.startsWith(QLatin1String("/sys")),
                     qPrintable(drive));
        }
        QStringList sorted = system;
        sorted.sort();
        QCOMPARE(system, sorted);

        Platform::SetDriveLister([] {
            return QStringList{QStringLiteral("/media/a"), QStringLiteral("/media/b")};
        });
        QCOMPARE(Platform::DriveList(),
                 (QStringList{QStringLiteral("/media/a"), QStringLiteral("/media/b")}));
        Platform::SetDriveLister({});
        QCOMPARE(Platform::DriveList(), system);
    }
};

KESTRUNE_TEST_MAIN(QGuiApplication, TestPlatform)
#include "tst_platform.moc"
