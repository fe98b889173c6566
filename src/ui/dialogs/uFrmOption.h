#pragma once

// The options: starting with the desktop session, starting minimised to the tray, the drive that
// %removedrive% names, and whether that value is corrected at start.

#include <QDialog>

class QCheckBox;
class QComboBox;

class TfrmOption : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmOption(QWidget* parent = nullptr);

    void RzDialogButtons1ClickOk();

private:
    void FormCreate();
    void FillDrives();

    QCheckBox* RzCheckBoxAutoRun;
    QCheckBox* RzCheckBoxMinimizeToSystemTray;
    QComboBox* RzComboBoxDrive;
    QCheckBox* RzCheckBoxARDV;
};
