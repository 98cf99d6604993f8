#pragma once

#include <QtGlobal>

namespace orvik3 {

// The largest file each reader accepts, in one place. Every limit is far above what a real
// file of its kind holds, and low enough that a reader never holds more than a few megabytes.
struct FileLimit {
    qint64 bytes;
    const char *what; // names the kind of file in messages
};

namespace limits {

inline constexpr qint64 kMiB = 1024 * 1024;

// 301 records of at most 20 lines each: well below 1 MB even with long texts.
inline constexpr FileLimit kStudyFile{4 * kMiB, "study file"};
// A session file is a few dozen lines.
inline constexpr FileLimit kSessionFile{1 * kMiB, "session file"};
// The rich-text power tips may carry pictures.
inline constexpr FileLimit kPowerTips{8 * kMiB, "power tips"};
// 14 types x 301 questions x 2 counters is about 250 KB.
inline constexpr FileLimit kSettingsStore{4 * kMiB, "settings file"};
// A scenario lists at most 301 questions of a few lines each.
inline constexpr FileLimit kScenario{1 * kMiB, "scenario file"};
// The trainer's own window and choice settings: a few dozen lines.
inline constexpr FileLimit kTrainerSettings{1 * kMiB, "trainer settings file"};

} // namespace limits
} // namespace orvik3
