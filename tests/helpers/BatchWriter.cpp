// Adds shortcuts to the catalogue of the state folder given as the first argument, one after another as a
// batch creation does, and prints each index once AddShortCut has returned. The durability test kills it
// half way and then checks that every printed shortcut is there.
#include "store/uDataModule.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return 2;
    Tdm store(QString::fromLocal8Bit(argv[1]));
    store.DataModuleCreate();
    dm = &store;
    const int count = QByteArray(argv[2]).toInt();
    for (int i = 0; i < count; ++i) {
        TQShortCut shortCut;
        shortCut.GroupName = QStringLiteral("batch");
        shortCut.ScText = QStringLiteral("program %1").arg(i);
        shortCut.Path = QStringLiteral("/opt/vendor/app%1/bin/app%1").arg(i);
        store.AddShortCut(shortCut);
        std::printf("%d\n", shortCut.ShortCutIndex);
        std::fflush(stdout);
    }
    return 0;
}
