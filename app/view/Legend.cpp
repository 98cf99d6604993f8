#include "view/Legend.h"

#include <QPainter>

#include <algorithm>

namespace orvik3::trainer {

namespace {

// The plan's colours, in the order the legend lists them.
constexpr QRgb kColours[] = {0x1f6fb2, 0x7b3fa0, 0xd2691e, 0x1e9e4a, 0x444444};

} // namespace

Legend::Legend(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("legend"));
    retranslate();
}

void Legend::retranslate()
{
    m_words = {tr("Holding pattern"), tr("DME arc and final course"), tr("Bearing to intercept"), tr("Solution"),
               tr("Track flown")};
    updateGeometry();
    update();
}

QSize Legend::sizeHint() const
{
    const QFontMetrics fm(font());
    int width = 0;
    for (const QString &w : m_words)
        width = std::max(width, fm.horizontalAdvance(w));
    return {fm.height() * 2 + width, int(m_words.size()) * (fm.height() + 4)};
}

void Legend::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int row = fm.height() + 4, swatch = fm.height();
    for (int k = 0; k < int(m_words.size()); ++k) {
        const int top = k * row;
        p.fillRect(QRect(2, top + swatch / 3, swatch, swatch / 3), QColor(kColours[k]));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(swatch + 8, top, width() - swatch - 8, row), Qt::AlignLeft | Qt::AlignVCenter, m_words[k]);
    }
}

} // namespace orvik3::trainer
