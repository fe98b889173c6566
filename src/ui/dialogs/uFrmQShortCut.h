#pragma once

// The editor of one shortcut: its group, name, target (a file or a folder), parameters, window mode and
// whether it opens when Kestrune starts. It never writes to the catalogue; its caller does.

#include "model/uShortCut.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

class TfrmQShortCut : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmQShortCut(QWidget* parent = nullptr);
    ~TfrmQShortCut() override;

    // 0: a new shortcut; 1: an existing one, whose kind cannot change.
    void SetMode(int mode);
    // 0: the target is a file; 1: a folder (no parameters, no window mode).
    void SetKind(int kind);
    void SelectGroup(const QString& groupName);
    // From here on the dialog edits the given record itself.
    void LoadFrom(TQShortCut* shortCut);
    // Writes the controls into the edited record and returns it.
    TQShortCut* SaveTo();
    // Hands over the dialog's own record (the one a new shortcut is written into).
    std::unique_ptr<TQShortCut> TakeOwnShortCut();

    int Mode() const { return m_mode; }
    int Kind() const { return m_kind; }

    void RzEditShortCutButtonClick();
    void RzComboBoxAttChange();
    void RzDialogButtons1ClickOk();

private:
    void FormCreate();

    int m_mode = 0;
    int m_kind = 0;
    std::unique_ptr<TQShortCut> m_own;
    TQShortCut* ShortCut = nullptr;

    QComboBox* RzComboBoxGroupName;
    QLineEdit* RzEditText;
    QLineEdit* RzEditShortCut;
    QLabel* RzLabelParameters;
    QLineEdit* RzEditParameters;
    QLabel* RzLabelShowCmd;
    QComboBox* RzComboBoxShowCmd;
    QCheckBox* RzCheckBoxAutoRun;
    QComboBox* RzComboBoxAtt;
    QDialogButtonBox* RzDialogButtons1;
};
