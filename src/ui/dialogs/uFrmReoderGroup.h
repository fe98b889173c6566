#pragma once

// Shows the groups in their order and lets the user move one at a time up or down; OK stores the new
// order when anything moved.

#include <QDialog>

class QListWidget;
class QPushButton;

class TfrmReorderGroup : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmReorderGroup(QWidget* parent = nullptr);

    bool OrderChanged = false;

    void RzButton1Click(); // up
    void RzButton2Click(); // down
    void RzDialogButtons1ClickOk();
    void RzDialogButtons1ClickCancel();

private:
    void Move(int from, int to);

    QListWidget* RzListBox1;
    QPushButton* RzButton1;
    QPushButton* RzButton2;
};
