#include <orvik3/QAformWidget.h>

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    orvik3::QAformWidget panel;
    panel.setC_MainAppPath(QStringLiteral("."));
    const bool ok = panel.control().c_QAtype() == 1 && panel.sizeHint().width() > 0
                 && panel.widgetFor(QStringLiteral("Frame1")) != nullptr;
    return ok ? 0 : 1;
}
