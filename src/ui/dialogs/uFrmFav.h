#pragma once

// The ten most-run file shortcuts as large icons; the one the user double-clicks or confirms with Enter is
// launched and the window closes.

#include "store/uDataModule.h"

#include <QDialog>

class QListWidget;

class TfrmFav : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmFav(QWidget* parent = nullptr);

    // Launches the first selected shortcut, in list order, and closes; nothing happens with none selected.
    void Action1Execute();
    void ListView1DblClick();
    void ListView1KeyPress(QChar key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    QListWidget* ListView1;
    // Picture 0 is the one shown for a missing target.
    TImageList ImageList2;
};
