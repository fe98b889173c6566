#include "common/uCommon.h"
#include "settings/uEnvironment.h"
#include "store/StoreQuery.h"
#include "store/uDataModule.h"

#include <QSqlQuery>

namespace {

const QString RemoveDriveReference = QStringLiteral("%removedrive%");

} // namespace

void Tdm::ClassifySearchResults(const QStringList& found, std::vector<TQProgram>& results)
{
    // Recreated at every run, so that rows of a run that failed half way can never join this result.
    ExecuteStatement(QStringLiteral("DROP TABLE IF EXISTS Memory.t_p"));
    ExecuteStatement(QStringLiteral("CREATE TABLE Memory.t_p ("
                                    "FileName TEXT NOT NULL CHECK (length(FileName) <= 512),"
                                    "Path TEXT CHECK (length(Path) <= 512),"
                                    "similar INTEGER CHECK (similar BETWEEN -32768 AND 32767),"
                                    "PRIMARY KEY (FileName))"));
    RunInTransaction(Database(), [&] {
        QSqlQuery insert = Prepare(QStringLiteral("INSERT INTO Memory.t_p VALUES (?,?,?)"));
        for (const QString& fileName : found) {
            const QString path = ExtractFilePath(fileName);
            const QString name = GetFileNameNoExt(fileName.mid(path.size()));
            insert.bindValue(0, Text(fileName));
            insert.bindValue(1, Text(path));
            insert.bindValue(2, Similarity(GetPathTail(path), name));
            Exec(insert);
        }
    });
    {
        QSqlQuery select = Prepare(QStringLiteral("SELECT FileName, Path, similar FROM Memory.t_p GROUP BY "
                                                  "Path, similar ORDER BY Path, similar DESC"));
        Exec(select);
        while (select.next())
            results.push_back(
                {select.value(0).toString(), select.value(1).toString(), select.value(2).toInt()});
    }
    ExecuteStatement(QStringLiteral("DROP TABLE IF EXISTS Memory.t_p"));
}

bool Tdm::RemoveDriveValueValid()
{
    QSqlQuery query =
        Prepare(QStringLiteral("SELECT Path FROM t_sc WHERE instr(Path, ?) > 0"), {RemoveDriveReference});
    Exec(query);
    int total = 0;
    int existing = 0;
    while (query.next()) {
        ++total;
        if (FileExists(AppEnvironment->ExpandPath(query.value(0).toString())))
            ++existing;
    }
    return total == 0 || existing * 100 / total >= 50;
}

QString Tdm::GetRemoveDriveSamplePath()
{
    QSqlQuery query = Prepare(
        QStringLiteral("SELECT Path FROM t_sc WHERE instr(Path, ?) > 0 ORDER BY ShortCutIndex LIMIT 1"),
        {RemoveDriveReference});
    Exec(query);
    return query.next() ? query.value(0).toString() : QString();
}
