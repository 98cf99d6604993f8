#pragma once

// The session names of a study file, looked up in default/sessions/ of one installation: each
// name once, and the folder listed at most once however many names are missing from it, so
// that a file of hundreds of bad names beside a folder of thousands of sessions stays quick.

#include "session/SessionRecords.h"

#include <QHash>
#include <QString>

#include <map>
#include <optional>

namespace orvik3::study {

class SessionNames
{
public:
    // base: the installation; empty: no name is looked up and none has a problem.
    explicit SessionNames(const QString &base);

    // Why the name's session cannot be shown ("session file default/sessions/x not found"),
    // or empty when it reads.
    QString problem(const QString &name);
    // The session, when it reads; valid as long as this object.
    const host::Session *session(const QString &name);

private:
    struct Entry {
        QString problem;
        std::optional<host::Session> session;
    };
    const Entry &lookUp(const QString &name);
    // The name as the folder spells it: an exact entry, else one differing in letter case.
    QString spelled(const QString &name);

    QString m_base;
    QString m_folder;
    std::map<QString, Entry> m_entries; // node-based: a session handed out stays where it is
    std::optional<QHash<QString, QString>> m_folded; // lower-case name -> name in the folder
};

} // namespace orvik3::study
