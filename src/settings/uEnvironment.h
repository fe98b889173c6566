#pragma once

// The settings object: the four options of config.ini, the program's folders, and the path variables that
// let a catalogue on a removable medium follow the medium from one mount point to the next.

#include <QString>

#include <memory>
#include <optional>

class TIniFile;

class TEnvironment
{
public:
    // The state folder by the program's rule: KESTRUNE_HOME when set, else the program's own folder when
    // it can be written, else the per-user data folder.
    TEnvironment();
    // A settings object for one given state folder (tests hand in a temporary one).
    explicit TEnvironment(const QString& stateDir);
    ~TEnvironment();

    TEnvironment(const TEnvironment&) = delete;
    TEnvironment& operator=(const TEnvironment&) = delete;

    // The folder of the running program file, with its trailing separator.
    static QString GetAppDir();
    // The folder that holds data/ and config.ini, with its trailing separator.
    const QString& GetStateDir() const { return m_stateDir; }
    QString ConfigFileName() const;

    bool GetAutoCorrectRemoveDriveValue() const;
    void SetAutoCorrectRemoveDriveValue(bool value);
    QString GetDefaultSearchDir() const;
    void SetDefaultSearchDir(const QString& value);
    bool GetDisplayNoExistShortCut() const;
    void SetDisplayNoExistShortCut(bool value);
    bool GetMinimizeToSystemTray() const;
    void SetMinimizeToSystemTray(bool value);

    QString ExpandVariable(const QString& text) const;
    // Expands a leading %name% reference only; every test and launch of a stored target goes through here.
    QString ExpandPath(const QString& path) const;
    QString GetRemoveDrive() const;
    // Stores a variable for the user's later sessions, sets it in this process and tells the running
    // session; false when it could not be stored, and then nothing changes.
    bool SetEnvironmentValue(const QString& name, const QString& value);
    // Takes a persisted removedrive into the process when the process was started without one.
    void ImportPersistedVariables();

private:
    bool ReadBool(const QString& key, bool fallback) const;
    void WriteBool(const QString& key, bool value);

    QString m_stateDir;
    std::unique_ptr<TIniFile> IniFile;
};

// The program-wide settings object; the catalogue store creates it and it lives exactly as long as the store.
extern TEnvironment* AppEnvironment;

// Reads a Boolean option text: decimal, or hexadecimal after 0x; 0 is false, any other integer true.
// Nothing for a text that is no integer.
std::optional<bool> ParseIniBool(const QString& text);
