#pragma once

// Replaces a text in the stored target path of every shortcut of the catalogue, in all groups at once:
// a drive that changed its name, or a medium's mount point that should become %removedrive%.

#include <QDialog>

class QLineEdit;

class TfrmReplaceQShortCut : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmReplaceQShortCut(QWidget* parent = nullptr);

    void RzDialogButtons1ClickOk();

private:
    QLineEdit* RzEdit1;
    QLineEdit* RzEdit2;
};
