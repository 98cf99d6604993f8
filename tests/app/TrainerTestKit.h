#pragma once

#include "MainWindow.h"
#include "panel/TrainerHost.h"

#include "session/SessionFile.h"

#include <orvik3/SettingsStore.h>

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace orvik3::trainer::test {

// A session typical of the exercise type: one station (two for QDM), the aircraft on a
// radial, the type's instruments and its exercise data.
host::Session sessionFor(int type);

// A small installation in a temporary folder: for each type written, a German and an
// English study file with `questions` records whose sessions are written next to them.
class Installation
{
public:
    Installation();
    QString base() const { return m_dir.path(); }
    // Study files of `type`; question q uses session file "t<type>_<q>.session".
    void writeType(int type, int questions = 2);
    void writeAllTypes(int questions = 2);
    void writeSession(const QString &name, const host::Session &session);
    void writeRaw(const QString &relativePath, const QByteArray &bytes);
    QString sessionPath(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// The trainer's window on an installation of its own, with its settings in a scratch file and
// its statistics in memory; scripted, so that problems go to the error stream.
class WindowKit
{
public:
    WindowKit();
    // A window (the last one goes first): `services` complete the store and a fixed random source.
    MainWindow &open(Services services = {}, QSize size = {1100, 700});

    QTemporaryDir dir;
    QSettings settings;
    std::shared_ptr<MemorySettingsStore> store;
    Installation inst;
    std::unique_ptr<MainWindow> window;
};

// The trainer's host without a window, on an installation of its own with `questions` of
// `type`: statistics in memory, a fixed random source.
class HostKit
{
public:
    HostKit(int type, int questions);

    Installation inst;
    std::shared_ptr<MemorySettingsStore> store;
    TrainerHost host;
};

} // namespace orvik3::trainer::test
