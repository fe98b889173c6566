#pragma once

// The main window: the groups as tabs over a large-icon list of the current group's shortcuts, two
// toolbars, a status bar with a progress pane, three popup menus and the tray icon. The handlers are
// split by concern: layout and filling (uFrmMain.cpp), commands (uFrmMainCommands.cpp), the dialog
// commands (uFrmMainDialogCommands.cpp) and drag and drop (uFrmMainDragDrop.cpp).

#include <QIcon>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QListWidgetItem;
class QMenu;
class QMimeData;
class QProgressBar;
class QSystemTrayIcon;
class QToolBar;
class TGroupTabBar;
class TQShortCut;
class TShortCutListView;

class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Start-up: window state, list set-up, the removable-drive check, the autorun launches, the tabs and
    // the first fill. Called once by the program entry after construction.
    void FormCreate();

    // Layout and display
    QString GetCurrentGroupName() const;
    void LoadGroupTabs();
    void AddGroupTab(const QString& groupName);
    void LoadShortCutList(const QString& groupName);
    void SetStatusText(const QString& text);
    void UpdateActionStates();
    void CheckRemoveDrive();

    // The window's own group and shortcut operations, shared by the handlers
    void CreateGroup(const QString& groupName);
    void ChangeGroupName(const QString& oldName, const QString& newName);
    void DeleteCurrentGroup();
    void AppendShortCut(std::unique_ptr<TQShortCut> shortCut);
    void DeleteShortCutItem(int shortCutIndex);

    // Commands
    void ActionRunExecute();
    void ActionNewGroupExecute();
    void ActionRenameGroupExecute();
    void ActionDelGroupExecute();
    void ActionReorderGroupExecute();
    void ActionNewFileExecute();
    void ActionUpdateScExecute();
    void ActionDelScExecute();
    void ActionDeltreeExecute();
    void ActionCleanQShortCutExecute();
    void ActionOpenFolderExecute();
    void ActionRefreshExecute();
    void ActionRefreshIconCacheExecute();
    void ActionExitExecute();
    void ActionSearchScExecute();
    void ActionReplaceQShortCutExecute();
    void ActionOptionExecute();
    void ActionListAutoRunExecute();
    void ActionFavExecute();
    void ActionAboutExecute();
    void ListView1DblClick();

    // Drag and drop
    void TabControl1DragDrop(int tabIndex);
    void ListView1DragDrop(QListWidgetItem* target);
    void ListView1MouseMove(QListWidgetItem* itemUnderMouse);
    // Files and folders dropped from a file manager, in the order the drop lists them.
    void DropFiles(const QStringList& paths);

    // Window-size presets of the tray menu
    void N400x3001Click();
    void N640x4801Click();
    void N800x6001Click();
    void CoolTrayIcon1MouseDown();

    // The controls, for the commands and for tests that drive the window.
    TGroupTabBar* TabControl1 = nullptr;
    TShortCutListView* ListView1 = nullptr;
    QToolBar* RzToolbar1 = nullptr;
    QToolBar* RzToolbar2 = nullptr;
    QCheckBox* RzCheckBoxDisplayNoExist = nullptr;
    QLabel* RzStatusPane1 = nullptr;
    QProgressBar* RzProgressStatus1 = nullptr;
    QLabel* RzStatusPane2 = nullptr;
    QSystemTrayIcon* CoolTrayIcon1 = nullptr;
    QMenu* PopupMenuGroup = nullptr;
    QMenu* PopupMenulistview = nullptr;
    QMenu* PopupMenuTray = nullptr;

    QAction* ActionNewGroup = nullptr;
    QAction* ActionDelGroup = nullptr;
    QAction* ActionNewFile = nullptr;
    QAction* ActionUpdateSc = nullptr;
    QAction* ActionDelSc = nullptr;
    QAction* ActionSearchSc = nullptr;
    QAction* ActionRefresh = nullptr;
    QAction* ActionOption = nullptr;
    QAction* ActionAbout = nullptr;
    QAction* ActionListAutoRun = nullptr;
    QAction* ActionDeltree = nullptr;
    QAction* ActionOpenFolder = nullptr;
    QAction* ActionCleanQShortCut = nullptr;
    QAction* ActionReplaceQShortCut = nullptr;
    QAction* ActionRun = nullptr;
    QAction* ActionExit = nullptr;
    QAction* ActionRefreshIconCache = nullptr;
    QAction* ActionFav = nullptr;
    QAction* ActionRenameGroup = nullptr;
    QAction* ActionReorderGroup = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QIcon m_defaultIcon; // image 0, made once and shared by every item of a missing target

    void CreateActions();
    void CreateControls();
    void CreateTrayIcon();
    // Appends one item for a record by the fill's rule; false when the record is not shown.
    bool AddShortCutItem(std::unique_ptr<TQShortCut>& shortCut, bool targetExists, bool displayNoExist);
    void RefillList();
    TQShortCut* SelectedRecord() const;
    void RzCheckBoxDisplayNoExistClick();
    void TabControl1Change();
    void PopupMenulistviewPopup();
    bool TrayAvailable() const;
};
