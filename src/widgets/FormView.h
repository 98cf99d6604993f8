#pragma once

#include <orvik3/Form.h>

#include <QHash>
#include <QSet>
#include <QObject>
#include <QPalette>
#include <functional>
#include <vector>

class QComboBox;
class QKeyEvent;
class QStyle;
class QWidget;

namespace orvik3 {

class QAformWidget;

// Mirrors the child controls of one form as Qt widgets and sends the trainee's input back to
// the form's user actions. The form decides everything: after each action the widgets are
// set from the model again, so a radio button Qt toggled on its own is put right at once.
// The controls of a family frame get their widgets when the frame is first shown (or one of
// them is asked for): a panel on screen holds only the families it has shown.
class FormView : public QObject
{
    Q_OBJECT
public:
    FormView(Form &form, QAformWidget &panel);

    QWidget *widgetFor(const FormControl *control) const { return m_widgets.value(control, nullptr); }
    // The widget of the named control, made with its family frame if need be.
    QWidget *widgetFor(const QString &name);
    // Sets every widget from the model again.
    void syncAll();
    // Converts twips to pixels of the panel (again) for every widget.
    void relayout();

    // Colour of the control's colour value; system colours come from the palette.
    static QColor color(OleColor value, const QPalette &palette);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void create(FormControl *control);
    // Widgets for every control on the top-level frame `root`, set from the model.
    void build(const FormControl *root);
    void mirror(FormControl *control, ControlProperty property);
    void applyColors(FormControl *control, QWidget *widget);
    void applyGeometry(FormControl *control, QWidget *widget);
    int wholeRows(const FormControl *frame, int height) const;
    void updateParked(const FormControl *control, QWidget *widget);
    void act(const std::function<bool()> &action);
    bool moveInRow(QWidget *from, int step);
    // A list choice handed to the control.
    void commitChoice(FormControl *control, int row);
    // A key on a closed list: true when it was handled here.
    bool closedListKey(QComboBox *combo, QKeyEvent *key);

    // Keyboard and screen-reader support (PanelNavigation.cpp).
    void findPrompts();
    void updateAccessibleName(FormControl *control);
    void updateTabOrder();
    // A result's text as shown: with a mark for right or wrong beside its colour.
    QString shownText(const FormControl *control, const QString &text) const;
    // Row labels centred on their option rows (RowLabels.cpp).
    bool rowMiddle(const FormControl *label, int *middle) const;

    Form &m_form;
    QAformWidget &m_panel;
    QHash<const FormControl *, QWidget *> m_widgets;
    QHash<const QWidget *, FormControl *> m_controls;
    // The label (or question box) that states the row a control answers.
    QHash<const FormControl *, FormControl *> m_prompt;
    QMultiHash<const FormControl *, FormControl *> m_prompted;
    QStyle *m_style;
    QSet<const FormControl *> m_built;
    QHash<const FormControl *, Qt::FocusPolicy> m_parked; // beyond the frame's edge, with their own policy // top-level frames whose controls have widgets
    bool m_syncing = false;
    QComboBox *m_browsing = nullptr;           // a closed list taking a key just now
    const QComboBox *m_uncommitted = nullptr;  // a list moved to an entry not yet committed
    qint64 m_committedAt = 0;

    friend class QAformWidget;
};

} // namespace orvik3
