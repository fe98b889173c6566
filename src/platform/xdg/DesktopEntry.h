#pragma once

// Reading of freedesktop Desktop Entry files, as far as launching and icons need them.

#include <QString>
#include <QStringList>

namespace Platform::Xdg {

struct DesktopEntry
{
    QString FilePath;
    QString Name;
    QString Exec;
    QString Icon;
    QString Path; // working folder
    bool Valid = false;
};

DesktopEntry ReadDesktopEntry(const QString& filePath);

// Splits an Exec value into program and arguments after the Desktop Entry rules: string escapes first,
// then double-quote quoting; field codes for files and URLs are dropped, %i, %c and %k expanded.
QStringList SplitExec(const DesktopEntry& entry);

// Quotes one argument for an Exec value (the quoting rule, then the string escapes, '%' doubled).
QString QuoteExecArgument(const QString& argument);

// The Icon= of an installed application entry whose program is this file; empty when none is known.
QString IconOfInstalledProgram(const QString& programPath);

} // namespace Platform::Xdg
