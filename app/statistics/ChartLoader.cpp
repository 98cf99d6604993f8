#include "statistics/ChartLoader.h"

#include "charts/ChartViews.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace orvik3::trainer {

namespace {

QStringList &extraPaths()
{
    static QStringList paths;
    return paths;
}

} // namespace

void ChartLoader::addSearchPath(const QString &folder)
{
    if (!extraPaths().contains(folder))
        extraPaths() << folder;
}

QStringList ChartLoader::searchPaths()
{
    const QString bin = QCoreApplication::applicationDirPath();
    return QStringList{bin, QDir::cleanPath(bin + QStringLiteral("/" ORVIK3_CHARTS_FROM_BIN))} + extraPaths();
}

ChartViews *ChartLoader::views(QString *error)
{
    static ChartViews *loaded = nullptr;
    static QString failure;
    if (loaded || !failure.isEmpty()) {
        *error = failure;
        return loaded;
    }
    QStringList tried;
    for (const QString &folder : searchPaths()) {
        const QString file = QDir(folder).filePath(QStringLiteral(ORVIK3_CHARTS_MODULE));
        if (!QFileInfo::exists(file))
            continue;
        QPluginLoader loader(file);
        if (auto *v = qobject_cast<ChartViews *>(loader.instance()))
            return loaded = v;
        tried << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(file), loader.errorString());
    }
    failure = tried.isEmpty() ? tr("The charts cannot be shown: their module %1 is not in %2.")
                                    .arg(QStringLiteral(ORVIK3_CHARTS_MODULE), searchPaths().join(QStringLiteral(", ")))
                              : tr("The charts cannot be shown: %1").arg(tried.join(QStringLiteral("; ")));
    *error = failure;
    return nullptr;
}

} // namespace orvik3::trainer
