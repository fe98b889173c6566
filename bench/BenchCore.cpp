// The core operations against their floors: the likeness measure, the folder scan, the classification of
// search results, batch creation and a launch.
#include "BenchData.h"
#include "BenchSupport.h"
#include "common/uCommon.h"
#include "store/uDataModule.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

// The same measure over plain arrays with its marks on the stack: what the function costs without any
// string machinery around it.
int PlainSimilarity(const char16_t* first, std::size_t firstLength, const char16_t* second,
                    std::size_t secondLength)
{
    const bool swap = firstLength < secondLength;
    const char16_t* A = (swap ? second : first) - 1;
    const char16_t* B = (swap ? first : second) - 1;
    const long n = long(swap ? secondLength : firstLength);
    const long m = long(swap ? firstLength : secondLength);
    if (n == 0 || m == 0 || n > 255)
        return 0;
    std::array<bool, 257> marks{};
    const long window = n / 3 + (n - m);
    long i = 1, j = 1, count = 0;
    auto backUp = [&] {
        i = n;
        while (i > 1 && !marks[std::size_t(i)])
            --i;
    };
    while (j <= m) {
        if (marks[std::size_t(i)]) {
            if (++i > n) {
                backUp();
                ++j;
            }
        } else if (B[j] == A[i] && std::labs(i - j) <= window) {
            marks[std::size_t(i)] = true;
            ++count;
            ++j;
            if (++i > n)
                i = 1;
        } else if (++i > n) {
            backUp();
            ++j;
        }
    }
    return int(count * 100 / n);
}

double SpawnAndWait(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = ElapsedMs(start);
    posix_spawn_file_actions_destroy(&actions);
    return ms;
}

struct Store
{
    explicit Store(const QString& dir) : store(dir)
    {
        store.DataModuleCreate();
        dm = &store;
    }
    ~Store() { dm = nullptr; }
    Tdm store;
};

} // namespace

void BenchSimilarity(std::vector<Row>& rows)
{
    const auto pairs = RealisticPairs(100000);
    std::vector<std::pair<std::u16string, std::u16string>> plain;
    for (const auto& [a, b] : pairs)
        plain.emplace_back(
            std::u16string(reinterpret_cast<const char16_t*>(a.utf16()), std::size_t(a.size())),
            std::u16string(reinterpret_cast<const char16_t*>(b.utf16()), std::size_t(b.size())));
    volatile long sink = 0;
    const Pair result = MeasureSideBySide(
        15,
        [&] {
            const auto start = Clock::now();
            long sum = 0;
            for (const auto& [a, b] : pairs)
                sum += Similarity(a, b);
            sink = sink + sum;
            return ElapsedMs(start) * 1e6 / double(pairs.size());
        },
        [&] {
            const auto start = Clock::now();
            long sum = 0;
            for (const auto& [a, b] : plain)
                sum += PlainSimilarity(a.data(), a.size(), b.data(), b.size());
            sink = sink + sum;
            return ElapsedMs(start) * 1e6 / double(plain.size());
        });
    rows.push_back({QStringLiteral("Similarity, 100,000 realistic pairs"), QStringLiteral("ns"),
                    result.kestrune, result.baseline, QStringLiteral("ratio <= 1.3"),
                    result.kestrune <= 1.3 * result.baseline});
}

void BenchScan(std::vector<Row>& rows, const QString& tree, int files)
{
    const QString mask = QStringLiteral("*.exe");
    const std::string find = "/usr/bin/find";
    QStringList warm;
    FindFiles(tree, mask, true, warm);
    SpawnAndWait({find, tree.toStdString(), "-name", mask.toStdString(), "-type", "f"});
    const Pair recursive = MeasureSideBySide(
        11,
        [&] {
            QStringList found;
            const auto start = Clock::now();
            FindFiles(tree, mask, true, found);
            return ElapsedMs(start);
        },
        [&] {
            return SpawnAndWait({find, tree.toStdString(), "-name", mask.toStdString(), "-type", "f"});
        });
    rows.push_back({QStringLiteral("FindFiles recursive, %1 files in 5,000 folders").arg(files),
                    QStringLiteral("ms"), recursive.kestrune, recursive.baseline,
                    QStringLiteral("ratio <= 0.8"), recursive.kestrune <= 0.8 * recursive.baseline});
    const Pair depth = MeasureSideBySide(
        11,
        [&] {
            QStringList found;
            const auto start = Clock::now();
            FindFilesToDepth(tree, mask, 3, found);
            return ElapsedMs(start);
        },
        [&] {
            return SpawnAndWait({find, tree.toStdString(), "-name", mask.toStdString(), "-type", "f"});
        });
    rows.push_back({QStringLiteral("FindFilesToDepth (depth 3, the whole tree)"), QStringLiteral("ms"),
                    depth.kestrune, depth.baseline, QStringLiteral("ratio <= 0.8"),
                    depth.kestrune <= 0.8 * depth.baseline});
}

