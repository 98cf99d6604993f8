#include <orvik3/Services.h>

namespace orvik3 {

namespace {
std::function<std::unique_ptr<PowerTipWindow>()> &registeredFactory()
{
    static std::function<std::unique_ptr<PowerTipWindow>()> factory;
    return factory;
}
} // namespace

void Services::setDefaultPowerTipFactory(std::function<std::unique_ptr<PowerTipWindow>()> factory)
{
    registeredFactory() = std::move(factory);
}

std::function<std::unique_ptr<PowerTipWindow>()> Services::defaultPowerTipFactory()
{
    return registeredFactory();
}

} // namespace orvik3
