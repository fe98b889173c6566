#include "ui/main/MainWidgets.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QUrl>

QStringList LocalFilesOf(const QMimeData* mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    }
    return paths;
}

QStringList TakeLocalFiles(QDropEvent* event)
{
    const QStringList paths = LocalFilesOf(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
    } else {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
    return paths;
}

static bool IsFromShortCutList(const QDropEvent* event)
{
    return qobject_cast<TShortCutListView*>(event->source()) != nullptr;
}

TGroupTabBar::TGroupTabBar(QWidget* parent) : QTabBar(parent)
{
    setAcceptDrops(true);
    setExpanding(false);
    setMovable(false);
    setUsesScrollButtons(true);
}

int TGroupTabBar::AddGroup(const QString& groupName)
{
    QString caption = groupName;
    const int index = addTab(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    setTabData(index, groupName);
    return index;
}

QString TGroupTabBar::GroupName(int index) const
{
    return tabData(index).toString();
}

void TGroupTabBar::SetGroupName(int index, const QString& groupName)
{
    QString caption = groupName;
    setTabText(index, caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    setTabData(index, groupName);
}

void TGroupTabBar::dragEnterEvent(QDragEnterEvent* event)
{
    if (IsFromShortCutList(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TGroupTabBar::dragMoveEvent(QDragMoveEvent* event)
{
    if (IsFromShortCutList(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TGroupTabBar::dropEvent(QDropEvent* event)
{
    if (!IsFromShortCutList(event)) {
        event->ignore();
        return;
    }
    // Taken as a copy: the list removes the moved items itself, the drag must not remove them again.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT ShortCutsDropped(tabAt(event->position().toPoint()));
}

namespace {

// Every cell of the icon view has the same size, so the view lays out thousands of items without
// measuring each caption; long captions wrap and elide inside the cell.
class TCellDelegate : public QStyledItemDelegate
{
public:
    TCellDelegate(QSize cell, QObject* parent) : QStyledItemDelegate(parent), m_cell(cell) {}
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return m_cell; }

private:
    QSize m_cell;
};

} // namespace

TShortCutListView::TShortCutListView(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setIconSize(QSize(32, 32));
    setGridSize(QSize(84, 64));
    setWordWrap(true);
    setUniformItemSizes(true);
    setItemDelegate(new TCellDelegate(QSize(80, 60), this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setMouseTracking(true);
}

void TShortCutListView::startDrag(Qt::DropActions supportedActions)
{
    Q_UNUSED(supportedActions);
    QListWidget::startDrag(Qt::CopyAction);
}

void TShortCutListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->source() == this || !LocalFilesOf(event->mimeData()).isEmpty()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TShortCutListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() == this) {
        QListWidget::dragMoveEvent(event); // marks the item under the pointer
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else if (!LocalFilesOf(event->mimeData()).isEmpty()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TShortCutListView::dropEvent(QDropEvent* event)
{
    if (event->source() == this) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        QListWidgetItem* target = itemAt(event->position().toPoint());
        Q_EMIT ShortCutDropped(target);
        return;
    }
    const QStringList paths = TakeLocalFiles(event);
    if (!paths.isEmpty())
        Q_EMIT FilesDropped(paths);
}

void TShortCutListView::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    Q_EMIT MouseMoved(itemAt(event->position().toPoint()));
}

void TShortCutListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT DoubleClicked();
}
