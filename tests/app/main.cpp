#include "TrainerTranslator.h"
#include "statistics/ChartLoader.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Tests never touch the real user settings.
    QStandardPaths::setTestModeEnabled(true);
    // Headless, also when the build lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orvik3::trainer::TrainerTranslator::addSearchPath(QStringLiteral(ORVIK3_BUILD_TRANSLATIONS_DIR));
    orvik3::trainer::ChartLoader::addSearchPath(QStringLiteral(ORVIK3_BUILD_CHARTS_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
