#include "ui/dialogs/uFrmFav.h"

#include "settings/uEnvironment.h"
#include "store/DefaultIcon.h"
#include "ui/common/Guard.h"
#include "ui/common/MessageBox.h"
#include "ui/common/ShortCutItem.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

constexpr char16_t Enter = 13;

} // namespace

TfrmFav::TfrmFav(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFav"));
    setWindowTitle(QStringLiteral("常用"));
    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(TQShortCut::IconSize, TQShortCut::IconSize));
    ListView1->setMovement(QListView::Static);
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setWordWrap(true);
    ListView1->setGridSize(QSize(84, 64)); // the main list's cells, so captions wrap alike
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Double clicks count anywhere in the list, on empty space too, as the list's own handler sees them.
    ListView1->viewport()->installEventFilter(this);
    ListView1->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);
    resize(400, 170);
    FormCreate();
}

void TfrmFav::FormCreate()
{
    ListView1->clear();
    ImageList2.Truncate(0);
    ImageList2.Add(DefaultShortCutIcon());
    TQShortCutList favourites;
    dm->LoadFavourites(favourites);
    const bool updates = ListView1->updatesEnabled();
    ListView1->setUpdatesEnabled(false);
    // The option is read once, and only when a missing target needs it.
    std::optional<bool> displayNoExist;
    for (auto& shortCut : favourites) {
        int image = 0;
        if (shortCut->TargetExists()) {
            // The picture cached in the catalogue, never one read afresh from the target.
            image = ImageList2.Add(shortCut->Icon.isNull() ? WhiteSquare() : shortCut->Icon);
        } else {
            if (!displayNoExist)
                displayNoExist = AppEnvironment->GetDisplayNoExistShortCut();
            if (!*displayNoExist)
                continue;
        }
        const QIcon icon(QPixmap::fromImage(ImageList2.Image(image)));
        ListView1->addItem(new TShortCutItem(std::move(shortCut), image, icon));
    }
    ListView1->setUpdatesEnabled(updates);
}

void TfrmFav::Action1Execute()
{
    const QList<QListWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    // The first in list order, whatever order the items were selected in.
    QListWidgetItem* first = selected.first();
    for (QListWidgetItem* item : selected) {
        if (ListView1->row(item) < ListView1->row(first))
            first = item;
    }
    // The window closes however the launch ends, a failed one included.
    const auto close = qScopeGuard([this] { accept(); });
    TQShortCut* shortCut = RecordOf(first);
    if (shortCut->TargetExists())
        shortCut->Run();
    else
        TMessageBox::Error(this, QStringLiteral("快捷方式存在问题！"));
}

void TfrmFav::ListView1DblClick()
{
    Action1Execute();
}

void TfrmFav::ListView1KeyPress(QChar key)
{
    if (key == QChar(Enter))
        Action1Execute();
}

bool TfrmFav::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        RunGuarded(this, [this] { ListView1DblClick(); });
        return true;
    }
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            RunGuarded(this, [this] { ListView1KeyPress(QChar(Enter)); });
            return true;
        }
        if (!key->text().isEmpty())
            ListView1KeyPress(key->text().front());
    }
    return QDialog::eventFilter(watched, event);
}
