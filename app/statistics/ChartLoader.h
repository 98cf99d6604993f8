#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orvik3::trainer {

class ChartViews;

// Finds and loads the chart module the first time a chart is wanted: beside the program (the
// build tree), then where the installation keeps it, then in the folders added.
class ChartLoader
{
    Q_DECLARE_TR_FUNCTIONS(ChartLoader)
public:
    // The module, or nullptr with *error saying what was looked for and why it failed.
    static ChartViews *views(QString *error);
    static void addSearchPath(const QString &folder);
    static QStringList searchPaths();
};

} // namespace orvik3::trainer
