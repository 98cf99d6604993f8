// Row labels of the design sit at the top of boxes that are often taller than their row, with
// the text drawn from the top; on screen they then read as belonging between two option rows.
// A label that states a row of option buttons is centred on that row instead, keeping its size.
#include "widgets/FormView.h"

#include <QPoint>

namespace orvik3 {

namespace {

// Top of a control on its family frame (the top-level container), in twips.
int panelTop(const FormControl *control)
{
    int top = control->top();
    for (const FormControl *c = control->container(); c && c->container(); c = c->container())
        top += c->top();
    return top;
}

} // namespace

bool FormView::rowMiddle(const FormControl *label, int *middle) const
{
    if (label->kind() != ControlKind::Label)
        return false;
    int sum = 0, count = 0;
    for (const FormControl *row : m_prompted.values(label)) {
        if (row->kind() != ControlKind::OptionButton || row->container() == label->container())
            continue;
        sum += panelTop(row) + row->height() / 2;
        ++count;
    }
    if (count == 0)
        return false;
    // From the family frame back into the label's own container.
    *middle = sum / count - (panelTop(label) - label->top());
    return true;
}

} // namespace orvik3
