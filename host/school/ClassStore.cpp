#include "ClassStore.h"

#include "ServerStore.h"
#include "SnapshotFolder.h"

namespace orvik3::school {

std::unique_ptr<ClassStore> ClassStore::open(const QString &location, QString *error)
{
    if (!isServer(location))
        return std::make_unique<SnapshotFolder>(location);
    const QUrl url(location, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.path().size() < 2) {
        *error = QStringLiteral("%1: a server is named postgresql://user@host[:port]/database").arg(url.toString(QUrl::RemovePassword));
        return nullptr;
    }
    return std::make_unique<ServerStore>(url);
}

bool ClassStore::isServer(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://")) || location.startsWith(QLatin1String("postgres://"));
}

} // namespace orvik3::school
