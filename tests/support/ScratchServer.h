#pragma once

// A throwaway PostgreSQL server on the loopback for the tests (scripts/pg-scratch.sh): made
// at the first url(), removed when the test program ends. kill() takes it down as a crash
// would; start() brings it back on the same port with what it had committed. Every test
// program that uses it links GoogleTest, whose last step removes it.
#include <QString>
#include <QTemporaryDir>

class ScratchServer
{
public:
    static ScratchServer &instance();
    // "postgresql://orvik3@127.0.0.1:PORT/class"; empty with the reason in error() when no
    // server could be started.
    QString url();
    const QString &error() const { return m_error; }
    bool kill();
    bool start();
    void remove();

private:
    bool run(const QString &command, QString *output = nullptr);
    QTemporaryDir m_dir;
    QString m_url, m_error;
};
