#pragma once

#include <orvik3/Form.h>

namespace orvik3 {

// Places the design-time controls of a panel: teal frames, labels and options with white
// text, buttons in the system's button colours, text boxes on the window background.
class PanelBuilder
{
public:
    explicit PanelBuilder(Form &form)
        : m_form(form)
    {
    }

    FormControl &frame(const QString &name, FormControl *in, int l, int t, int w, int h, const QString &caption = {});
    FormControl &label(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption = {});
    FormControl &option(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption = {});
    FormControl &button(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption = {});
    FormControl &check(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption = {});
    FormControl &combo(const QString &name, FormControl &in, int l, int t, int w, int h);
    FormControl &textBox(const QString &name, FormControl &in, int l, int t, int w, int h, bool multiLine = false);

private:
    FormControl &add(ControlKind kind, const QString &name, FormControl *in, int l, int t, int w, int h,
                     const QString &caption);
    Form &m_form;
};

} // namespace orvik3
