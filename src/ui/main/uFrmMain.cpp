#include "ui/main/uFrmMain.h"

#include "common/Exception.h"
#include "settings/uEnvironment.h"
#include "store/RemoveDrive.h"
#include "store/uDataModule.h"
#include "ui/art/Artwork.h"
#include "ui/common/Guard.h"
#include "ui/common/MessageBox.h"
#include "ui/common/ShortCutItem.h"
#include "ui/common/WaitCursor.h"
#include "ui/main/MainWidgets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QIcon DefaultIcon()
{
    return QIcon(QPixmap::fromImage(dm->IconList.Image(0)));
}

// Suspends a widget's painting for a scope.
class TUpdatesSuspended
{
public:
    explicit TUpdatesSuspended(QWidget* widget) : m_widget(widget), m_was(widget->updatesEnabled())
    {
        widget->setUpdatesEnabled(false);
    }
    ~TUpdatesSuspended() { m_widget->setUpdatesEnabled(m_was); }

private:
    QWidget* m_widget;
    bool m_was;
};

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kestrune"));
    setWindowIcon(Artwork::ApplicationIcon());
    setAcceptDrops(true);
    CreateActions();
    CreateControls();
    CreateTrayIcon();
    resize(640, 480);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateControls()
{
    RzToolbar1 = addToolBar(QStringLiteral("RzToolbar1"));
    RzToolbar1->setObjectName(QStringLiteral("RzToolbar1"));
    RzToolbar1->setIconSize(QSize(16, 16));
    RzToolbar1->setMovable(false);
    RzToolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    RzToolbar1->addActions({ActionNewGroup, ActionRenameGroup, ActionDelGroup, ActionReorderGroup});
    RzToolbar1->addSeparator();
    RzToolbar1->addActions({ActionSearchSc, ActionCleanQShortCut, ActionFav});
    RzToolbar1->addSeparator();
    RzToolbar1->addActions({ActionListAutoRun, ActionOption, ActionAbout});
    // An action without a hint shows no tooltip (Qt would show its caption instead).
    for (QAction* action : RzToolbar1->actions()) {
        QWidget* button = RzToolbar1->widgetForAction(action);
        if (button && action->statusTip().isEmpty())
            button->installEventFilter(this);
    }

    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabControl1Page"));
    TabControl1 = new TGroupTabBar(page);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1 = new TShortCutListView(page);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setToolTip(QStringLiteral("拖动图标到标签页可以改变所属分类"));
    QPalette palette = ListView1->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    ListView1->setPalette(palette);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);

    RzToolbar2 = new QToolBar(QStringLiteral("RzToolbar2"), page);
    RzToolbar2->setObjectName(QStringLiteral("RzToolbar2"));
    RzToolbar2->setIconSize(QSize(16, 16));
    RzToolbar2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    RzToolbar2->addActions({ActionNewFile, ActionUpdateSc, ActionDelSc, ActionDeltree, ActionRefresh});
    RzToolbar2->addSeparator();
    RzCheckBoxDisplayNoExist = new QCheckBox(QStringLiteral("显示失效快捷方式"), RzToolbar2);
    RzCheckBoxDisplayNoExist->setObjectName(QStringLiteral("RzCheckBoxDisplayNoExist"));
    RzToolbar2->addWidget(RzCheckBoxDisplayNoExist);
    // This bar shows its captions and no tooltips.
    for (QAction* action : RzToolbar2->actions()) {
        if (QWidget* button = RzToolbar2->widgetForAction(action))
            button->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(0);
    layout->addWidget(TabControl1);
    layout->addWidget(ListView1, 1);
    layout->addWidget(RzToolbar2);
    setCentralWidget(page);

    RzStatusPane1 = new QLabel(this);
    RzStatusPane1->setObjectName(QStringLiteral("RzStatusPane1"));
    RzProgressStatus1 = new QProgressBar(this);
    RzProgressStatus1->setObjectName(QStringLiteral("RzProgressStatus1"));
    RzProgressStatus1->setRange(0, 0);
    RzProgressStatus1->setValue(0);
    RzProgressStatus1->setTextVisible(false);
    RzProgressStatus1->setFixedWidth(120);
    RzStatusPane2 = new QLabel(this);
    RzStatusPane2->setObjectName(QStringLiteral("RzStatusPane2"));
    RzStatusPane2->setMinimumWidth(60);
    statusBar()->addWidget(RzStatusPane1, 1);
    statusBar()->addPermanentWidget(RzProgressStatus1);
    statusBar()->addPermanentWidget(RzStatusPane2);
    statusBar()->setSizeGripEnabled(true);

    PopupMenuGroup = new QMenu(this);
    PopupMenuGroup->setObjectName(QStringLiteral("PopupMenuGroup"));
    PopupMenuGroup->addActions({ActionRenameGroup, ActionDelGroup});

    PopupMenulistview = new QMenu(this);
    PopupMenulistview->setObjectName(QStringLiteral("PopupMenulistview"));
    PopupMenulistview->addAction(ActionOpenFolder);
    PopupMenulistview->addSeparator();
    PopupMenulistview->addActions({ActionUpdateSc, ActionDelSc});
    // The two catalogue-wide commands live here, where a user who looks for them finds them.
    PopupMenulistview->addSeparator();
    PopupMenulistview->addActions({ActionReplaceQShortCut, ActionRefreshIconCache});

    connect(TabControl1, &QTabBar::currentChanged, this,
            [this] { RunGuarded(this, [this] { TabControl1Change(); }); });
    connect(TabControl1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenuGroup->popup(TabControl1->mapToGlobal(pos)); });
    connect(TabControl1, &TGroupTabBar::ShortCutsDropped, this,
            [this](int index) { RunGuarded(this, [&] { TabControl1DragDrop(index); }); });
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenulistview->popup(ListView1->viewport()->mapToGlobal(pos)); });
    connect(PopupMenulistview, &QMenu::aboutToShow, this, [this] { PopupMenulistviewPopup(); });
    connect(ListView1, &QListWidget::itemSelectionChanged, this, [this] { UpdateActionStates(); });
    connect(ListView1, &TShortCutListView::DoubleClicked, this,
            [this] { RunGuarded(this, [this] { ListView1DblClick(); }); });
    connect(ListView1, &TShortCutListView::ShortCutDropped, this,
            [this](QListWidgetItem* target) { RunGuarded(this, [&] { ListView1DragDrop(target); }); });
    connect(ListView1, &TShortCutListView::FilesDropped, this,
            [this](const QStringList& paths) { RunGuarded(this, [&] { DropFiles(paths); }); });
    connect(ListView1, &TShortCutListView::MouseMoved, this,
            [this](QListWidgetItem* item) { ListView1MouseMove(item); });
    connect(RzCheckBoxDisplayNoExist, &QCheckBox::clicked, this,
            [this] { RunGuarded(this, [this] { RzCheckBoxDisplayNoExistClick(); }); });
}

