#pragma once

// The end-to-end tests run on an X server of their own: a free display is found, Xvfb is
// started on it, the tests run on the xcb platform with real input events, and the server
// goes again. Without Xvfb the test reports itself skipped (77).

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>

namespace orvik3::test {

inline int freeDisplay(int first)
{
    for (int n = first; n < first + 300; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) && !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return n;
    }
    return -1;
}

// `firstDisplay`: where the search for a free display starts; tests run side by side start
// apart, so that they do not race for the same one.
// `screen`: the server's screen, "WxHxDepth".
inline int runOnPrivateXServer(int argc, char **argv, int firstDisplay = 77, const QString &screen = QStringLiteral("1600x1000x24"))
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        std::fprintf(stderr, "Xvfb is not installed: skipped\n");
        return 77;
    }
    QProcess server;
    int display = -1;
    for (int attempt = 0; attempt < 5 && display < 0; ++attempt) {
        const int n = freeDisplay(firstDisplay);
        server.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"), screen, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server.waitForStarted(5000))
            continue;
        for (int k = 0; k < 100 && server.state() == QProcess::Running; ++k) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                display = n;
                break;
            }
            QThread::msleep(50);
        }
        if (display < 0)
            server.kill(), server.waitForFinished(2000);
    }
    if (display < 0) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    QTemporaryDir config;
    qputenv("DISPLAY", QByteArray(":") + QByteArray::number(display));
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    int rc = 1;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    server.terminate();
    if (!server.waitForFinished(3000))
        server.kill(), server.waitForFinished(2000);
    return rc;
}

} // namespace orvik3::test
