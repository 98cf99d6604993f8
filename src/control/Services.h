#pragma once

#include <orvik3/orvik3_export.h>

#include <orvik3/PowerTipWindow.h>
#include <orvik3/RandomSource.h>
#include <orvik3/SettingsStore.h>
#include <orvik3/TextTable.h>

#include <functional>
#include <memory>

namespace orvik3 {

// What the control needs from its host platform. An empty member means the real default:
// the per-user settings store, a clock-seeded random source, the German text table, and the
// power-tip window registered by the widget library (a core-only host has none, and
// LoadPowerTip then raises an error).
struct ORVIK3_EXPORT Services {
    std::shared_ptr<SettingsStore> settings;
    std::shared_ptr<RandomSource> random;
    std::shared_ptr<TextTable> texts;
    std::function<std::unique_ptr<PowerTipWindow>()> powerTipFactory;

    // The window factory that an empty powerTipFactory falls back to. The widget library
    // installs its dialog here when it is loaded.
    static void setDefaultPowerTipFactory(std::function<std::unique_ptr<PowerTipWindow>()> factory);
    static std::function<std::unique_ptr<PowerTipWindow>()> defaultPowerTipFactory();
};

} // namespace orvik3
