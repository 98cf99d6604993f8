#include "PanelFactory.h"

#include <orvik3/QAformWidget.h>

namespace orvik3::trainer {

QWidget *createPanel(QAform &form, QWidget *parent)
{
    return new QAformWidget(form, parent);
}

} // namespace orvik3::trainer
