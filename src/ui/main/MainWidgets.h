#pragma once

// The two drop targets of the main window: the tab strip, which takes shortcuts dragged from the list, and
// the list, which exchanges two shortcuts and takes files dropped from a file manager.

#include <QListWidget>
#include <QTabBar>

class QDropEvent;
class QMimeData;

class TGroupTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit TGroupTabBar(QWidget* parent = nullptr);

    // Tabs carry the group name itself; the caption shows it with '&' kept literal.
    int AddGroup(const QString& groupName);
    QString GroupName(int index) const;
    void SetGroupName(int index, const QString& groupName);

Q_SIGNALS:
    // A drag from the shortcut list ended over the tab at index (-1: over no tab).
    void ShortCutsDropped(int index);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class TShortCutListView : public QListWidget
{
    Q_OBJECT

public:
    explicit TShortCutListView(QWidget* parent = nullptr);

Q_SIGNALS:
    void ShortCutDropped(QListWidgetItem* target);
    void FilesDropped(const QStringList& paths);
    void MouseMoved(QListWidgetItem* itemUnderMouse);
    void DoubleClicked();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The local files of a drop, in the order it lists them; anything that is not a local file is skipped.
QStringList LocalFilesOf(const QMimeData* mime);
// The local files of a drop, taken as a copy; the drop is ignored when it carries none.
QStringList TakeLocalFiles(QDropEvent* event);
