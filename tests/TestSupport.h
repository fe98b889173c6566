#pragma once

// What the tests share: temporary XDG folders, a store on a real database file, the launch recorder.

#include "store/uDataModule.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// Points the XDG folders and the state folder at a fresh temporary tree for the life of the object, and
// keeps the tests away from any running session manager. Create it before the application object, in
// main() through KESTRUNE_TEST_MAIN, and again per test where a clean tree matters.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString Root() const { return m_dir.path(); }
    QString ConfigHome() const { return m_dir.path() + QStringLiteral("/config"); }
    QString DataHome() const { return m_dir.path() + QStringLiteral("/data"); }
    QString StateDir() const { return m_dir.path() + QStringLiteral("/state"); }
    // Makes a file (and its folders) under the root; returns its full path.
    QString MakeFile(const QString& relative, const QByteArray& content = "x") const;
    QString MakeFolder(const QString& relative) const;
    QString MakeProgram(const QString& relative) const; // an executable copy of the recorder

private:
    QTemporaryDir m_dir;
};

// A store on a real database file in a temporary state folder, installed as the program's dm and
// AppEnvironment for its life.
class StoreFixture
{
public:
    explicit StoreFixture(const QString& stateDir);
    ~StoreFixture();
    Tdm& Store() { return *m_store; }

private:
    std::unique_ptr<Tdm> m_store;
};

// What a test stores as a shortcut; the rest keeps the record's defaults.
struct ShortCutSpec
{
    QString group;
    QString name;
    QString path;
    bool isDir = false;
    bool autoRun = false;
    QString parameters;
};
// Stores it in the program's store (dm) and returns the index it was given.
int StoreShortCut(const ShortCutSpec& spec);

// The launches recorded by the recorder program since the last Reset.
class LaunchRecorder
{
public:
    explicit LaunchRecorder(const QString& folder);
    void Reset();
    QStringList Lines() const;
    // Waits until at least count launches were recorded.
    bool WaitFor(int count, int timeoutMs = 10000) const;
    QString File() const { return m_file; }

private:
    QString m_file;
};

// Takes the addresses handed to the desktop (install it with QDesktopServices::setUrlHandler), so that
// what would open a browser, a document or a folder can be seen instead.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

// Sets the icon theme that the test set-up installs, since offscreen Qt has none.
void UseTestIconTheme();

// Sets up the test environment before the application exists, then runs the test object.
#define KESTRUNE_TEST_MAIN(AppClass, TestObject)                                                             \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        TestEnvironment environment;                                                                         \
        AppClass app(argc, argv);                                                                            \
        app.setApplicationName(QStringLiteral("kestrune-tests"));                                            \
        UseTestIconTheme();                                                                                  \
        TestObject test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
