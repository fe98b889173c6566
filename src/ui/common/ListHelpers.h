#pragma once

class QListWidget;

// Exchanges what two items of a list show (caption, icon, attached record, image, tick); the selection
// and the focus stay with the positions.
void SwapListItems(QListWidget* list, int first, int second);
