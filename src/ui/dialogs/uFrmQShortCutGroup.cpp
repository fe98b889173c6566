#include "ui/dialogs/uFrmQShortCutGroup.h"

#include "store/uDataModule.h"
#include "ui/common/Guard.h"
#include "ui/common/MessageBox.h"
#include "ui/dialogs/DialogButtons.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmQShortCutGroup::TfrmQShortCutGroup(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmQShortCutGroup"));
    setWindowTitle(QStringLiteral("快速启动分类"));
    RzEdit1 = new QLineEdit(QStringLiteral("请输入"), this);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->selectAll();
    auto* buttons = MakeDialogButtons(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("分类名称："), RzEdit1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setFixedSize(QSize(192, 66).expandedTo(sizeHint()));
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { RunGuarded(this, [this] { RzDialogButtons1ClickOk(); }); });
}

void TfrmQShortCutGroup::SetGroupName(const QString& name)
{
    RzEdit1->setText(name);
    RzEdit1->selectAll();
}

QString TfrmQShortCutGroup::GetGroupName() const
{
    return RzEdit1->text();
}

void TfrmQShortCutGroup::RzDialogButtons1ClickOk()
{
    const QString name = RzEdit1->text();
    if (name.isEmpty()) {
        TMessageBox::Error(this, QStringLiteral("请输入类别名称"));
        return;
    }
    // The catalogue holds 50 characters of a group name; say so here rather than fail in the store.
    if (name.size() > MaxGroupName) {
        TMessageBox::Error(this, QStringLiteral("类别名称不能超过%1个字符").arg(MaxGroupName));
        return;
    }
    if (dm->GroupExists(name)) {
        TMessageBox::Error(this, QStringLiteral("存在同名类别"));
        return;
    }
    accept();
}
