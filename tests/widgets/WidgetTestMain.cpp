#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Widget tests need a QApplication; the style is fixed so that sizes do not depend on the
// desktop the tests run on.
int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // also while the test runner lists the tests
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
