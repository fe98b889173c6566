// The program entry: the application, then the store, then the main window, then the message loop; at
// exit they go in reverse order, so the store outlives every window.
#include "settings/uEnvironment.h"
#include "store/uDataModule.h"
#include "ui/art/Artwork.h"
#include "ui/common/Guard.h"
#include "ui/main/MainWidgets.h"
#include "ui/main/uFrmMain.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QListWidget>
#include <QSystemTrayIcon>

#include <cstdio>

namespace {

// For the start-up benchmark: says "painted" once the list has painted for the first time, then leaves.
class TFirstPaintReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    QApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestrune"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrune"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
    QApplication::setWindowIcon(Artwork::ApplicationIcon());
    // The window lives on in the tray and dialogs may be the only visible window; leaving is explicit.
    QApplication::setQuitOnLastWindowClosed(false);
    // A plain X server has no icon theme of its own: file and folder pictures come from this one.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    auto store = std::make_unique<Tdm>();
    dm = store.get();
    RunGuarded(nullptr, [&] { store->DataModuleCreate(); });

    int result = 0;
    {
        TfrmMain window;
        RunGuarded(&window, [&] { window.FormCreate(); });
        if (qEnvironmentVariableIsSet("KESTRUNE_BENCH_EXIT_AFTER_PAINT"))
            window.ListView1->viewport()->installEventFilter(new TFirstPaintReporter(&window));
        if (!(window.isMinimized() && QSystemTrayIcon::isSystemTrayAvailable()))
            window.show();
        result = app.exec();
    }
    RunGuarded(nullptr, [&] { store->DataModuleDestroy(); });
    dm = nullptr;
    return result;
}
