#pragma once

// The end-to-end tests run on an X server of their own: Xvfb is started on a free display,
// the tests run on the xcb platform with real input events, and the server goes again.
// Without Xvfb the test reports itself skipped (77).

#include <QApplication>
#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>

namespace orvik3::test {

// `screen`: the server's screen, "WxHxDepth". The server picks a free display itself and
// tells which, so that tests run side by side never share one.
inline int runOnPrivateXServer(int argc, char **argv, const QString &screen = QStringLiteral("1600x1000x24"))
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        std::fprintf(stderr, "Xvfb is not installed: skipped\n");
        return 77;
    }
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"), screen,
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QByteArray told;
    while (!told.contains('\n') && server.waitForReadyRead(10000))
        told += server.readAllStandardOutput();
    bool ok = false;
    const int display = told.trimmed().toInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "Xvfb did not start\n");
        server.kill(), server.waitForFinished(2000);
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
