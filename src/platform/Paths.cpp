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

bool staysInside(const QString &folder, const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.startsWith(u'\\') || (name.size() > 1 && name[1] == u':'))
        return false;
    const QStringList parts = QString(name).replace(u'\\', u'/').split(u'/');
    if (parts.contains(QStringLiteral("..")))
        return false;
    const QFileInfo target(join(folder, name));
    if (!target.exists() && !target.isSymLink())
        return true; // nothing there to lead anywhere; a missing file is its reader's concern
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString real = target.canonicalFilePath();
    // A dangling link has no canonical path: it leads nowhere we could check.
    return !root.isEmpty() && !real.isEmpty() && real.startsWith(root + u'/');
}

} // namespace orvik3::paths