void BenchClassify(std::vector<Row>& rows, const QString& tree)
{
    QStringList found;
    FindFiles(tree, QStringLiteral("*"), true, found);
    found = found.mid(0, 10000);
    struct Entry
    {
        QString file, path;
        int similar;
    };
    std::vector<Entry> entries;
    for (const QString& f : std::as_const(found)) {
        const QString path = ExtractFilePath(f);
        entries.push_back({f, path, Similarity(GetPathTail(path), GetFileNameNoExt(f.mid(path.size())))});
    }
    QTemporaryDir dir;
    Store store(dir.path());
    QSqlDatabase memory =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-memory"));
    memory.setDatabaseName(QStringLiteral(":memory:"));
    memory.open();
    const Pair result = MeasureSideBySide(
        15,
        [&] {
            std::vector<TQProgram> results;
            const auto start = Clock::now();
            store.store.ClassifySearchResults(found, results);
            return ElapsedMs(start);
        },
        [&] {
            const auto start = Clock::now();
            QSqlQuery q(memory);
            q.exec(QStringLiteral("DROP TABLE IF EXISTS t_p"));
            q.exec(
                QStringLiteral("CREATE TABLE t_p (FileName TEXT PRIMARY KEY, Path TEXT, similar INTEGER)"));
            memory.transaction();
            QSqlQuery insert(memory);
            insert.prepare(QStringLiteral("INSERT INTO t_p VALUES (?,?,?)"));
            for (const Entry& e : entries) {
                insert.bindValue(0, e.file);
                insert.bindValue(1, e.path);
                insert.bindValue(2, e.similar);
                insert.exec();
            }
            memory.commit();
            QSqlQuery select(memory);
            select.setForwardOnly(true);
            select.exec(QStringLiteral("SELECT FileName, Path, similar FROM t_p GROUP BY Path, similar ORDER "
                                       "BY Path, similar DESC"));
            std::vector<Entry> out;
            while (select.next())
                out.push_back(
                    {select.value(0).toString(), select.value(1).toString(), select.value(2).toInt()});
            return ElapsedMs(start);
        });
    rows.push_back({QStringLiteral("ClassifySearchResults, 10,000 found files"), QStringLiteral("ms"),
                    result.kestrune, result.baseline, QStringLiteral("ratio <= 1.5; < 100 ms"),
                    result.kestrune <= 1.5 * result.baseline && result.kestrune < 100});
}

void BenchBatchCreation(std::vector<Row>& rows, const QString& tree)
{
    QStringList found;
    FindFiles(tree, QStringLiteral("*.exe"), true, found);
    found = found.mid(0, 1000);
    const QByteArray picture = PictureToBmp(WhiteSquare());
    const Pair result = MeasureSideBySide(
        7,
        [&] {
            QTemporaryDir dir;
            Store store(dir.path());
            const auto start = Clock::now();
            for (const QString& file : std::as_const(found)) {
                TQShortCut shortCut;
                shortCut.GroupName = QStringLiteral("批量");
                shortCut.Path = file;
                shortCut.ScText = GetFileNameNoExt(file);
                if (!shortCut.PathIsEmpty())
                    store.store.AddShortCut(shortCut);
            }
            return ElapsedMs(start);
        },
        [&] {
            QTemporaryDir dir;
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-bare"));
            db.setDatabaseName(dir.path() + QStringLiteral("/bare.db"));
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
            q.exec(QStringLiteral(
                "CREATE TABLE t (i INTEGER PRIMARY KEY, g TEXT, n TEXT, p TEXT, a TEXT, d INTEGER, "
                "f BLOB, s INTEGER, r INTEGER, c INTEGER)"));
            const auto start = Clock::now();
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO t VALUES (?,?,?,?,?,?,?,?,?,?)"));
            int i = 0;
            for (const QString& file : std::as_const(found)) {
                insert.bindValue(0, ++i);
                insert.bindValue(1, QStringLiteral("批量"));
                insert.bindValue(2, GetFileNameNoExt(file));
                insert.bindValue(3, file);
                insert.bindValue(4, QString());
                insert.bindValue(5, 0);
                insert.bindValue(6, picture);
                insert.bindValue(7, 5);
                insert.bindValue(8, 0);
                insert.bindValue(9, 0);
                insert.exec();
            }
            const double ms = ElapsedMs(start);
            insert = QSqlQuery();
            q = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("bench-bare"));
            return ms;
        });
    rows.push_back({QStringLiteral("batch creation of 1,000 shortcuts, icons included"), QStringLiteral("ms"),
                    result.kestrune, result.baseline, QStringLiteral("< 500 ms"), result.kestrune < 500});
}

void BenchRun(std::vector<Row>& rows)
{
    QTemporaryDir dir;
    Store store(dir.path());
    TQShortCut shortCut;
    shortCut.GroupName = QStringLiteral("G");
    shortCut.ScText = QStringLiteral("true");
    shortCut.Path = QStringLiteral("/bin/true");
    store.store.AddShortCut(shortCut);
    const Pair result = MeasureSideBySide(
        101,
        [&] {
            const auto start = Clock::now();
            shortCut.Run();
            return ElapsedMs(start) * 1000;
        },
        [&] {
            const auto start = Clock::now();
            QProcess::startDetached(QStringLiteral("/bin/true"), {}, QStringLiteral("/bin/"));
            return ElapsedMs(start) * 1000;
        });
    rows.push_back({QStringLiteral("Run of a shortcut to a small program"), QStringLiteral("us"),
                    result.kestrune, result.baseline, QStringLiteral("ratio <= 1.5"),
                    result.kestrune <= 1.5 * result.baseline});
}
