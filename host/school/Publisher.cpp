#include "Publisher.h"

#include "Pseudonym.h"
#include "ReviewLog.h"

#include <QDateTime>

namespace orvik3::school {

Publisher::Publisher(const PublishSettings &settings, qint64 retryAfter) : m_settings(settings), m_retryAfter(retryAfter)
{
    if (!m_settings.enabled)
        return;
    m_error = pseudonymProblem(m_settings.pseudonym);
    if (m_error.isEmpty())
        m_store = ClassStore::open(m_settings.location, &m_error);
}

Publisher::~Publisher() = default;

bool Publisher::publish(practice::ReviewLog &log, qint64 now)
{
    if (!m_store)
        return false;
    QString error;
    if (!m_store->publish(log, m_settings.pseudonym, &error)) {
        m_error = error;
        m_failed = now;
        return false;
    }
    m_error.clear();
    m_failed = 0;
    m_published = now;
    return true;
}

void Publisher::afterQuestion(practice::ReviewLog &log, qint64 now)
{
    if (!m_store || (m_failed && now - m_failed < m_retryAfter))
        return;
    if (!ClassStore::isServer(m_settings.location) && m_published && now - m_published < kSnapshotEvery)
        return;
    publish(log, now);
}

bool Publisher::flush(practice::ReviewLog &log, QString *error)
{
    if (!m_settings.enabled)
        return true;
    const bool ok = publish(log, QDateTime::currentMSecsSinceEpoch());
    if (!ok)
        *error = m_error;
    return ok;
}

} // namespace orvik3::school
