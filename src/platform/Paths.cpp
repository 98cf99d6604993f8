#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace orvik3::paths {

QString join(const QString &base, const QString &relative)
{
    if (base.endsWith(u'/') || base.endsWith(u'\\'))
        return base + relative;
    return base + u'/' + relative;
}

QString resolve(const QString &base, const QStringList &components)
{
    QString path = base;
    bool resolvable = true;
    for (const QString &component : components) {
        const QString exact = join(path, component);
        if (!resolvable || QFileInfo::exists(exact)) {
            path = exact;
            continue;
        }
        QString match;
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &entry : entries)
            if (entry.compare(component, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        if (match.isEmpty()) {
            resolvable = false;
            path = exact;
        } else {
            path = join(path, match);
        }
    }
    return path;
}

} // namespace orvik3::paths
