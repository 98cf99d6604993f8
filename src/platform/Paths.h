#pragma once

#include <orvik3/orvik3_export.h>

#include <QString>
#include <QStringList>

namespace orvik3::paths {

// base, one "/" unless base already ends in "/" or "\", then the relative path.
ORVIK3_EXPORT QString join(const QString &base, const QString &relative);

// base joined with the components; where a component does not exist exactly, an entry of
// the same folder whose name differs only in letter case is taken (installations are often
// made on case-insensitive systems). An exact match always wins. Unresolvable components
// are kept as given.
ORVIK3_EXPORT QString resolve(const QString &base, const QStringList &components);

// Whether `name` (a file name taken from a data file) names something inside `folder`: not
// absolute, no ".." component, and, where it exists, not reached through a link that leads out.
ORVIK3_EXPORT bool staysInside(const QString &folder, const QString &name);

} // namespace orvik3::paths
