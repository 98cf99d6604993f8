#pragma once

// The simple rules a trainee could learn in place of the skill, and how often each is right
// in a study file: always the same option of a row, the right option always in the same
// place, a sign rule between two rows. A row's rule is its most often right option, counted
// the way the panel judges. A file teaches the skill when no such rule is right much more
// often than chance allows. Rows whose answer the panels' own layout fixes (the offset-0
// bearing among the QDM/QDR candidates, the +180 outbound heading) are left out.

#include "Lint.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orvik3::study {

// No rule of a well-made set is right in more of the questions it applies to.
inline constexpr double kShortcutLimit = 0.70;

struct Shortcut {
    QString row;    // "first turn", "QDR option", "first turn against actual and required"
    QString option; // the row's most often right option
    int right = 0;  // questions it is right in
    int applies = 0; // questions the row has an answer in
    double share() const { return applies > 0 ? double(right) / applies : 0.0; }
};

struct ShortcutReport {
    QString file;
    qint16 type = 0;
    int questions = 0;
    std::vector<Shortcut> shortcuts; // highest share first
};

ShortcutReport shortcutsOf(const QByteArray &bytes, const QString &displayName, qint16 type);

// Reads one file, its type found as lintStudyFile() finds it.
std::optional<ShortcutReport> shortcutsOfFile(const QString &path, const LintOptions &options, QString *error);

// "file: type N, K questions, highest P% (row: option)" and a line per row, those above the
// limit marked with "!".
QString formatShortcuts(const ShortcutReport &report);

} // namespace orvik3::study
