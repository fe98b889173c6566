#pragma once

// Kestrune's own pictures, drawn in code so the program ships no image files and looks the same under any
// desktop theme. Toolbar pictures are laid out on a 16-pixel grid and scale cleanly to double size for
// high-density screens; the application emblem has its own simpler drawing for the smallest sizes.

#include <QIcon>
#include <QImage>

namespace Artwork {

// Toolbar and menu pictures, numbered the way the toolbar's image list has always been numbered.
enum ToolbarPicture
{
    NewGroup = 0,
    DeleteGroup = 1,
    RenameGroup = 2,
    ReorderGroups = 3,
    Settings = 4,
    StartupList = 5,
    About = 6,
    NewShortcut = 7,
    BlankPage = 8,
    EditShortcut = 9,
    DeleteShortcut = 10,
    PhysicalDelete = 11,
    TrashCan = 12,
    Search = 13,
    ReplaceText = 14,
    CleanUp = 15,
    Refresh = 16,
    ArrowUp = 17,
    ArrowDown = 18,
    OpenFolder = 19,
    ClosedFolder = 20,
    StarOutline = 21,
    RefreshIconCache = 22,
    PlusSign = 23,
    MinusSign = 24,
    CheckMark = 25,
    Favourites = 26,
    Exit = 27,
    ToolbarPictureCount = 28
};

// A toolbar picture with 16 and 32 pixel renderings; a null icon for an index outside 0..27.
QIcon ToolbarIcon(int index);
// One rendering of a toolbar picture: premultiplied ARGB on a transparent background, size by size pixels.
// A null image for an index outside 0..27 or a size below 1.
QImage ToolbarImage(int index, int size = 16);

// The program's own emblem for the title bar, tray and about box, rendered at 16, 22, 32, 48, 64 and 128.
QIcon ApplicationIcon();
QImage ApplicationImage(int size);

} // namespace Artwork
