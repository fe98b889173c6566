// Runs every benchmark on data it makes in a temporary folder and prints one table: Kestrune's median, the
// baseline's median measured in the same run, their ratio and the target.
#include "BenchData.h"
#include "BenchSupport.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTemporaryDir>

#include <cstdio>

void BenchSimilarity(std::vector<Row>& rows);
void BenchScan(std::vector<Row>& rows, const QString& tree, int files);
void BenchClassify(std::vector<Row>& rows, const QString& tree);
void BenchBatchCreation(std::vector<Row>& rows, const QString& tree);
void BenchRun(std::vector<Row>& rows);
void BenchLoadShortCutList(std::vector<Row>& rows, const QString& stateDir);
void BenchStartUpAndMemory(std::vector<Row>& rows, const QString& stateDir, const QString& emptyStateDir);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QIcon::setThemeName(QStringLiteral("Adwaita"));
    QTemporaryDir work;
    const QString tree = work.path() + QStringLiteral("/tree");
    std::printf("== making the data in %s\n", qPrintable(work.path()));
    std::fflush(stdout);
    const int files = MakeTree(tree, 5000, 20);
    const QString catalogue = work.path() + QStringLiteral("/catalogue");
    QDir().mkpath(catalogue);
    MakeCatalogue(catalogue, tree, 5000);
    const QString empty = work.path() + QStringLiteral("/empty");
    QDir().mkpath(empty);

    std::vector<Row> rows;
    auto step = [](const char* what) {
        std::printf("== %s\n", what);
        std::fflush(stdout);
    };
    step("Similarity");
    BenchSimilarity(rows);
    step("FindFiles");
    BenchScan(rows, tree, files);
    step("ClassifySearchResults");
    BenchClassify(rows, tree);
    step("batch creation");
    BenchBatchCreation(rows, tree);
    step("LoadShortCutList");
    BenchLoadShortCutList(rows, catalogue);
    step("start-up and memory");
    BenchStartUpAndMemory(rows, catalogue, empty);
    step("Run");
    BenchRun(rows);
    PrintTable(rows);
    return 0;
}
