#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QStringList>
#include <memory>

namespace orvik3::trainer::test {

// A paint device that keeps every text drawn on it, whatever the font or transform, so that a
// test can ask what a picture would say without reading pixels.
class PaintedText : public QPaintDevice
{
public:
    explicit PaintedText(QSize size);
    ~PaintedText() override;

    const QStringList &texts() const;
    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<QPaintEngine> m_engine;
};

} // namespace orvik3::trainer::test
