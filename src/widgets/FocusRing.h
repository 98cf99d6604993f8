#pragma once

#include <QPointer>
#include <QWidget>

namespace orvik3 {

// A ring drawn around the panel's control that has the keyboard focus. The design packs the
// option buttons so tightly that a style's own focus mark (a dotted line round the caption, or
// nothing at all on frameless boxes) is hard to find; the ring is drawn on top of the panel,
// takes no mouse input and follows the focus wherever it goes inside the panel.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    explicit FocusRing(QWidget *panel);

    // The control the ring surrounds, or nullptr when the focus is outside the panel.
    QWidget *target() const { return m_target; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusMoved(QWidget *now);
    void follow();

    QWidget *m_panel;
    QPointer<QWidget> m_target;
};

} // namespace orvik3
