#include "practice/PracticeClock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace orvik3::trainer {

qint64 PracticeClock::now()
{
    // Read each time, so that a test can move on to the next evening within one process.
    static QByteArray fakeText;
    static qint64 fakeStart = -1;
    static QElapsedTimer since;
    const QByteArray text = qgetenv("ORVIK3_PRACTICE_NOW");
    if (text != fakeText) {
        fakeText = text;
        QDateTime t = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
        if (t.isValid() && t.timeSpec() == Qt::LocalTime)
            t.setTimeSpec(Qt::UTC);
        fakeStart = t.isValid() ? t.toMSecsSinceEpoch() : -1;
        since.start();
    }
    return fakeStart < 0 ? QDateTime::currentMSecsSinceEpoch() : fakeStart + since.elapsed();
}

} // namespace orvik3::trainer
