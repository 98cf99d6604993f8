#include "ScratchServer.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Removes the server while the application still runs, after the last test.
class Cleanup : public ::testing::Environment
{
public:
    void TearDown() override { ScratchServer::instance().remove(); }
};
[[maybe_unused]] const auto *const g_cleanup = ::testing::AddGlobalTestEnvironment(new Cleanup);

} // namespace

ScratchServer &ScratchServer::instance()
{
    static ScratchServer server;
    return server;
}

void ScratchServer::remove()
{
    if (!m_url.isEmpty())
        run(QStringLiteral("remove"));
    m_url.clear();
}

bool ScratchServer::run(const QString &command, QString *output)
{
    QProcess p;
    p.start(QStringLiteral(ORVIK3_PG_SCRATCH), {command, m_dir.path()});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = QStringLiteral("pg-scratch.sh %1: %2").arg(command, QString::fromLocal8Bit(p.readAllStandardError()));
        return false;
    }
    if (output)
        *output = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    return true;
}

QString ScratchServer::url()
{
    if (m_url.isEmpty() && m_error.isEmpty())
        run(QStringLiteral("start"), &m_url);
    return m_url;
}

bool ScratchServer::kill() { return run(QStringLiteral("kill")); }

bool ScratchServer::start() { return run(QStringLiteral("start")); }
