#include "store/StoreQuery.h"
#include "store/uDataModule.h"

#include <QSqlQuery>

void Tdm::LoadGroupNames(QStringList& list)
{
    QSqlQuery query = Prepare(QStringLiteral("SELECT groupname FROM t_scg ORDER BY groupindex, rowid"));
    Exec(query);
    list.clear();
    while (query.next())
        list.append(query.value(0).toString());
}

bool Tdm::GroupExists(const QString& name)
{
    QSqlQuery query = Prepare(QStringLiteral("SELECT 1 FROM t_scg WHERE groupname=? LIMIT 1"), {Text(name)});
    Exec(query);
    return query.next();
}

void Tdm::AddGroup(const QString& name)
{
    QSqlQuery max = Prepare(QStringLiteral("SELECT max(groupindex) mgi FROM t_scg"));
    Exec(max);
    const int index = max.next() ? max.value(0).toInt() + 1 : 1;
    max.finish();
    ExecuteStatement(QStringLiteral("INSERT INTO t_scg VALUES (?,?)"), {index, Text(name)});
}

void Tdm::SetGroupIndex(const QString& name, int index)
{
    ExecuteStatement(QStringLiteral("UPDATE t_scg SET groupindex=? WHERE groupname=?"), {index, Text(name)});
}

void Tdm::DeleteGroup(const QString& name)
{
    // Both tables change together or not at all, so no shortcut is left behind without its group.
    RunInTransaction(Database(), [&] {
        ExecuteStatement(QStringLiteral("DELETE FROM t_scg WHERE groupname=?"), {Text(name)});
        ExecuteStatement(QStringLiteral("DELETE FROM t_sc WHERE GroupName=?"), {Text(name)});
    });
}

void Tdm::RenameGroup(const QString& oldName, const QString& newName)
{
    RunInTransaction(Database(), [&] {
        ExecuteStatement(QStringLiteral("UPDATE t_scg SET groupname=? WHERE groupname=?"),
                         {Text(newName), Text(oldName)});
        ExecuteStatement(QStringLiteral("UPDATE t_sc SET GroupName=? WHERE GroupName=?"),
                         {Text(newName), Text(oldName)});
    });
}
