#include "PanelFactory.h"

#include "PlaceholderPanel.h"

namespace orvik3::trainer {

QWidget *createPanel(QAform &form, QWidget *parent)
{
    return new PlaceholderPanel(form, parent);
}

} // namespace orvik3::trainer
