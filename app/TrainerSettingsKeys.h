#pragma once

#include <QString>

namespace orvik3::trainer {

// The trainer's remembered settings, by key.
inline const QString kGeometry = QStringLiteral("window/geometry");
inline const QString kType = QStringLiteral("trainer/type");
inline const QString kLanguage = QStringLiteral("trainer/language");
inline const QString kBase = QStringLiteral("trainer/base");
inline const QString kInstrumentOnly = QStringLiteral("trainer/instrumentOnly");
inline const QString kEndlessScore = QStringLiteral("endless/score");
inline const QString kEndlessBoxes = QStringLiteral("endless/boxes");
inline const QString kExamDate = QStringLiteral("practice/examDate"); // yyyy-MM-dd
inline const QString kPublishEnabled = QStringLiteral("class/publish");
inline const QString kClassLocation = QStringLiteral("class/location");
inline const QString kPseudonym = QStringLiteral("class/pseudonym");

} // namespace orvik3::trainer
