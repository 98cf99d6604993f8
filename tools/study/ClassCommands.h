#pragma once

// The study tool's class commands: the report and item analysis of a class, a student's
// withdrawal and publishing, and the simulated class.

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

namespace orvik3::study {

// orvik3-study class report|items|withdraw|publish ...; the tool's exit status.
int runClassCommand(const QStringList &args, const QCommandLineParser &p, QTextStream &out, QTextStream &err);
// --students, --days, --per-day and --seed of simulate, where given; the usage error, or empty.
QString readSimulationCounts(const QCommandLineParser &p, int &students, int &days, int &perDay, quint64 &seed);
// orvik3-study simulate --class LOCATION ...
int runClassSimulation(const QCommandLineParser &p, QTextStream &out, QTextStream &err);

} // namespace orvik3::study
