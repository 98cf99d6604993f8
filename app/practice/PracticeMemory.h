#pragma once

#include <Review.h>
#include <SkillMemory.h>

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace orvik3::school {
struct PublishSettings;
}

namespace orvik3::trainer {

// The trainee's review log as the window sees it. The log itself lives on a thread of its
// own, opened when first wanted, so that neither opening a long log, nor a synced write, nor
// fitting the model, nor publishing to the class ever waits on the window thread. The window
// keeps a copy of the memory of every skill, brought up to date after every write.
class PracticeMemory : public QObject
{
    Q_OBJECT
public:
    explicit PracticeMemory(QString path, QObject *parent = nullptr);
    // Waits for the writes asked for so far: what was appended is on disk when the window goes.
    ~PracticeMemory() override;

    QString path() const { return m_path; }
    // Another log, as long as none was opened yet.
    void setPath(const QString &path)
    {
        if (!m_thread)
            m_path = path;
    }
    // Opens the log on its thread, once; changed() follows (or failed()).
    void open();
    bool isOpen() const { return m_open; }
    // The memory of every skill as of the last write; every skill unknown before the log is open.
    const practice::SkillMemory &memory() const { return m_memory; }
    qint64 reviewCount() const { return m_count; }
    // The reviews of one question, written in one transaction in the order asked.
    void append(std::vector<practice::Review> reviews);
    // What goes to the class after every question (nothing while publishing is off).
    void setPublishing(const school::PublishSettings &settings);
    // Fits the model to the log on its thread when it holds enough reviews and was not fitted
    // on the day of `now` yet.
    void fitIfDue(qint64 now);
    // Blocks until everything asked for so far is done and its result is in memory().
    void waitForIdle();

signals:
    void changed();
    void failed(const QString &message);

private:
    struct Worker;
    void post(std::function<void(Worker &)> task);
    // On the log's thread: hands the states over to the window thread.
    void deliver(Worker &w);

    QString m_path;
    QThread *m_thread = nullptr;
    QObject *m_context = nullptr; // lives on the log's thread
    std::unique_ptr<Worker> m_worker;
    practice::SkillMemory m_memory;
    qint64 m_count = 0;
    bool m_open = false;
};

} // namespace orvik3::trainer
