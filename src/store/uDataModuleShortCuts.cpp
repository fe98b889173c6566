#include "store/StoreQuery.h"
#include "store/uDataModule.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString Columns = QStringLiteral(
    "ShortCutIndex, GroupName, SCTEXT, Path, Parameters, IsDir, FICON, ShowCmd, AutoRun, RunCount");

// Fills a record from a row of the columns above, fetched by position for speed.
std::unique_ptr<TQShortCut> RecordFromRow(const QSqlQuery& query, bool withAutoRunAndIcon)
{
    auto shortCut = std::make_unique<TQShortCut>();
    shortCut->ShortCutIndex = query.value(0).toInt();
    shortCut->GroupName = query.value(1).toString();
    shortCut->ScText = query.value(2).toString();
    shortCut->Path = query.value(3).toString();
    shortCut->Parameters = query.value(4).toString(); // a NULL reads as empty text
    shortCut->IsDir = query.value(5).toBool();
    if (withAutoRunAndIcon)
        shortCut->Icon = BmpToPicture(query.value(6).toByteArray());
    shortCut->ShowCmd = query.value(7).toInt();
    if (withAutoRunAndIcon)
        shortCut->AutoRun = query.value(8).toBool();
    shortCut->RunCount = query.value(9).toInt();
    return shortCut;
}

} // namespace

void Tdm::AddShortCut(TQShortCut& shortCut)
{
    QSqlQuery max = Prepare(QStringLiteral("SELECT max(ShortCutIndex) msi FROM t_sc"));
    Exec(max);
    const int index = max.next() ? max.value(0).toInt() + 1 : 1;
    max.finish();

    shortCut.CaptureIcon();
    ExecuteStatement(QStringLiteral("INSERT INTO t_sc (") + Columns +
                         QStringLiteral(") VALUES (?,?,?,?,?,?,?,?,?,?)"),
                     {index, Text(shortCut.GroupName), Text(shortCut.ScText), Text(shortCut.Path),
                      Text(shortCut.Parameters), shortCut.IsDir, PictureToBmp(shortCut.Icon),
                      shortCut.ShowCmd, shortCut.AutoRun, shortCut.RunCount});
    // Only a stored row gives its index away; a refused one leaves the record as it was.
    shortCut.ShortCutIndex = index;
}

void Tdm::DeleteShortCut(int index)
{
    ExecuteStatement(QStringLiteral("DELETE FROM t_sc WHERE ShortCutIndex=?"), {index});
}

void Tdm::UpdateShortCut(int index, const TQShortCut& shortCut)
{
    ExecuteStatement(
        QStringLiteral("UPDATE t_sc SET GroupName=?,SCTEXT=?,Parameters=?,Path=?,ShowCmd=?,AutoRun=? "
                       "WHERE ShortCutIndex=?"),
        {Text(shortCut.GroupName), Text(shortCut.ScText), Text(shortCut.Parameters), Text(shortCut.Path),
         shortCut.ShowCmd, shortCut.AutoRun, index});
}

void Tdm::IncRunCount(int index)
{
    // The counter stops at the column's limit instead of failing the launch that counts.
    ExecuteStatement(QStringLiteral("UPDATE t_sc SET RunCount=coalesce(RunCount,0)+1 "
                                    "WHERE ShortCutIndex=? AND coalesce(RunCount,0)<32767"),
                     {index});
}

void Tdm::ClearAutoRun(int index)
{
    ExecuteStatement(QStringLiteral("UPDATE t_sc SET AutoRun=FALSE WHERE ShortCutIndex=?"), {index});
}

void Tdm::ChangeShortCutIndex(int currentIndex, int newIndex)
{
    ExecuteStatement(QStringLiteral("UPDATE t_sc SET ShortCutIndex=? WHERE ShortCutIndex=?"),
                     {newIndex, currentIndex});
}

void Tdm::ExchangeShortCutIndexes(int first, int second)
{
    RunInTransaction(Database(), [&] {
        ChangeShortCutIndex(first, 0);
        ChangeShortCutIndex(second, first);
        ChangeShortCutIndex(0, second);
    });
}

void Tdm::LoadShortCuts(const QString& groupName, TQShortCutList& list)
{
    QSqlQuery query = groupName.isEmpty()
                          ? Prepare(QStringLiteral("SELECT ") + Columns +
                                    QStringLiteral(" FROM t_sc ORDER BY ShortCutIndex"))
                          : Prepare(QStringLiteral("SELECT ") + Columns +
                                        QStringLiteral(" FROM t_sc WHERE GroupName=? ORDER BY ShortCutIndex"),
                                    {Text(groupName)});
    Exec(query);
    while (query.next())
        list.push_back(RecordFromRow(query, true));
}

void Tdm::LoadFavourites(TQShortCutList& list)
{
    QSqlQuery query = Prepare(
        QStringLiteral("SELECT ") + Columns +
        QStringLiteral(" FROM t_sc WHERE IsDir=FALSE ORDER BY RunCount DESC, ShortCutIndex LIMIT 10"));
    Exec(query);
    while (query.next())
        list.push_back(RecordFromRow(query, true));
}

void Tdm::LoadAutoRunShortCuts(TQShortCutList& list)
{
    QSqlQuery query = Prepare(QStringLiteral("SELECT ") + Columns +
                              QStringLiteral(" FROM t_sc WHERE AutoRun ORDER BY ShortCutIndex"));
    Exec(query);
    while (query.next())
        list.push_back(RecordFromRow(query, false));
}

bool Tdm::HasAutoRunShortCuts()
{
    QSqlQuery query = Prepare(QStringLiteral("SELECT 1 FROM t_sc WHERE AutoRun LIMIT 1"));
    Exec(query);
    return query.next();
}

int Tdm::MaxShortCutIndex()
{
    QSqlQuery query = Prepare(QStringLiteral("SELECT max(ShortCutIndex) sci FROM t_sc"));
    Exec(query);
    return query.next() ? query.value(0).toInt() : 0;
}

void Tdm::RefreshIcons()
{
    struct Row
    {
        int index;
        QString path;
        bool isDir;
    };
    std::vector<Row> rows;
    {
        QSqlQuery query =
            Prepare(QStringLiteral("SELECT ShortCutIndex, Path, IsDir FROM t_sc ORDER BY ShortCutIndex"));
        Exec(query);
        while (query.next())
            rows.push_back({query.value(0).toInt(), query.value(1).toString(), query.value(2).toBool()});
    }
    // Each row is posted on its own: a failure keeps the pictures refreshed before it.
    for (const Row& row : rows) {
        TQShortCut shortCut;
        shortCut.Path = row.path;
        shortCut.IsDir = row.isDir;
        shortCut.CaptureIcon();
        ExecuteStatement(QStringLiteral("UPDATE t_sc SET FICON=? WHERE ShortCutIndex=?"),
                         {PictureToBmp(shortCut.Icon), row.index});
    }
}

void Tdm::ReplaceInPaths(const QString& search, const QString& replacement)
{
    ExecuteStatement(QStringLiteral("UPDATE t_sc SET Path=replace(Path, ?, ?) WHERE instr(Path, ?) > 0"),
                     {Text(search), Text(replacement), Text(search)});
}
