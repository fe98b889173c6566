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
#include <QtEndian>

#include <atomic>
#include <cstring>

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

// The pictures the store writes itself are plain 24- or 32-bit BMP images; reading them directly is
// several times faster than going through the image plug-ins, which matters when a list of thousands fills.
// handled says whether the bytes were of that plain kind at all; a plain picture cut short is damaged.
static QImage DecodePlainBmp(const QByteArray& bytes, bool& handled)
{
    handled = false;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 54 || data[0] != 'B' || data[1] != 'M')
        return {};
    const quint32 offset = qFromLittleEndian<quint32>(data + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(data + 14);
    const qint32 width = qFromLittleEndian<qint32>(data + 18);
    const qint32 height = qFromLittleEndian<qint32>(data + 22);
    const quint16 bits = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    if (headerSize < 40 || compression != 0 || (bits != 24 && bits != 32) || width <= 0 || width > 4096 ||
        height == 0 || height < -4096 || height > 4096)
        return {};
    handled = true;
    const qsizetype rows = height < 0 ? -qsizetype(height) : qsizetype(height);
    const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
    if (qsizetype(offset) + stride * rows > size)
        return {};
    QImage image(width, int(rows), QImage::Format_RGB32);
    uchar* const pixels = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const int step = bits / 8;
    for (qsizetype y = 0; y < rows; ++y) {
        const uchar* __restrict src = data + offset + stride * (height > 0 ? rows - 1 - y : y);
        auto* __restrict dst = reinterpret_cast<quint32*>(pixels + y * bytesPerLine);
        qint32 x = 0;
        if (step == 3) {
            // Four pixels from three little-endian words: the BGR bytes already are 0x00RRGGBB.
            for (; x + 4 <= width; x += 4, src += 12) {
                quint32 w[3];
                memcpy(w, src, sizeof w);
                dst[x] = 0xFF000000u | (w[0] & 0xFFFFFFu);
                dst[x + 1] = 0xFF000000u | (w[0] >> 24) | ((w[1] & 0xFFFFu) << 8);
                dst[x + 2] = 0xFF000000u | (w[1] >> 16) | ((w[2] & 0xFFu) << 16);
                dst[x + 3] = 0xFF000000u | (w[2] >> 8);
            }
        }
        for (; x < width; ++x, src += step)
            dst[x] = 0xFF000000u | quint32(src[2]) << 16 | quint32(src[1]) << 8 | quint32(src[0]);
    }
    return image;
}

QImage BmpToPicture(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    bool handled = false;
    const QImage plain = DecodePlainBmp(bytes, handled);
    if (handled)
        return plain;
    // Anything else a BMP may be; a damaged picture reads as the empty one, which the views capture afresh.
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

    m_environment =
        m_stateDir.isEmpty() ? std::make_unique<TEnvironment>() : std::make_unique<TEnvironment>(m_stateDir);
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
    // Write-ahead logging keeps every committed shortcut through a crash of the program without waiting
    // for the disk at each one. (A memory map would read a large list faster, but every page it touched
    // would stay counted in the program's memory.)
    for (const char* statement :
         {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "ATTACH DATABASE ':memory:' AS Memory"}) {
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
    ExecuteStatement(
        QStringLiteral("CREATE TABLE IF NOT EXISTS t_sc ("
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
