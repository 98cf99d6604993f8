#include <orvik3/Error.h>
#include <orvik3/Form.h>
#include <orvik3/FormControl.h>

#include <QCoreApplication>

namespace orvik3 {

FormControl::FormControl(Form *form, ControlKind kind, const QString &name, FormControl *container)
    : m_form(form)
    , m_kind(kind)
    , m_name(name)
    , m_container(container)
{
    if (container)
        container->m_children.push_back(this);
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        m_backColor = colors::windowBackground;
        m_foreColor = colors::windowText;
        break;
    default:
        break;
    }
}

void FormControl::changed(ControlProperty property)
{
    if (m_form)
        emit m_form->changed(this, property);
}

void FormControl::requireKind(std::initializer_list<ControlKind> kinds, const char *what) const
{
    for (ControlKind k : kinds)
        if (k == m_kind)
            return;
    throw Error(ErrorKind::ControlFailure,
                QCoreApplication::translate("orvik3::Error", "%1 has no property %2").arg(m_name, QLatin1String(what)));
}

void FormControl::fireClick()
{
    if (m_click)
        m_click();
}

void FormControl::setGeometry(int left, int top, int width, int height)
{
    if (width < 0 || height < 0)
        throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "%1: negative size").arg(m_name));
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    changed(ControlProperty::Geometry);
}

void FormControl::setHeight(int twips) { setGeometry(m_left, m_top, m_width, twips); }
void FormControl::setWidth(int twips) { setGeometry(m_left, m_top, twips, m_height); }

void FormControl::setCaption(const QString &caption)
{
    requireKind({ControlKind::Frame, ControlKind::Label, ControlKind::OptionButton, ControlKind::CommandButton,
                 ControlKind::CheckBox},
                "Caption");
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed(ControlProperty::Caption);
}

QString FormControl::text() const
{
    if (m_kind == ControlKind::ComboBox)
        return m_listIndex >= 0 && m_listIndex < m_items.size() ? m_items[m_listIndex] : QString();
    return m_text;
}

void FormControl::setText(const QString &text)
{
    requireKind({ControlKind::TextBox}, "Text");
    if (text == m_text)
        return; // the platform raises Change only when the contents change
    m_text = text;
    changed(ControlProperty::Text);
    if (m_change)
        m_change();
}

void FormControl::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    changed(ControlProperty::Visible);
}

void FormControl::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    changed(ControlProperty::Enabled);
}

bool FormControl::isReachable() const
{
    for (const FormControl *c = this; c; c = c->m_container)
        if (!c->m_visible || !c->m_enabled)
            return false;
    return true;
}

void FormControl::setForeColor(OleColor color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    changed(ControlProperty::ForeColor);
}

void FormControl::setBackColor(OleColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    changed(ControlProperty::BackColor);
}

void FormControl::setValue(int value)
{
    requireKind({ControlKind::OptionButton, ControlKind::CheckBox}, "Value");
    if (m_kind == ControlKind::OptionButton) {
        const int normalized = value != 0 ? -1 : 0;
        if (normalized == m_value)
            return;
        if (normalized != 0 && m_container) {
            // One selected option per container: the others of the group clear first.
            for (FormControl *sibling : m_container->m_children)
                if (sibling != this && sibling->m_kind == ControlKind::OptionButton && sibling->m_value != 0) {
                    sibling->m_value = 0;
                    sibling->changed(ControlProperty::Value);
                }
        }
        m_value = normalized;
        changed(ControlProperty::Value);
        if (normalized != 0)
            fireClick();
        return;
    }
    if (value < 0 || value > 2)
        throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "%1: invalid Value %2").arg(m_name).arg(value));
    if (value == m_value)
        return;
    m_value = value;
    changed(ControlProperty::Value);
    fireClick();
}

void FormControl::setListIndex(int index)
{
    requireKind({ControlKind::ComboBox}, "ListIndex");
    if (index < -1 || index >= m_items.size())
        throw Error(ErrorKind::ControlFailure,
                    QCoreApplication::translate("orvik3::Error", "%1: invalid ListIndex %2 (%3 entries)").arg(m_name).arg(index).arg(m_items.size()));
    if (index != m_listIndex) {
        m_listIndex = index;
        changed(ControlProperty::ListIndex);
    }
    fireClick();
}

QString FormControl::listItem(int index) const
{
    requireKind({ControlKind::ComboBox}, "List");
    if (index < 0 || index >= m_items.size())
        throw Error(ErrorKind::ControlFailure,
                    QCoreApplication::translate("orvik3::Error", "%1: no list entry %2").arg(m_name).arg(index));
    return m_items[index];
}

void FormControl::addItem(const QString &item)
{
    requireKind({ControlKind::ComboBox}, "List");
    m_items.append(item);
    changed(ControlProperty::List);
}

void FormControl::clearList()
{
    requireKind({ControlKind::ComboBox}, "List");
    m_items.clear();
    const bool hadIndex = m_listIndex != -1;
    m_listIndex = -1;
    changed(ControlProperty::List);
    if (hadIndex)
        changed(ControlProperty::ListIndex);
}

bool FormControl::click()
{
    if (!isReachable())
        return false;
    switch (m_kind) {
    case ControlKind::OptionButton:
        setValue(-1);
        break;
    case ControlKind::CheckBox:
        setValue(m_value == 0 ? 1 : 0);
        break;
    case ControlKind::CommandButton:
    case ControlKind::Label:
    case ControlKind::Frame:
        fireClick();
        break;
    case ControlKind::ComboBox:
    case ControlKind::TextBox:
        break;
    }
    return true;
}

bool FormControl::choose(int row)
{
    requireKind({ControlKind::ComboBox}, "ListIndex");
    if (!isReachable())
        return false;
    setListIndex(row);
    return true;
}

bool FormControl::type(const QString &text)
{
    requireKind({ControlKind::TextBox}, "Text");
    if (!isReachable() || m_locked)
        return false;
    setText(text);
    return true;
}

} // namespace orvik3
