#include "TestSupport.h"

#include "settings/uEnvironment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

TestEnvironment::TestEnvironment()
{
    QDir().mkpath(ConfigHome());
    QDir().mkpath(DataHome());
    QDir().mkpath(StateDir());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigHome()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(DataHome()));
    qputenv("KESTRUNE_HOME", QFile::encodeName(StateDir()));
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("removedrive");
}

TestEnvironment::~TestEnvironment() = default;

QString TestEnvironment::MakeFile(const QString& relative, const QByteArray& content) const
{
    const QString path = m_dir.path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QString TestEnvironment::MakeFolder(const QString& relative) const
{
    const QString path = m_dir.path() + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
}

QString TestEnvironment::MakeProgram(const QString& relative) const
{
    const QString path = m_dir.path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QFile::copy(QStringLiteral(KESTRUNE_RECORDER), path);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

StoreFixture::StoreFixture(const QString& stateDir) : m_store(std::make_unique<Tdm>(stateDir))
{
    m_store->DataModuleCreate();
    dm = m_store.get();
}

StoreFixture::~StoreFixture()
{
    if (dm == m_store.get())
        dm = nullptr;
}

int StoreShortCut(const ShortCutSpec& spec)
{
    TQShortCut shortCut;
    shortCut.GroupName = spec.group;
    shortCut.ScText = spec.name;
    shortCut.Path = spec.path;
    shortCut.IsDir = spec.isDir;
    shortCut.AutoRun = spec.autoRun;
    shortCut.Parameters = spec.parameters;
    dm->AddShortCut(shortCut);
    return shortCut.ShortCutIndex;
}

LaunchRecorder::LaunchRecorder(const QString& folder) : m_file(folder + QStringLiteral("/launches.txt"))
{
    qputenv("KESTRUNE_RECORD_FILE", QFile::encodeName(m_file));
    Reset();
}

void LaunchRecorder::Reset()
{
    QFile::remove(m_file);
}

QStringList LaunchRecorder::Lines() const
{
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

bool LaunchRecorder::WaitFor(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return Lines().size() >= count; }, timeoutMs);
}

void UseTestIconTheme()
{
    QIcon::setThemeSearchPaths({QStringLiteral(KESTRUNE_THEME_DIR)});
    QIcon::setThemeName(QStringLiteral("Adwaita"));
}
