#include "situation/Situation.h"

#include <orvik3/Paths.h>
#include <orvik3/VisibleText.h>

#include <QCoreApplication>
#include <QFileInfo>

namespace orvik3::trainer {

void Situation::resetAircraft()
{
    aircraft = start;
    track.clear();
    if (session)
        track.push_back(start.position);
}

Situation loadSituation(const QString &path, int type, Language language, const QString &sessionsFolder)
{
    Situation s;
    s.type = type;
    s.language = language;
    s.path = path;
    const QFileInfo info(path);
    if (!sessionsFolder.isEmpty() && !path.isEmpty()) {
        const QString prefix = paths::join(sessionsFolder, QString());
        const QString name = path.startsWith(prefix) ? path.mid(prefix.size()) : path;
        if (!name.isEmpty() && (!path.startsWith(prefix) || !paths::staysInside(sessionsFolder, name))) {
            s.error = QCoreApplication::translate("Situation", "The session name leads outside default/sessions/:\n%1")
                          .arg(visibleQuote(name));
            return s;
        }
    }
    if (path.isEmpty() || (info.isDir() && QFileInfo(sessionsFolder) == info)) {
        s.error = QCoreApplication::translate("Situation", "This question names no session file.");
        return s;
    }
    if (info.isDir()) {
        s.error = QCoreApplication::translate("Situation", "The session file %1 is a folder.").arg(visibleQuote(info.fileName()));
        return s;
    }
    if (!info.exists() && !info.isSymLink()) {
        s.error = QCoreApplication::translate("Situation", "Session file not found:\n%1").arg(visibleQuote(info.fileName()));
        return s;
    }
    const host::SessionFile::Result result = host::SessionFile::load(path);
    if (!result) {
        QString message = result.error.toString();
        // The folder is noise on screen; the file name and line say where to look.
        message.replace(path, info.fileName());
        s.error = QCoreApplication::translate("Situation", "The session file cannot be read:\n%1").arg(message);
        return s;
    }
    s.session = result.session;
    s.start.position = host::aircraftPosition(*s.session);
    s.start.headingDeg = s.session->aircraft.headingDeg;
    s.resetAircraft();
    return s;
}

} // namespace orvik3::trainer
