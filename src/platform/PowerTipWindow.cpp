#include <orvik3/PowerTipWindow.h>
namespace orvik3 {
PowerTipWindow::~PowerTipWindow() = default;
} // namespace orvik3
