#pragma once
// The trainer run as a separate program, offscreen, with its settings in a folder of the test.
// Tests that use it define ORVIK3_TRAINER_EXE.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace orvik3::trainer::test {

struct TrainerRun {
    int exitCode = -1; // -1 also when it crashed or had to be killed
    QString errors;
};

// Offscreen, and the program's own settings and statistics kept in configDir.
inline QProcessEnvironment environmentWithConfig(const QString &configDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
    env.insert(QStringLiteral("HOME"), configDir);
    return env;
}

inline TrainerRun runTrainer(const QStringList &args, const QProcessEnvironment &env,
                             const QString &program = QStringLiteral(ORVIK3_TRAINER_EXE))
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    TrainerRun r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.errors = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace orvik3::trainer::test
