#include "settings/uEnvironment.h"

#include "common/uCommon.h"
#include "platform/Platform.h"
#include "settings/IniFile.h"

#include <QDir>

TEnvironment* AppEnvironment = nullptr;

namespace {

const QString Section = QStringLiteral("OPTION");
const QString KeyAutoCorrect = QStringLiteral("AutoCorrectRemoveDriveValue");
const QString KeySearchDir = QStringLiteral("DefaultSearchDir");
const QString KeyDisplayNoExist = QStringLiteral("DisplayNoExistShortCut");
const QString KeyMinimize = QStringLiteral("MinimizeToSystemTray");
const QString DefaultSearchDir = QStringLiteral("/opt");
constexpr qsizetype MaxTextValue = 2047;

QString WithTrailingDelimiter(QString folder)
{
    if (folder.isEmpty() || !Platform::IsPathDelimiter(folder.back()))
        folder += Platform::PathDelimiter();
    return folder;
}

QString ChooseStateDir()
{
    const QString home = qEnvironmentVariable("KESTRUNE_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return WithTrailingDelimiter(home);
    }
    // Beside the program first, so that a catalogue on a removable medium travels with it.
    const QString appDir = TEnvironment::GetAppDir();
    if (Platform::IsFolderWritable(appDir))
        return appDir;
    const QString userDir = Platform::UserDataFolder();
    QDir().mkpath(userDir);
    return WithTrailingDelimiter(userDir);
}

} // namespace

std::optional<bool> ParseIniBool(const QString& text)
{
    bool ok = false;
    qlonglong value = 0;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        value = text.mid(2).toLongLong(&ok, 16);
    else
        value = text.toLongLong(&ok, 10);
    // Only what fits the 32 bits of an integer counts as one.
    if (!ok || value < -2147483648LL || value > 4294967295LL)
        return std::nullopt;
    return value != 0;
}

TEnvironment::TEnvironment() : TEnvironment(ChooseStateDir()) {}

TEnvironment::TEnvironment(const QString& stateDir)
    : m_stateDir(WithTrailingDelimiter(stateDir)), IniFile(std::make_unique<TIniFile>(ConfigFileName()))
{}

TEnvironment::~TEnvironment() = default;

QString TEnvironment::GetAppDir()
{
    return ExtractFilePath(Platform::ProgramFilePath());
}

QString TEnvironment::ConfigFileName() const
{
    return m_stateDir + QStringLiteral("config.ini");
}

bool TEnvironment::ReadBool(const QString& key, bool fallback) const
{
    const auto text = IniFile->ReadString(Section, key);
    if (!text)
        return fallback;
    return ParseIniBool(*text).value_or(fallback);
}

void TEnvironment::WriteBool(const QString& key, bool value)
{
    IniFile->WriteString(Section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TEnvironment::GetAutoCorrectRemoveDriveValue() const
{
    return ReadBool(KeyAutoCorrect, true);
}

void TEnvironment::SetAutoCorrectRemoveDriveValue(bool value)
{
    WriteBool(KeyAutoCorrect, value);
}

QString TEnvironment::GetDefaultSearchDir() const
{
    const auto text = IniFile->ReadString(Section, KeySearchDir);
    return text ? text->left(MaxTextValue) : DefaultSearchDir;
}

void TEnvironment::SetDefaultSearchDir(const QString& value)
{
    IniFile->WriteString(Section, KeySearchDir, value);
}

bool TEnvironment::GetDisplayNoExistShortCut() const
{
    return ReadBool(KeyDisplayNoExist, true);
}

void TEnvironment::SetDisplayNoExistShortCut(bool value)
{
    WriteBool(KeyDisplayNoExist, value);
}

bool TEnvironment::GetMinimizeToSystemTray() const
{
    return ReadBool(KeyMinimize, false);
}

void TEnvironment::SetMinimizeToSystemTray(bool value)
{
    WriteBool(KeyMinimize, value);
}