bool TfrmMain::TrayAvailable() const
{
    return CoolTrayIcon1 && QSystemTrayIcon::isSystemTrayAvailable();
}

void TfrmMain::CreateTrayIcon()
{
    PopupMenuTray = new QMenu(this);
    PopupMenuTray->setObjectName(QStringLiteral("PopupMenuTray"));
    QMenu* window = PopupMenuTray->addMenu(QStringLiteral("窗口"));
    window->setObjectName(QStringLiteral("N1"));
    window->addAction(QStringLiteral("400x300"), this, [this] { N400x3001Click(); });
    window->addAction(QStringLiteral("640x480"), this, [this] { N640x4801Click(); });
    window->addAction(QStringLiteral("800x600"), this, [this] { N800x6001Click(); });
    PopupMenuTray->addAction(ActionOption);
    PopupMenuTray->addAction(ActionExit);

    CoolTrayIcon1 = new QSystemTrayIcon(Artwork::ApplicationIcon(), this);
    CoolTrayIcon1->setObjectName(QStringLiteral("CoolTrayIcon1"));
    CoolTrayIcon1->setToolTip(QStringLiteral("Kestrune"));
    CoolTrayIcon1->setContextMenu(PopupMenuTray);
    connect(CoolTrayIcon1, &QSystemTrayIcon::activated, this, [this] { CoolTrayIcon1MouseDown(); });
    CoolTrayIcon1->show();
}

void TfrmMain::FormCreate()
{
    setWindowState(AppEnvironment && AppEnvironment->GetMinimizeToSystemTray() ? Qt::WindowMinimized
                                                                               : Qt::WindowNoState);
    for (QAction* action : {ActionDelSc, ActionUpdateSc, ActionDeltree, ActionOpenFolder})
        action->setEnabled(false);
    if (!AppEnvironment)
        throw Exception(QStringLiteral("The catalogue database is not open"));
    RzCheckBoxDisplayNoExist->setChecked(AppEnvironment->GetDisplayNoExistShortCut());
    if (AppEnvironment->GetAutoCorrectRemoveDriveValue())
        CheckRemoveDrive();

    // The autorun set opens before anything is shown; one launch that fails does not keep the others back.
    TQShortCutList autoRun;
    dm->LoadAutoRunShortCuts(autoRun);
    QStringList failures;
    for (const auto& shortCut : autoRun) {
        try {
            shortCut->Run();
        } catch (const Exception& e) {
            failures << e.Message();
        }
    }
    LoadGroupTabs();
    LoadShortCutList(GetCurrentGroupName());
    if (!failures.isEmpty())
        throw Exception(failures.join(QLatin1Char('\n')));
}

void TfrmMain::CheckRemoveDrive()
{
    ProbeRemoveDrive(*dm, *AppEnvironment);
}

QString TfrmMain::GetCurrentGroupName() const
{
    const int index = TabControl1->currentIndex();
    return index < 0 ? QString() : TabControl1->GroupName(index);
}

