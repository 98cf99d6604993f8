#include "Pseudonym.h"

namespace orvik3::school {

QString pseudonymProblem(const QString &pseudonym)
{
    if (pseudonym.isEmpty())
        return QStringLiteral("a pseudonym is needed");
    if (pseudonym.size() > 40)
        return QStringLiteral("a pseudonym has at most 40 characters");
    if (pseudonym.front() == u'.' || pseudonym.front().isSpace() || pseudonym.back().isSpace())
        return QStringLiteral("a pseudonym starts with no dot and neither starts nor ends with a blank");
    for (const QChar c : pseudonym)
        if (!(c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_' || c == u'.'))
            return QStringLiteral("a pseudonym holds letters, digits, blanks, '-', '_' and '.' only, not '%1'").arg(c);
    return {};
}

QString snapshotFileName(const QString &pseudonym) { return pseudonym + QLatin1String(kSnapshotSuffix); }

} // namespace orvik3::school
