#include <orvik3/Error.h>
#include <orvik3/Form.h>

#include <QCoreApplication>

namespace orvik3 {

Form::Form(QObject *parent)
    : QObject(parent)
{
}

Form::~Form() = default;

FormControl &Form::add(ControlKind kind, const QString &name, FormControl *container,
                       int left, int top, int width, int height, const QString &caption)
{
    if (m_byName.contains(name))
        throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "control %1 exists already").arg(name));
    if (container && container->kind() != ControlKind::Frame)
        throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "%1 cannot contain %2").arg(container->name(), name));
    auto control = std::make_unique<FormControl>(this, kind, name, container);
    FormControl &ref = *control;
    const QSignalBlocker quiet(this); // building the form is not a change anyone has to mirror
    ref.setGeometry(left, top, width, height);
    if (!caption.isEmpty())
        ref.setCaption(caption);
    m_byName.insert(name, &ref);
    m_order.push_back(&ref);
    m_owned.push_back(std::move(control));
    return ref;
}

FormControl &Form::control(const QString &name) const
{
    FormControl *c = find(name);
    if (!c)
        throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "no control named %1").arg(name));
    return *c;
}

FormControl *Form::find(const QString &name) const
{
    return m_byName.value(name, nullptr);
}

} // namespace orvik3
