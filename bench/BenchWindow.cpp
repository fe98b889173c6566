// Filling the main list against a bare icon list filled with the same decoded pictures.
#include "BenchData.h"
#include "BenchSupport.h"
#include "store/uDataModule.h"
#include "ui/main/MainWidgets.h"
#include "ui/main/uFrmMain.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

void BenchLoadShortCutList(std::vector<Row>& rows, const QString& stateDir)
{
    Tdm store(stateDir);
    store.DataModuleCreate();
    dm = &store;
    TfrmMain window;
    window.FormCreate();
    window.show();
    QApplication::processEvents();

    // The baseline gets the very pictures the store holds, decoded once beforehand.
    std::vector<std::pair<QString, QImage>> decoded;
    {
        TQShortCutList list;
        store.LoadShortCuts(QStringLiteral("G"), list);
        for (const auto& s : list)
            decoded.emplace_back(s->ScText, s->Icon);
    }
    QListWidget bare;
    bare.setViewMode(QListView::IconMode);
    bare.setIconSize(QSize(32, 32));
    bare.resize(window.ListView1->size());
    bare.show();
    QApplication::processEvents();

    const Pair result = MeasureSideBySide(
        9,
        [&] {
            const auto start = Clock::now();
            window.LoadShortCutList(QStringLiteral("G"));
            window.ListView1->viewport()->repaint();
            return ElapsedMs(start);
        },
        [&] {
            const auto start = Clock::now();
            bare.clear();
            bare.setUpdatesEnabled(false);
            for (const auto& [text, image] : decoded)
                bare.addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(image)), text));
            bare.setUpdatesEnabled(true);
            bare.viewport()->repaint();
            return ElapsedMs(start);
        });
    rows.push_back({QStringLiteral("LoadShortCutList, 5,000 shortcuts, until painted"), QStringLiteral("ms"),
                    result.kestrune, result.baseline, QStringLiteral("ratio <= 2; < 250 ms"),
                    result.kestrune <= 2 * result.baseline && result.kestrune < 250});
    dm = nullptr;
}
