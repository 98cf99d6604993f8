#include "practice/PracticeMemory.h"

#include <ParameterFit.h>
#include <Publisher.h>
#include <ReviewLog.h>

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QThread>

namespace orvik3::trainer {

using practice::ReviewLog;

// Everything here is touched on the log's thread only.
struct PracticeMemory::Worker {
    std::unique_ptr<ReviewLog> log;
    std::unique_ptr<school::Publisher> publisher;
    bool tried = false;
};

PracticeMemory::PracticeMemory(QString path, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_worker(std::make_unique<Worker>())
{
}

PracticeMemory::~PracticeMemory()
{
    if (!m_thread)
        return;
    // The log closes on the thread that opened it; whatever is queued is written first.
    post([](Worker &w) {
        if (w.publisher && w.log) {
            QString ignored;
            w.publisher->flush(*w.log, &ignored);
        }
        w.publisher.reset();
        w.log.reset();
    });
    m_thread->quit();
    m_thread->wait();
    delete m_context;
}

void PracticeMemory::post(std::function<void(Worker &)> task)
{
    if (!m_thread) {
        m_thread = new QThread(this);
        m_thread->setObjectName(QStringLiteral("review log"));
        m_context = new QObject;
        m_context->moveToThread(m_thread);
        m_thread->start();
    }
    Worker *w = m_worker.get();
    QMetaObject::invokeMethod(m_context, [w, task = std::move(task)] { task(*w); }, Qt::QueuedConnection);
}

void PracticeMemory::deliver(Worker &w)
{
    auto states = w.log->states();
    const practice::MemoryParameters parameters = w.log->parameters();
    const qint64 count = w.log->count();
    QMetaObject::invokeMethod(this, [this, states = std::move(states), parameters, count] {
        m_memory = practice::SkillMemory(states, parameters);
        m_count = count;
        m_open = true;
        emit changed();
    }, Qt::QueuedConnection);
}

void PracticeMemory::open()
{
    post([this](Worker &w) {
        if (w.tried)
            return;
        w.tried = true;
        QString error;
        w.log = ReviewLog::open(m_path, &error);
        if (!w.log) {
            QMetaObject::invokeMethod(this, [this, error] { emit failed(tr("The review log cannot be opened: %1").arg(error)); },
                                      Qt::QueuedConnection);
            return;
        }
        deliver(w);
    });
}

void PracticeMemory::append(std::vector<practice::Review> reviews)
{
    if (reviews.empty())
        return;
    open();
    post([this, reviews = std::move(reviews)](Worker &w) {
        if (!w.log)
            return;
        QString error;
        if (!w.log->append(reviews, &error)) {
            QMetaObject::invokeMethod(this, [this, error] { emit failed(tr("The answer was not logged: %1").arg(error)); },
                                      Qt::QueuedConnection);
            return;
        }
        if (w.publisher)
            w.publisher->afterQuestion(*w.log, reviews.back().at);
        deliver(w);
    });
}

void PracticeMemory::setPublishing(const school::PublishSettings &settings)
{
    open();
    post([settings](Worker &w) {
        if (w.publisher && w.publisher->settings() == settings)
            return;
        w.publisher = settings.enabled ? std::make_unique<school::Publisher>(settings) : nullptr;
    });
}

void PracticeMemory::fitIfDue(qint64 now)
{
    open();
    post([this, now](Worker &w) {
        const QString today = QDateTime::fromMSecsSinceEpoch(now, Qt::UTC).date().toString(Qt::ISODate);
        if (!w.log || w.log->count() < practice::kMinimumReviewsToFit || w.log->meta(QStringLiteral("fitted")) == today)
            return;
        QString error;
        const auto fit = practice::fitParameters(w.log->reviews(), w.log->parameters());
        if (fit && fit->lossAfter < fit->lossBefore && !w.log->setParameters(fit->parameters, &error))
            return;
        w.log->setMeta(QStringLiteral("fitted"), today, &error);
        deliver(w);
    });
}

void PracticeMemory::waitForIdle()
{
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(m_context, [] {}, Qt::BlockingQueuedConnection);
    // The results the log's thread handed over are waiting in this thread's queue.
    QCoreApplication::sendPostedEvents(this);
}

} // namespace orvik3::trainer
