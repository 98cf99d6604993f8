#include "TrainerTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace orvik3::trainer {

namespace {

const QString kOwnFile = QStringLiteral("orvik3_trainer_de.qm");

struct Installed {
    QPointer<QTranslator> own;
    QPointer<QTranslator> qt;
    Language language = Language::English;
    bool failed = false; // the German file would not load: it is not tried again
};

Installed &installed()
{
    static Installed state;
    return state;
}

QStringList &extraPaths()
{
    static QStringList paths;
    return paths;
}

void drop(QPointer<QTranslator> &t)
{
    if (!t)
        return;
    QCoreApplication::removeTranslator(t);
    delete t;
    t = nullptr;
}

} // namespace

QStringList TrainerTranslator::searchPaths()
{
    const QString bin = QCoreApplication::applicationDirPath();
    QStringList paths{QDir(bin).filePath(QStringLiteral("translations")),
                      QDir::cleanPath(bin + QStringLiteral("/../share/orvik3/translations"))};
    return paths + extraPaths();
}

void TrainerTranslator::addSearchPath(const QString &dir)
{
    if (!dir.isEmpty() && !extraPaths().contains(dir))
        extraPaths() << dir;
}

QString TrainerTranslator::directory()
{
    for (const QString &dir : searchPaths())
        if (QFileInfo(QDir(dir).filePath(kOwnFile)).isFile())
            return dir;
    return {};
}

Language TrainerTranslator::current() { return installed().language; }

bool TrainerTranslator::apply(Language language, QString *problem)
{
    Installed &state = installed();
    // Loaded once: asked again for the language in force, the files stay as they are.
    if (language == state.language && (language == Language::English || state.own || state.failed))
        return language == Language::English || !state.failed;
    drop(state.own);
    drop(state.qt);
    state.language = language;
    if (language == Language::English || !QCoreApplication::instance())
        return true;

    auto *own = new QTranslator(QCoreApplication::instance());
    const QString dir = directory();
    if (!state.failed && !dir.isEmpty() && own->load(kOwnFile, dir)) {
        QCoreApplication::installTranslator(own);
        state.own = own;
    } else {
        delete own;
        if (problem && state.failed)
            problem->clear();
        else if (problem && dir.isEmpty())
            *problem = QStringLiteral("German texts not found (%1 in %2)").arg(kOwnFile, searchPaths().join(QStringLiteral(", ")));
        else if (problem)
            *problem = QStringLiteral("German texts damaged: %1 cannot be loaded").arg(QDir(dir).filePath(kOwnFile));
        state.failed = true;
    }
    // Qt's own words (Close, Yes, Cancel ...) come with Qt; without them the dialogs stay English.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        state.qt = qt;
    } else {
        delete qt;
    }
    return !state.failed;
}

} // namespace orvik3::trainer
