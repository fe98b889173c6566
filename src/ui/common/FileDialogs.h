#pragma once

// The file and folder choosers of the dialogs; a test hands in the next answer instead of a person.

#include <QString>
#include <QStringList>

class QWidget;

class TFileDialogs
{
public:
    // An empty result means the user cancelled.
    static QString ChooseFile(QWidget* parent, const QString& preset);
    static QString ChooseFolder(QWidget* parent, const QString& preset);

    // The answers of the next choosers, in order; an empty text answers "cancel".
    static void SetNextResults(const QStringList& results);
    // What the choosers were preset with since the answers were set.
    static QStringList Presets();

private:
    static bool TakeNext(const QString& preset, QString& result);
};
