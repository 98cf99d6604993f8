#pragma once

// Turns scenario files into an installation: one session file per situation and the study
// files of every type in German and English, each stored answer computed from the geometry
// of its situation. The output depends on nothing but the scenarios.

#include "Scenario.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvik3::study {

struct GeneratedFile {
    QString path; // relative to the installation: default/study/..., default/sessions/...
    QByteArray bytes;
};

struct Generated {
    std::vector<GeneratedFile> files; // in a fixed order
    QStringList notes;                // one summary line per scenario
};

// Every situation without a clear-cut answer is reported, not just the first.
std::optional<Generated> generate(const std::vector<Scenario> &scenarios, std::vector<ScenarioError> *errors);

// Study-file bytes: the lines joined by CR LF (with a final CR LF), in Windows-1252.
QByteArray studyBytes(const QStringList &lines);

// Session text with CR LF line ends, like every other file of an installation.
QByteArray sessionBytes(const host::Session &session);

} // namespace orvik3::study
