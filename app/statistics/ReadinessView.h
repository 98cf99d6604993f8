#pragma once

#include "ExerciseCatalog.h"

#include <QWidget>

class QLabel;

namespace orvik3::practice {
class SkillMemory;
}

namespace orvik3::trainer {

// Practice that remembers, in two charts: the predicted share of skills right at the exam
// date per family and overall, and the reviews due on each of the next two weeks. The charts
// come from the chart module; when it cannot be loaded, the view says why instead.
class ReadinessView : public QWidget
{
    Q_OBJECT
public:
    explicit ReadinessView(QWidget *parent = nullptr);
    // `now` and `exam` in ms since the epoch.
    void show(const practice::SkillMemory &memory, qint64 now, qint64 exam, Language language);
    int chartCount() const { return int(m_charts.size()); }
    QString problem() const;

private:
    QLabel *m_summary;
    QLabel *m_problem;
    QList<QWidget *> m_charts;
};

} // namespace orvik3::trainer
