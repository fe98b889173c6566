#include "ui/dialogs/uFrmReoderGroup.h"

#include "store/uDataModule.h"
#include "ui/common/Guard.h"
#include "ui/dialogs/DialogButtons.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmReorderGroup::TfrmReorderGroup(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReorderGroup"));
    setWindowTitle(QStringLiteral("重排序"));
    RzListBox1 = new QListWidget(this);
    RzListBox1->setObjectName(QStringLiteral("RzListBox1"));
    RzButton1 = new QPushButton(QStringLiteral("向上"), this);
    RzButton1->setObjectName(QStringLiteral("RzButton1"));
    RzButton2 = new QPushButton(QStringLiteral("向下"), this);
    RzButton2->setObjectName(QStringLiteral("RzButton2"));
    auto* buttons = MakeDialogButtons(this);

    auto* side = new QVBoxLayout;
    side->addWidget(RzButton1);
    side->addWidget(RzButton2);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(RzListBox1, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedSize(QSize(242, 268).expandedTo(sizeHint()));

    connect(RzButton1, &QPushButton::clicked, this, [this] { RzButton1Click(); });
    connect(RzButton2, &QPushButton::clicked, this, [this] { RzButton2Click(); });
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { RunGuarded(this, [this] { RzDialogButtons1ClickOk(); }); });

    OrderChanged = false;
    QStringList groups;
    dm->LoadGroupNames(groups);
    RzListBox1->addItems(groups);
}

void TfrmReorderGroup::Move(int from, int to)
{
    QListWidgetItem* item = RzListBox1->takeItem(from);
    RzListBox1->insertItem(to, item);
    RzListBox1->setCurrentRow(to);
    OrderChanged = true;
}

void TfrmReorderGroup::RzButton1Click()
{
    const int i = RzListBox1->currentRow();
    if (RzListBox1->count() >= 2 && i > 0 && RzListBox1->currentItem()->isSelected())
        Move(i, i - 1);
}

void TfrmReorderGroup::RzButton2Click()
{
    const int i = RzListBox1->currentRow();
    if (RzListBox1->count() >= 2 && i >= 0 && i < RzListBox1->count() - 1 &&
        RzListBox1->currentItem()->isSelected())
        Move(i, i + 1);
}

void TfrmReorderGroup::RzDialogButtons1ClickOk()
{
    if (OrderChanged) {
        for (int p = 0; p < RzListBox1->count(); ++p)
            dm->SetGroupIndex(RzListBox1->item(p)->text(), p + 1);
    }
    accept();
}

void TfrmReorderGroup::RzDialogButtons1ClickCancel()
{
    reject();
}