void TfrmMain::LoadGroupTabs()
{
    // Selecting a tab from code is not the user changing tabs: nothing is refilled here.
    const QSignalBlocker blocker(TabControl1);
    while (TabControl1->count() > 0)
        TabControl1->removeTab(0);
    QStringList groups;
    dm->LoadGroupNames(groups);
    for (const QString& group : std::as_const(groups))
        TabControl1->AddGroup(group);
    if (TabControl1->count() > 0)
        TabControl1->setCurrentIndex(0);
}

void TfrmMain::AddGroupTab(const QString& groupName)
{
    const QSignalBlocker blocker(TabControl1);
    const int current = TabControl1->currentIndex();
    TabControl1->AddGroup(groupName);
    TabControl1->setCurrentIndex(current);
}

void TfrmMain::SetStatusText(const QString& text)
{
    RzStatusPane1->setText(text);
}

bool TfrmMain::AddShortCutItem(std::unique_ptr<TQShortCut>& shortCut, bool targetExists, bool displayNoExist)
{
    if (targetExists) {
        if (shortCut->Icon.isNull())
            shortCut->CaptureIcon(); // in memory only; the store keeps what it has
        // The record, the image list and the item's icon share one picture buffer: the pixmap takes the
        // record's picture over in place and hands it back as a shared copy.
        const QPixmap pixmap = QPixmap::fromImage(std::move(shortCut->Icon));
        shortCut->Icon = pixmap.toImage();
        const int image = dm->IconList.Add(shortCut->Icon);
        ListView1->addItem(new TShortCutItem(std::move(shortCut), image, QIcon(pixmap)));
        return true;
    }
    if (!displayNoExist)
        return false;
    ListView1->addItem(new TShortCutItem(std::move(shortCut), 0, m_defaultIcon));
    return true;
}

void TfrmMain::LoadShortCutList(const QString& groupName)
{
    if (groupName.isEmpty())
        return;
    TWaitCursor wait;
    if (m_defaultIcon.isNull())
        m_defaultIcon = DefaultIcon();
    ListView1->clear();
    dm->IconList.Truncate(1);
    TQShortCutList shortCuts;
    dm->LoadShortCuts(groupName, shortCuts);

    TUpdatesSuspended suspended(ListView1);
    SetStatusText(QStringLiteral("正在载入数据..."));
    RzProgressStatus1->setRange(0, int(shortCuts.size()));
    RzProgressStatus1->setValue(0);
    // The option is read once a fill needs it, not once per missing target.
    std::optional<bool> displayNoExist;
    // The bar repaints at every new value, so it moves in steps of a hundredth.
    const int step = qMax(1, int(shortCuts.size()) / 100);
    int done = 0;
    for (auto& shortCut : shortCuts) {
        const bool exists = shortCut->TargetExists();
        if (!exists && !displayNoExist)
            displayNoExist = AppEnvironment->GetDisplayNoExistShortCut();
        AddShortCutItem(shortCut, exists, displayNoExist.value_or(true));
        if (++done % step == 0 || done == int(shortCuts.size()))
            RzProgressStatus1->setValue(done);
    }
    RzProgressStatus1->setValue(0);
    SetStatusText(QString());
}

void TfrmMain::RefillList()
{
    LoadShortCutList(GetCurrentGroupName());
}

TQShortCut* TfrmMain::SelectedRecord() const
{
    const QList<QListWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    // The first selected item in list order, whatever order the selection was made in.
    QListWidgetItem* first = selected.first();
    for (QListWidgetItem* item : selected) {
        if (ListView1->row(item) < ListView1->row(first))
            first = item;
    }
    return RecordOf(first);
}

void TfrmMain::UpdateActionStates()
{
    const TQShortCut* first = SelectedRecord();
    ActionUpdateSc->setEnabled(first);
    ActionDelSc->setEnabled(first);
    ActionOpenFolder->setEnabled(first);
    ActionDeltree->setEnabled(first && !first->IsDir);
}

void TfrmMain::PopupMenulistviewPopup()
{
    UpdateActionStates();
}

void TfrmMain::TabControl1Change()
{
    RefillList();
}

void TfrmMain::RzCheckBoxDisplayNoExistClick()
{
    AppEnvironment->SetDisplayNoExistShortCut(RzCheckBoxDisplayNoExist->isChecked());
}

void TfrmMain::ListView1MouseMove(QListWidgetItem* itemUnderMouse)
{
    const TQShortCut* shortCut = RecordOf(itemUnderMouse);
    SetStatusText(shortCut ? shortCut->Path : QString());
}

static void ResizeOuter(QWidget* window, int width, int height)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->resize(width - frame.width(), height - frame.height());
}

void TfrmMain::N400x3001Click()
{
    ResizeOuter(this, 400, 300);
}

void TfrmMain::N640x4801Click()
{
    ResizeOuter(this, 640, 480);
}

void TfrmMain::N800x6001Click()
{
    ResizeOuter(this, 800, 600);
}

void TfrmMain::CoolTrayIcon1MouseDown()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    showNormal();
    raise();
    activateWindow();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Minimised windows go to the tray only when there is a tray to bring them back from.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && TrayAvailable())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
}
