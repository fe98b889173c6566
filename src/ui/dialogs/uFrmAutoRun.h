#pragma once

// The shortcuts that open whenever Kestrune starts, each with a tick; OK takes the unticked ones off that
// list. Putting a shortcut on it is the editor's business.

#include <QDialog>

class QListWidget;
class QMenu;

class TfrmAutoRun : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAutoRun(QWidget* parent = nullptr);

    void N1Click(); // clear the ticks
    void N2Click(); // invert the ticks
    void RzDialogButtons1ClickOk();

private:
    void FormCreate();

    QListWidget* RzListView1;
    QMenu* PopupMenu1;
};
