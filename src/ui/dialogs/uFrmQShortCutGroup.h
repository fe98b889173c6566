#pragma once

// Asks for a group name, for a new group or for renaming one; refuses an empty name, one longer than the
// catalogue holds, and one that exists already.

#include <QDialog>

class QLineEdit;

class TfrmQShortCutGroup : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxGroupName = 50;

    explicit TfrmQShortCutGroup(QWidget* parent = nullptr);

    void SetGroupName(const QString& name);
    QString GetGroupName() const;

    void RzDialogButtons1ClickOk();

private:
    QLineEdit* RzEdit1;
};
