#pragma once

#include "ClassStore.h"

#include <QString>
#include <QtGlobal>

#include <memory>

namespace orvik3::practice {
class ReviewLog;
}

namespace orvik3::school {

// What a student chose for the class in the trainer's settings.
struct PublishSettings {
    bool enabled = false; // nothing leaves the machine until the student turns this on
    QString location;     // the class folder or server (see ClassStore::open)
    QString pseudonym;
    bool operator==(const PublishSettings &) const = default;
};

// The trainer's side of the class: called after every question, it publishes the review log
// as the settings say. A server gets every review at once; a folder a snapshot at most every
// kSnapshotEvery, and at flush(). A failure never stops practice: the reviews stay in the log
// and go with a later call, tried again no sooner than kRetryAfter. Calls may block for the
// server's connect timeout (3 s); a trainer that minds runs them on a thread of their own.
class Publisher
{
public:
    static constexpr qint64 kSnapshotEvery = 60 * 1000;
    static constexpr qint64 kRetryAfter = 30 * 1000;

    explicit Publisher(const PublishSettings &settings, qint64 retryAfter = kRetryAfter);
    ~Publisher();

    const PublishSettings &settings() const { return m_settings; }
    // After an answered question; `now` in ms since the epoch.
    void afterQuestion(practice::ReviewLog &log, qint64 now);
    // Publishes whatever is pending now (at the end of practice); false with *error.
    bool flush(practice::ReviewLog &log, QString *error);
    // The last failure, empty after a success: for the settings page.
    const QString &lastError() const { return m_error; }
    // When the class last got everything, ms since the epoch; 0: not yet.
    qint64 lastPublished() const { return m_published; }

private:
    bool publish(practice::ReviewLog &log, qint64 now);

    PublishSettings m_settings;
    std::unique_ptr<ClassStore> m_store;
    QString m_error;
    qint64 m_published = 0;
    qint64 m_failed = 0;
    qint64 m_retryAfter;
};

} // namespace orvik3::school
