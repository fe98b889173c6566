// A batch creation killed half way: the catalogue opens, is intact, and holds every shortcut whose
// AddShortCut had returned before the kill.
#include "TestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>

class TestDurability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedBatchKeepsWhatWasStored()
    {
        TestEnvironment env;
        QProcess writer;
        writer.setProgram(QStringLiteral(KESTRUNE_BATCHWRITER));
        writer.setArguments({env.StateDir(), QStringLiteral("2000")});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        writer.setProcessEnvironment(environment);
        writer.start();
        QVERIFY(writer.waitForStarted());

        QSet<int> confirmed;
        QByteArray pending;
        // Kill it somewhere in the middle, while it is writing.
        QVERIFY(QTest::qWaitFor(
            [&] {
                writer.waitForReadyRead(50);
                pending += writer.readAllStandardOutput();
                return pending.count('\n') >= 700;
            },
            60000));
        ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished();
        pending += writer.readAllStandardOutput();
        // A last line without its newline may have been cut by the kill: only whole lines count.
        pending.truncate(pending.lastIndexOf('\n') + 1);
        for (const QByteArray& line : pending.split('\n')) {
            if (!line.isEmpty())
                confirmed.insert(line.toInt());
        }
        QVERIFY(confirmed.size() >= 700);
        QVERIFY2(confirmed.size() < 2000, "the writer finished before it could be killed");

        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(env.StateDir() + QStringLiteral("/data/kestrune.db"));
        QVERIFY(db.open());
        {
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("PRAGMA integrity_check")));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("ok"));
            QSet<int> stored;
            QVERIFY(query.exec(QStringLiteral("SELECT ShortCutIndex, FICON FROM t_sc")));
            while (query.next()) {
                stored.insert(query.value(0).toInt());
                QVERIFY(query.value(1).toByteArray().startsWith("BM"));
            }
            for (int index : std::as_const(confirmed))
                QVERIFY2(stored.contains(index), qPrintable(QString::number(index)));
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
    }
};

KESTRUNE_TEST_MAIN(QCoreApplication, TestDurability)
#include "tst_durability.moc"
