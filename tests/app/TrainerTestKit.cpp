#include "TrainerTestKit.h"

#include "study/StudyRecords.h"

#include <orvik3/ExerciseCatalog.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace orvik3::trainer::test {

namespace {

host::Station station(const char *id, host::StationKind kind, double x = 0, double y = 0)
{
    return {QString::fromLatin1(id), kind, {x, y}};
}

} // namespace

host::Session sessionFor(int type)
{
    host::Session s;
    s.exercise = type;
    s.title = QStringLiteral("Type %1").arg(type);
    s.aircraft = {host::RelativePosition{QString(), 200.0, 12.0}, 90.0, 120.0};
    const bool ndb = type == 4 || type == 5 || type == 11 || type == 12 || type == 13 || type == 14;
    s.stations.push_back(ndb ? station("NB", host::StationKind::Ndb) : station("TGO", host::StationKind::VorDme));
    host::Instruments &in = s.instruments;
    switch (type) {
    case 1: in.hsiCourseDeg = 30.0; break;
    case 2: in.vorObsDeg = 320.0; break;
    case 10: in.rmi = true; break;
    case 3:
        in.hsiCourseDeg = 90.0;
        s.holding = host::Holding{QString(), 90.0, host::HoldingTurn::Right};
        break;
    case 4: case 14:
        in.dg = true;
        (type == 4 ? in.rmi : in.adf) = true;
        s.holding = host::Holding{QString(), 270.0, host::HoldingTurn::Left};
        break;
    case 5: in.rmi = true; break;
    case 11: in.adf = in.dg = true; break;
    case 6: case 7: case 12: case 13:
        in.dg = true;
        // The relative-bearing variants ask for an RMI here on purpose: they show a fixed card.
        in.rmi = true;
        s.target = host::Target{};
        (type == 6 || type == 12 ? s.target->qdmDeg : s.target->qdrDeg) = 30.0;
        if (type == 6)
            s.stations.push_back(station("ABN", host::StationKind::Ndb, 14, -6));
        break;
    case 8:
        in.dg = true;
        s.wind = host::Wind{120.0, 25.0, 20.0};
        break;
    case 9:
        in.hsiCourseDeg = 270.0;
        in.dme = true;
        s.aircraft.position = host::RelativePosition{QString(), 90.0, 18.0};
        s.dmeArc = host::DmeArc{QString(), 12.0, 0.0, std::nullopt, 1.0};
        break;
    default: break;
    }
    return s;
}

Installation::Installation()
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
}

void Installation::writeRaw(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QString Installation::sessionPath(const QString &name) const
{
    return m_dir.filePath(QStringLiteral("default/sessions/") + name);
}

void Installation::writeSession(const QString &name, const host::Session &session)
{
    writeRaw(QStringLiteral("default/sessions/") + name, host::SessionFile::toText(session));
}

void Installation::writeType(int type, int questions)
{
    QByteArray study;
    for (int q = 0; q < questions; ++q) {
        // Numbers, since the holding and DME-arc panels caption their candidates from them.
        for (const auto &[tag, column] : orvik3::test::layoutOf(qint16(type)).places)
            if (column != orvik3::test::kSession)
                study += QByteArray(tag, '#') + QByteArray::number(100 + q) + "\r\n";
        const QString session = QStringLiteral("t%1_%2.session").arg(type).arg(q);
        study += "####" + session.toLatin1() + "\r\n\r\n";
        writeSession(session, sessionFor(type));
    }
    const ExerciseType *t = exerciseType(qint16(type));
    writeRaw(QStringLiteral("default/study/") + QLatin1String(t->germanFile), study);
    writeRaw(QStringLiteral("default/study/") + QLatin1String(t->otherFile), study);
}

void Installation::writeAllTypes(int questions)
{
    for (int type = 1; type <= 14; ++type)
        writeType(type, questions);
}

WindowKit::WindowKit()
    : settings(dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat), store(std::make_shared<MemorySettingsStore>())
{
}

static Services memoryServices(std::shared_ptr<MemorySettingsStore> store)
{
    Services s;
    s.settings = std::move(store);
    s.random = std::make_shared<ScriptedRandomSource>(std::vector<float>{0.0f});
    return s;
}

HostKit::HostKit(int type, int questions) : store(std::make_shared<MemorySettingsStore>()), host(memoryServices(store))
{
    inst.writeType(type, questions);
    host.setBasePath(inst.base());
}

MainWindow &WindowKit::open(Services services, QSize size)
{
    window.reset();
    if (!services.settings)
        services.settings = store;
    if (!services.random)
        services.random = std::make_shared<ScriptedRandomSource>(std::vector<float>{0.0f});
    window = std::make_unique<MainWindow>(services, settings, inst.base());
    window->setScripted(true);
    window->resize(size);
    return *window;
}

} // namespace orvik3::trainer::test
