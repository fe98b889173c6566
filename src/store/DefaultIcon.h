#pragma once

#include <QImage>

// The 32x32 picture shown for a shortcut whose target is missing: a folder behind a page, with a red
// warning mark at the lower left.
QImage DefaultShortCutIcon();
