#pragma once

// Batch creation: scans a folder tree for files that match a mask, keeps the best-named file of each folder
// and score, and files a shortcut for every one of them into the chosen or typed group.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QStatusBar;

// What one run searches, as the controls stood when OK was pressed.
struct TSearchInfo
{
    QString Dir;
    QString Mask;
    bool LimitDepth = false;
    bool AllSubDirs = false;
    int Depth = 0;
};

class TfrmSearch : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSearch(QWidget* parent = nullptr);

    void ShowStatus(const QString& text);
    // The group box's text as typed or chosen, blanks and all.
    QString GetGroupName() const;

    void RzButtonEditPathButtonClick();
    void RzCheckBox1Click();
    void RzCheckBox2Click();
    void RzDialogButtons1ClickOk();

Q_SIGNALS:
    // Every text the status pane shows, in order, so that the progress of a run can be followed.
    void StatusShown(const QString& text);

public Q_SLOTS:
    // Refused while a run is under way, so that closing the window cannot cut a batch in half.
    void reject() override;

private:
    void FormCreate();
    TSearchInfo SearchInfo() const;
    // Runs the scan off the window's thread and keeps the window painting until it is done.
    QStringList FindMatchingFiles(const TSearchInfo& info);
    void CreateShortCuts(const QStringList& found, const QString& groupName);

    bool m_busy = false;

    QLineEdit* RzEditFile;
    QLineEdit* RzButtonEditPath;
    QCheckBox* RzCheckBox1;
    QCheckBox* RzCheckBox2;
    QSpinBox* RzNumericEdit1;
    QComboBox* RzComboBox1;
    QDialogButtonBox* RzDialogButtons1;
    QStatusBar* RzStatusBar1;
    QLabel* RzStatusPane1;
    QProgressBar* RzProgressStatus1;
};
