#pragma once

#include <QWidget>

namespace orvik3::trainer {

// What the colours of the plan mean: a swatch and a word per colour, painted directly (a rich
// text table costs a text layout engine at start-up).
class Legend : public QWidget
{
    Q_OBJECT
public:
    explicit Legend(QWidget *parent = nullptr);
    // The words in the current language.
    void retranslate();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_words;
};

} // namespace orvik3::trainer
