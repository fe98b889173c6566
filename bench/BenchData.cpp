#include "BenchData.h"

#include "store/uDataModule.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

const char* const Syllables[] = {"ka", "ro",  "mi",  "te",  "lux",  "gra", "phi", "on",   "ed",  "it",
                                 "or", "net", "zen", "box", "tool", "x",   "pro", "soft", "win", "go"};
const char* const Companions[] = {"setup",  "uninst",         "readme", "license", "update",
                                  "helper", "crash-reporter", "lib%1",  "config",  "plugin%1"};

QString Word(QRandomGenerator& random, int minSyllables, int maxSyllables)
{
    QString word;
    const int n = int(random.bounded(minSyllables, maxSyllables + 1));
    for (int i = 0; i < n; ++i)
        word += QLatin1String(Syllables[random.bounded(int(std::size(Syllables)))]);
    return word;
}

QString Capitalised(QString word)
{
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    return word;
}

} // namespace

std::vector<std::pair<QString, QString>> RealisticPairs(int count)
{
    QRandomGenerator random(42);
    std::vector<std::pair<QString, QString>> pairs;
    pairs.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString vendor = Capitalised(Word(random, 1, 3));
        const QString product = Capitalised(Word(random, 1, 4));
        const QString tail = vendor + QLatin1Char('/') + product +
                             (random.bounded(4) == 0 ? QStringLiteral(" 2.1") : QString());
        QString name;
        switch (random.bounded(4)) {
        case 0:
            name = product;
            break;
        case 1:
            name = product.toLower() + QStringLiteral("-bin");
            break;
        case 2:
            name = QString::fromLatin1(Companions[random.bounded(int(std::size(Companions)))])
                       .replace(QStringLiteral("%1"), QString::number(i % 10));
            break;
        default:
            name = Word(random, 1, 3);
            break;
        }
        pairs.emplace_back(tail, name);
    }
    return pairs;
}

int MakeTree(const QString& root, int folders, int filesPerFolder)
{
    QRandomGenerator random(7);
    const int vendors = qMax(1, folders / 50);
    const int productsPerVendor = qMax(1, (folders - vendors) / vendors);
    int files = 0;
    for (int v = 0; v < vendors; ++v) {
        const QString vendor = root + QStringLiteral("/Vendor%1").arg(v);
        for (int p = 0; p < productsPerVendor; ++p) {
            const QString product = Capitalised(Word(random, 1, 3)) + QString::number(p);
            const QString folder = vendor + QLatin1Char('/') + product;
            QDir().mkpath(folder);
            for (int f = 0; f < filesPerFolder; ++f) {
                QString name;
                if (f == 0)
                    name = product + QStringLiteral(".exe");
                else if (f < 4)
                    name =
                        QString::fromLatin1(Companions[f]).replace(QStringLiteral("%1"), QString::number(f)) +
                        QStringLiteral(".exe");
                else
                    name = QStringLiteral("data") + QString::number(f) +
                           (f % 3 ? QStringLiteral(".dat") : QStringLiteral(".txt"));
                QFile file(folder + QLatin1Char('/') + name);
                file.open(QIODevice::WriteOnly);
                ++files;
            }
        }
    }
    return files;
}

void MakeCatalogue(const QString& stateDir, const QString& treeRoot, int count)
{
    QStringList targets;
    const QStringList vendors = QDir(treeRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& vendor : vendors) {
        for (const QString& product :
             QDir(treeRoot + QLatin1Char('/') + vendor).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& file : QDir(treeRoot + QLatin1Char('/') + vendor + QLatin1Char('/') + product)
                                           .entryList(QDir::Files))
                targets << treeRoot + QLatin1Char('/') + vendor + QLatin1Char('/') + product +
                               QLatin1Char('/') + file;
        if (targets.size() >= count)
            break;
    }
    Tdm store(stateDir);
    store.DataModuleCreate();
    Tdm* previous = dm;
    dm = &store;
    store.AddGroup(QStringLiteral("G"));
    store.ExecuteStatement(QStringLiteral("BEGIN"));
    for (int i = 0; i < count; ++i) {
        TQShortCut shortCut;
        shortCut.GroupName = QStringLiteral("G");
        shortCut.Path = targets.at(i % targets.size());
        shortCut.ScText = QStringLiteral("程序 %1").arg(i);
        store.AddShortCut(shortCut);
    }
    store.ExecuteStatement(QStringLiteral("COMMIT"));
    dm = previous;
}
