#pragma once

// The catalogue store: one SQLite database in data/ of the state folder, the tables t_sc (shortcuts) and
// t_scg (groups), and every statement that reads or changes them. The store catches nothing and shows
// nothing: an engine error leaves every operation as an Exception carrying the engine's text.

#include "model/uShortCut.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class QSqlDatabase;
class QSqlQuery;
class TEnvironment;

// The shared 32x32 picture list of the main view; image 0 is the picture of a missing target.
class TImageList
{
public:
    int Add(const QImage& image);
    // Removes every image from index keep onwards.
    void Truncate(int keep);
    int Count() const { return int(m_images.size()); }
    const QImage& Image(int index) const { return m_images.at(index); }
    void SetBackgroundColor(const QColor& color) { m_background = color; }
    QColor BackgroundColor() const { return m_background; }

private:
    QList<QImage> m_images;
    QColor m_background = Qt::white;
};

// One entry of a classified search result.
struct TQProgram
{
    QString FileName;
    QString Path;
    int similar = 0;
};

class Tdm
{
public:
    // The store for the state folder of AppEnvironment; stateDir, when given, overrides it (tests).
    explicit Tdm(QString stateDir = {});
    ~Tdm();

    Tdm(const Tdm&) = delete;
    Tdm& operator=(const Tdm&) = delete;

    // Start-up: settings object, data folder, database, tables. An error stops it at that step and is
    // raised; the store then stays usable as an object whose operations fail with the engine's error.
    void DataModuleCreate();
    void DataModuleDestroy();

    TImageList IconList;
    QString DatabaseName;
    QString DataDir;
    QString DatabaseFileName() const;

    // Shortcuts
    void AddShortCut(TQShortCut& shortCut);
    void DeleteShortCut(int index);
    void UpdateShortCut(int index, const TQShortCut& shortCut);
    void IncRunCount(int index);
    void ClearAutoRun(int index);
    void ChangeShortCutIndex(int currentIndex, int newIndex);
    // Exchanges the places of two shortcuts through the free index 0, all or nothing.
    void ExchangeShortCutIndexes(int first, int second);
    void LoadShortCuts(const QString& groupName, TQShortCutList& list);
    void LoadFavourites(TQShortCutList& list);
    void LoadAutoRunShortCuts(TQShortCutList& list);
    bool HasAutoRunShortCuts();
    int MaxShortCutIndex();
    void RefreshIcons();
    void ReplaceInPaths(const QString& search, const QString& replacement);

    // Groups
    void LoadGroupNames(QStringList& list);
    bool GroupExists(const QString& name);
    void AddGroup(const QString& name);
    void SetGroupIndex(const QString& name, int index);
    void DeleteGroup(const QString& name);
    void RenameGroup(const QString& oldName, const QString& newName);

    // Search results and the removable drive
    void ClassifySearchResults(const QStringList& found, std::vector<TQProgram>& results);
    bool RemoveDriveValueValid();
    QString GetRemoveDriveSamplePath();

    // Runs one statement that returns no rows; values are bound in order.
    void ExecuteStatement(const QString& statement, const QVariantList& values = {});

private:
    QSqlDatabase Database() const;
    QSqlQuery Prepare(const QString& statement, const QVariantList& values = {});
    void Exec(QSqlQuery& query);
    void CreateTables();

    QString m_stateDir;
    std::unique_ptr<TEnvironment> m_environment;
    bool m_open = false;
};

// The program's one store, created before any window and released after the last.
extern Tdm* dm;

// The stored form of a picture: a complete BMP file image (empty for the empty picture).
QByteArray PictureToBmp(const QImage& picture);
// Any valid BMP image; bytes that are no picture give the empty picture.
QImage BmpToPicture(const QByteArray& bytes);
