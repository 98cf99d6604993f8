#pragma once

#include "situation/Situation.h"

#include <QWidget>

namespace orvik3::trainer {

// The widget showing the situation: plan view and instruments, redrawn on every change.
class SituationView : public QWidget
{
    Q_OBJECT
public:
    explicit SituationView(QWidget *parent = nullptr);

    void setSituation(Situation situation);
    const Situation &situation() const { return m_situation; }
    Situation &situation() { return m_situation; }
    // The instruments currently drawn, in order.
    std::vector<InstrumentKind> instruments() const;
    // For a screen reader: what the view shows, without the values the question asks.
    QString description() const;

    QSize sizeHint() const override { return {760, 560}; }
    QSize minimumSizeHint() const override { return {360, 280}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Situation m_situation;
};

} // namespace orvik3::trainer
