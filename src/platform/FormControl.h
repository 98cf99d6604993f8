#pragma once

#include <orvik3/orvik3_export.h>

#include <orvik3/OleColor.h>

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace orvik3 {

class Form;

enum class ControlKind { Frame, Label, OptionButton, CommandButton, CheckBox, ComboBox, TextBox };

// Which property of a child control changed; the widget layer redraws just that.
enum class ControlProperty { Caption, Text, Visible, Enabled, ForeColor, BackColor, Geometry, Value, ListIndex, List };

// One child control of the form model: a frame, label, option button, command button,
// check box, combo box or text box, with the properties the panels set. Geometry is in twips
// relative to the container. Events follow the host platform the panels were designed for:
// an option button that becomes selected runs its Click handler and deselects the other
// option buttons of its container; setting a list index runs Click; a changed text runs Change.
class ORVIK3_EXPORT FormControl
{
public:
    FormControl(Form *form, ControlKind kind, const QString &name, FormControl *container);
    FormControl(const FormControl &) = delete;
    FormControl &operator=(const FormControl &) = delete;

    QString name() const { return m_name; }
    ControlKind kind() const { return m_kind; }
    FormControl *container() const { return m_container; }
    const std::vector<FormControl *> &children() const { return m_children; }

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setGeometry(int left, int top, int width, int height);
    void setHeight(int twips);
    void setWidth(int twips);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // Text of a text box, or the text of the selected entry of a combo box.
    QString text() const;
    void setText(const QString &text);

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Visible and enabled, and so are all its containers: what a trainee can reach.
    bool isReachable() const;

    OleColor foreColor() const { return m_foreColor; }
    void setForeColor(OleColor color);
    OleColor backColor() const { return m_backColor; }
    void setBackColor(OleColor color);

    // Option button: -1 selected (a True Boolean), 0 not. Check box: 0 clear, 1 ticked.
    int value() const { return m_value; }
    void setValue(int value);
    bool isSelected() const { return m_value != 0; }

    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);
    int listCount() const { return int(m_items.size()); }
    QString listItem(int index) const;
    QStringList listItems() const { return m_items; }
    void addItem(const QString &item);
    void clearList();

    bool isMultiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine) { m_multiLine = multiLine; }
    // A locked text box shows its text but takes no typing (a design-time setting).
    bool isLocked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }

    // What a trainee does. Each returns false when the control cannot be reached (hidden or
    // disabled, itself or a container; typing also into a locked box) and nothing happened.
    bool click();
    bool choose(int row);
    bool type(const QString &text);

    void onClick(std::function<void()> handler) { m_click = std::move(handler); }
    void onChange(std::function<void()> handler) { m_change = std::move(handler); }

private:
    void changed(ControlProperty property);
    void requireKind(std::initializer_list<ControlKind> kinds, const char *what) const;
    void fireClick();

    Form *m_form;
    ControlKind m_kind;
    QString m_name;
    FormControl *m_container;
    std::vector<FormControl *> m_children;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QString m_caption, m_text;
    bool m_visible = true, m_enabled = true, m_multiLine = false, m_locked = false;
    OleColor m_foreColor = colors::windowText;
    OleColor m_backColor = colors::buttonFace;
    int m_value = 0;
    int m_listIndex = -1;
    QStringList m_items;
    std::function<void()> m_click, m_change;
};

} // namespace orvik3
