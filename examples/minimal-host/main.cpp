// Starts the minimal host: orvik3-minimal-host [--base PATH] [--type N]
#include "MinimalHost.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvik3-minimal-host"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the Orvik3 exercise panel on a base path."));
    parser.addHelpOption();
    const QCommandLineOption base(QStringLiteral("base"), QStringLiteral("Installation folder (default/study below it)."),
                                  QStringLiteral("path"), QDir::currentPath());
    const QCommandLineOption type(QStringLiteral("type"), QStringLiteral("Exercise type 1..14 to start with."),
                                  QStringLiteral("n"));
    parser.addOption(base);
    parser.addOption(type);
    parser.process(app);

    MinimalHost host(parser.value(base));
    host.show();
    if (parser.isSet(type))
        host.start(parser.value(type).toInt());
    return app.exec();
}
