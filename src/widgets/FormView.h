#pragma once

#include <orvik3/Form.h>

#include <QHash>
#include <QSet>
#include <QObject>
#include <QPalette>
#include <functional>
#include <vector>

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
    void act(const std::function<bool()> &action);
    bool moveInRow(QWidget *from, int step);

    // Keyboard and screen-reader support (PanelNavigation.cpp).
    void findPrompts();
    void updateAccessibleName(FormControl *control);
    void updateTabOrder();
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
    QSet<const FormControl *> m_built; // top-level frames whose controls have widgets
    bool m_syncing = false;
};

} // namespace orvik3
