#include "store/uDataModule.h"

#include "common/Exception.h"
#include "common/uCommon.h"
#include "settings/uEnvironment.h"
#include "store/DefaultIcon.h"
#include "store/StoreQuery.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPalette>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

Tdm* dm = nullptr;

int TImageList::Add(const QImage& image)
{
    m_images.append(image);
    return int(m_images.size()) - 1;
}

void TImageList::Truncate(int keep)
{
    if (keep < m_images.size())
        m_images.resize(qMax(keep, 0));
}

QByteArray PictureToBmp(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

QImage BmpToPicture(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    // A damaged picture reads as the empty one, which the views capture afresh.
    return QImage::fromData(bytes, "BMP");
}

static QString NextConnectionName()
{
    static std::atomic<int> counter{0};
    const int n = ++counter;
    return n == 1 ? QStringLiteral("dbLocal") : QStringLiteral("dbLocal-%1").arg(n);
}

Tdm::Tdm(QString stateDir) : m_stateDir(std::move(stateDir)) {}

Tdm::~Tdm()
{
    DataModuleDestroy();
}

QString Tdm::DatabaseFileName() const
{
    return DataDir + QStringLiteral("/kestrune.db");
}

void Tdm::DataModuleCreate()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        IconList.SetBackgroundColor(QGuiApplication::palette().color(QPalette::Base));
    IconList.Truncate(0);
    IconList.Add(DefaultShortCutIcon());

    m_environment = m_stateDir.isEmpty() ? std::make_unique<TEnvironment>()
                                         : std::make_unique<TEnvironment>(m_stateDir);
    AppEnvironment = m_environment.get();
    AppEnvironment->ImportPersistedVariables();

    DataDir = AppEnvironment->GetStateDir() + QStringLiteral("data");
    DatabaseName = NextConnectionName();
    EnsureDir(DataDir);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), DatabaseName);
    db.setDatabaseName(DatabaseFileName());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open())
        throw Exception(EngineText(db.lastError()));
    m_open = true;

    // A file that is not a database fails here, before anything could be written over it.
    QSqlQuery pragma(db);
    for (const char* statement : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL",
                                  "ATTACH DATABASE ':memory:' AS Memory"}) {
        if (!pragma.exec(QString::fromLatin1(statement)))
            throw Exception(EngineText(pragma.lastError()));
    }
    CreateTables();
}

void Tdm::DataModuleDestroy()
{
    if (!DatabaseName.isEmpty() && QSqlDatabase::contains(DatabaseName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(DatabaseName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(DatabaseName);
    }
    m_open = false;
    if (AppEnvironment == m_environment.get())
        AppEnvironment = nullptr;
    m_environment.reset();
}

void Tdm::CreateTables()
{
    ExecuteStatement(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS t_sc ("
        "ShortCutIndex INTEGER NOT NULL CHECK (ShortCutIndex BETWEEN -32768 AND 32767),"
        "GroupName TEXT CHECK (length(GroupName) <= 512),"
        "SCTEXT TEXT CHECK (length(SCTEXT) <= 512),"
        "Path TEXT CHECK (length(Path) <= 512),"
        "Parameters TEXT CHECK (length(Parameters) <= 512),"
        "IsDir INTEGER,"
        "FICON BLOB,"
        "ShowCmd INTEGER CHECK (ShowCmd BETWEEN -32768 AND 32767),"
        "AutoRun INTEGER,"
        "RunCount INTEGER CHECK (RunCount BETWEEN -32768 AND 32767),"
        "PRIMARY KEY (ShortCutIndex))"));
    ExecuteStatement(QStringLiteral("CREATE TABLE IF NOT EXISTS t_scg ("
                                    "groupindex INTEGER CHECK (groupindex BETWEEN -32768 AND 32767),"
                                    "groupname TEXT CHECK (length(groupname) <= 50))"));
}

QSqlDatabase Tdm::Database() const
{
    return QSqlDatabase::database(DatabaseName, false);
}

QSqlQuery Tdm::Prepare(const QString& statement, const QVariantList& values)
{
    if (!m_open)
        throw Exception(QStringLiteral("The catalogue database is not open"));
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw Exception(EngineText(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query;
}

void Tdm::Exec(QSqlQuery& query)
{
    if (!query.exec())
        throw Exception(EngineText(query.lastError()));
}

void Tdm::ExecuteStatement(const QString& statement, const QVariantList& values)
{
    QSqlQuery query = Prepare(statement, values);
    Exec(query);
}
