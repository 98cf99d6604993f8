#include "practice/EndlessRecord.h"

#include "TrainerSettingsKeys.h"

#include <QSettings>

namespace orvik3::trainer {

EndlessRecord::EndlessRecord(QSettings &settings) : m_settings(settings)
{
    m_score.load(settings.value(kEndlessScore).toString());
    m_boxes.load(settings.value(kEndlessBoxes).toString());
}

void EndlessRecord::record(int type, const QStringList &kinds, bool right)
{
    if (const ExerciseType *t = exerciseType(qint16(type)))
        m_score.record(t->family, right);
    m_boxes.record(type, kinds, right);
    m_settings.setValue(kEndlessScore, m_score.save());
    m_settings.setValue(kEndlessBoxes, m_boxes.save());
}

} // namespace orvik3::trainer
