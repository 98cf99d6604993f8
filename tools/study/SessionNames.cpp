#include "SessionNames.h"

#include "platform/Paths.h"
#include "session/SessionFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace orvik3::study {

namespace {

// What a link at path leads to when it leads nowhere readable: a loop or nothing.
QString brokenLink(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st{};
    if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode) || ::stat(name.constData(), &st) == 0)
        return {};
    if (errno == ELOOP)
        return QStringLiteral("is a symbolic link loop");
    return QStringLiteral("is a symbolic link to '%1', which does not exist").arg(QFile::symLinkTarget(path));
}

} // namespace

SessionNames::SessionNames(const QString &base) : m_base(base)
{
    if (!base.isEmpty())
        m_folder = paths::resolve(base, {QStringLiteral("default"), QStringLiteral("sessions")});
}

QString SessionNames::problem(const QString &name) { return lookUp(name).problem; }

const host::Session *SessionNames::session(const QString &name)
{
    const Entry &e = lookUp(name);
    return e.session ? &*e.session : nullptr;
}

QString SessionNames::spelled(const QString &name)
{
    if (name.contains(u'/') || name.contains(u'\\'))
        return name; // below a subfolder: taken as written
    struct stat st{};
    if (::lstat(QFile::encodeName(paths::join(m_folder, name)).constData(), &st) == 0)
        return name;
    if (!m_folded) {
        m_folded.emplace();
        const QStringList entries = QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                             QDir::Name | QDir::Reversed);
        // Reversed, so that of two spellings the first in name order is kept, as resolve() does.
        for (const QString &entry : entries)
            m_folded->insert(entry.toLower(), entry);
    }
    return m_folded->value(name.toLower(), name);
}

const SessionNames::Entry &SessionNames::lookUp(const QString &name)
{
    if (const auto it = m_entries.find(name); it != m_entries.end())
        return it->second;
    Entry e;
    if (!m_base.isEmpty()) {
        const QString found = spelled(name);
        const QString path = paths::join(m_folder, found);
        const QString where = QStringLiteral("default/sessions/") + name;
        if (const QString link = brokenLink(path); !link.isEmpty()) {
            e.problem = QStringLiteral("session file %1 %2").arg(where, link);
        } else if (!paths::staysInside(m_folder, name) || !paths::staysInside(m_folder, found)) {
            e.problem = QStringLiteral("session name %1 leads outside default/sessions/").arg(name);
        } else if (!QFile::exists(path)) {
            e.problem = QStringLiteral("session file %1 not found").arg(where);
        } else if (host::SessionFile::Result s = host::SessionFile::load(path); !s) {
            e.problem = QStringLiteral("session file does not read: %1").arg(s.error.toString());
        } else {
            e.session = std::move(s.session);
        }
    }
    return m_entries.emplace(name, std::move(e)).first->second;
}

} // namespace orvik3::study
