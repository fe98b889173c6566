#include "platform/Platform.h"
#include "settings/uEnvironment.h"

namespace {

const QString RemoveDrive = QStringLiteral("removedrive");

} // namespace

QString TEnvironment::ExpandVariable(const QString& text) const
{
    QString result;
    result.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            result += QStringView(text).mid(pos);
            break;
        }
        result += QStringView(text).mid(pos, open - pos);
        const QString name = text.mid(open + 1, close - open - 1);
        if (!name.isEmpty() && qEnvironmentVariableIsSet(name.toLocal8Bit().constData())) {
            result += qEnvironmentVariable(name.toLocal8Bit().constData());
            pos = close + 1;
        } else {
            // An undefined reference stays as written; its closing '%' may open the next one.
            result += QStringView(text).mid(open, close - open);
            pos = close;
        }
    }
    return result;
}

QString TEnvironment::ExpandPath(const QString& path) const
{
    if (!path.startsWith(QLatin1Char('%')))
        return path;
    const qsizetype close = path.indexOf(QLatin1Char('%'), 1);
    if (close < 0)
        return path;
    return ExpandVariable(path.left(close + 1)) + path.mid(close + 1);
}

QString TEnvironment::GetRemoveDrive() const
{
    return ExpandVariable(QStringLiteral("%removedrive%"));
}

bool TEnvironment::SetEnvironmentValue(const QString& name, const QString& value)
{
    if (name.isEmpty() || name.contains(QLatin1Char('=')) || !Platform::WritePersistentVariable(name, value))
        return false;
    qputenv(name.toLocal8Bit().constData(), value.toLocal8Bit());
    Platform::AnnounceVariable(name, value);
    return true;
}

void TEnvironment::ImportPersistedVariables()
{
    if (qEnvironmentVariableIsSet(RemoveDrive.toLatin1().constData()))
        return;
    if (const auto value = Platform::ReadPersistentVariable(RemoveDrive))
        qputenv(RemoveDrive.toLatin1().constData(), value->toLocal8Bit());
}
