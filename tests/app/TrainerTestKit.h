#pragma once

#include "session/SessionFile.h"

#include <QString>
#include <QTemporaryDir>

namespace orvik3::trainer::test {

// A session typical of the exercise type: one station (two for QDM), the aircraft on a
// radial, the type's instruments and its exercise data.
host::Session sessionFor(int type);

// A small installation in a temporary folder: for each type written, a German and an
// English study file with `questions` records whose sessions are written next to them.
class Installation
{
public:
    Installation();
    QString base() const { return m_dir.path(); }
    // Study files of `type`; question q uses session file "t<type>_<q>.session".
    void writeType(int type, int questions = 2);
    void writeAllTypes(int questions = 2);
    void writeSession(const QString &name, const host::Session &session);
    void writeRaw(const QString &relativePath, const QByteArray &bytes);
    QString sessionPath(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

} // namespace orvik3::trainer::test
