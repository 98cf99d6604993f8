#pragma once

#include <orvik3/orvik3_export.h>

#include <orvik3/FormControl.h>

#include <QHash>
#include <QObject>
#include <memory>
#include <vector>

namespace orvik3 {

// The surface of the control: every child control by name, in creation order (containers
// before their contents). Every property change is announced through changed(), so that a
// view can mirror the model; the model never reads anything back from a view.
class ORVIK3_EXPORT Form : public QObject
{
    Q_OBJECT
public:
    explicit Form(QObject *parent = nullptr);
    ~Form() override;

    FormControl &add(ControlKind kind, const QString &name, FormControl *container,
                     int left, int top, int width, int height, const QString &caption = {});

    // The control of that name; an unknown name raises a control error.
    FormControl &control(const QString &name) const;
    FormControl *find(const QString &name) const;
    const std::vector<FormControl *> &controls() const { return m_order; }

signals:
    void changed(orvik3::FormControl *control, orvik3::ControlProperty property);

private:
    friend class FormControl;
    std::vector<std::unique_ptr<FormControl>> m_owned;
    std::vector<FormControl *> m_order;
    QHash<QString, FormControl *> m_byName;
};

} // namespace orvik3

Q_DECLARE_METATYPE(orvik3::FormControl *)
Q_DECLARE_METATYPE(orvik3::ControlProperty)
