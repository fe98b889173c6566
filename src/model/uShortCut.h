#pragma once

// One catalogue entry: a named reference to a program, document or folder, with what it takes to open it.

#include <QImage>
#include <QString>

#include <memory>
#include <vector>

class TQShortCut
{
public:
    // The size of a captured picture, which is also the size of the main list's images.
    static constexpr int IconSize = 32;

    int ShortCutIndex = 0;
    QString GroupName;
    QString ScText;
    QString Path;
    QString Parameters;
    QImage Icon; // a null image is the empty picture
    int ShowCmd = 5;
    bool AutoRun = false;
    int RunCount = 0;
    bool IsDir = false;

    // The stored path with a leading variable reference expanded: the target as it is today.
    QString Target() const;

    // Takes a 32x32 picture of the target's icon on white; a white square when there is none.
    void CaptureIcon();
    bool PathIsEmpty() const { return Path.isEmpty(); }
    bool TargetExists() const;

    // Opens the target and counts the run, also when the launch failed; a launch that could not be made
    // at all then raises Exception naming the target.
    void Run();
    // Opens the folder that holds the target (the target itself for a folder shortcut).
    void OpenFolder();
};

using TQShortCutList = std::vector<std::unique_ptr<TQShortCut>>;

// The picture that stands for a target without an icon.
QImage WhiteSquare();
