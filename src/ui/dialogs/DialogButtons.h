#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

// The OK and Cancel bar of every dialog, with its Chinese captions. OK is left to the dialog's own
// handler, which closes the dialog only when its checks pass; Cancel rejects.
inline QDialogButtonBox* MakeDialogButtons(QDialog* parent)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    buttons->setObjectName(QStringLiteral("RzDialogButtons1"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, parent, &QDialog::reject);
    return buttons;
}
