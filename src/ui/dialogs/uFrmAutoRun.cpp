#include "ui/dialogs/uFrmAutoRun.h"

#include "store/uDataModule.h"
#include "ui/common/Guard.h"
#include "ui/common/ShortCutItem.h"
#include "ui/dialogs/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

TfrmAutoRun::TfrmAutoRun(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAutoRun"));
    setWindowTitle(QStringLiteral("自动运行列表"));

    RzListView1 = new QListWidget(this);
    RzListView1->setObjectName(QStringLiteral("RzListView1"));
    RzListView1->setViewMode(QListView::ListMode);
    RzListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    RzListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RzListView1->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* n1 = PopupMenu1->addAction(QStringLiteral("清除选择"));
    n1->setObjectName(QStringLiteral("N1"));
    QAction* n2 = PopupMenu1->addAction(QStringLiteral("反向选择"));
    n2->setObjectName(QStringLiteral("N2"));

    auto* hint = new QLabel(QStringLiteral("没有选择的项目将不再随Kestrune开启"), this);
    hint->setObjectName(QStringLiteral("RzLabel1"));
    QFont hintFont = hint->font();
    hintFont.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体")});
    hintFont.setPointSize(9);
    hint->setFont(hintFont);
    QPalette hintPalette = hint->palette();
    hintPalette.setColor(QPalette::WindowText, hintPalette.color(QPalette::Highlight));
    hint->setPalette(hintPalette);
    auto* buttons = MakeDialogButtons(this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hint);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RzListView1, 1);
    layout->addLayout(bottom);
    resize(QSize(392, 266).expandedTo(sizeHint()));

    connect(RzListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(RzListView1->viewport()->mapToGlobal(pos)); });
    connect(n1, &QAction::triggered, this, [this] { N1Click(); });
    connect(n2, &QAction::triggered, this, [this] { N2Click(); });
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { RunGuarded(this, [this] { RzDialogButtons1ClickOk(); }); });
    FormCreate();
}

void TfrmAutoRun::FormCreate()
{
    RzListView1->clear();
    TQShortCutList shortCuts;
    dm->LoadAutoRunShortCuts(shortCuts);
    const bool updates = RzListView1->updatesEnabled();
    RzListView1->setUpdatesEnabled(false);
    for (auto& shortCut : shortCuts) {
        auto* item = new TShortCutItem(std::move(shortCut), -1, QIcon());
        item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
        item->setCheckState(Qt::Checked);
        RzListView1->addItem(item);
    }
    RzListView1->setUpdatesEnabled(updates);
}

void TfrmAutoRun::N1Click()
{
    for (int row = 0; row < RzListView1->count(); ++row)
        RzListView1->item(row)->setCheckState(Qt::Unchecked);
}

void TfrmAutoRun::N2Click()
{
    for (int row = 0; row < RzListView1->count(); ++row) {
        QListWidgetItem* item = RzListView1->item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void TfrmAutoRun::RzDialogButtons1ClickOk()
{
    // Only the ticks count; what is highlighted does not.
    for (int row = 0; row < RzListView1->count(); ++row) {
        QListWidgetItem* item = RzListView1->item(row);
        if (item->checkState() != Qt::Checked)
            dm->ClearAutoRun(RecordOf(item)->ShortCutIndex);
    }
    accept();
}
