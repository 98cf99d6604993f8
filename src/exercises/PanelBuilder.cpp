#include "exercises/PanelBuilder.h"

#include <QSignalBlocker>

namespace orvik3 {

FormControl &PanelBuilder::add(ControlKind kind, const QString &name, FormControl *in, int l, int t, int w, int h,
                               const QString &caption)
{
    FormControl &c = m_form.add(kind, name, in, l, t, w, h, caption);
    const QSignalBlocker quiet(&m_form);
    switch (kind) {
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
        c.setBackColor(colors::darkTeal);
        c.setForeColor(colors::white);
        break;
    case ControlKind::CommandButton:
        c.setBackColor(colors::buttonFace);
        c.setForeColor(colors::buttonText);
        break;
    case ControlKind::ComboBox:
    case ControlKind::TextBox:
        c.setBackColor(colors::windowBackground);
        c.setForeColor(colors::windowText);
        break;
    }
    return c;
}

FormControl &PanelBuilder::frame(const QString &name, FormControl *in, int l, int t, int w, int h, const QString &caption)
{
    return add(ControlKind::Frame, name, in, l, t, w, h, caption);
}

FormControl &PanelBuilder::label(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption)
{
    return add(ControlKind::Label, name, &in, l, t, w, h, caption);
}

FormControl &PanelBuilder::option(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption)
{
    return add(ControlKind::OptionButton, name, &in, l, t, w, h, caption);
}

FormControl &PanelBuilder::button(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption)
{
    return add(ControlKind::CommandButton, name, &in, l, t, w, h, caption);
}

FormControl &PanelBuilder::check(const QString &name, FormControl &in, int l, int t, int w, int h, const QString &caption)
{
    return add(ControlKind::CheckBox, name, &in, l, t, w, h, caption);
}

FormControl &PanelBuilder::combo(const QString &name, FormControl &in, int l, int t, int w, int h)
{
    return add(ControlKind::ComboBox, name, &in, l, t, w, h, {});
}

FormControl &PanelBuilder::textBox(const QString &name, FormControl &in, int l, int t, int w, int h, bool multiLine)
{
    FormControl &c = add(ControlKind::TextBox, name, &in, l, t, w, h, {});
    c.setMultiLine(multiLine);
    return c;
}

} // namespace orvik3
