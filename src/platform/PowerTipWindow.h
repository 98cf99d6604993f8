#pragma once

#include <orvik3/orvik3_export.h>

#include <QString>

namespace orvik3 {

// The window that shows the power tips: a rich-text box that loads a file by name, a load
// step and a Show with a style (1 = modal, returning when the trainee closes the window).
// Errors (a missing or unreadable file, a window that cannot be shown) are raised as Error.
class ORVIK3_EXPORT PowerTipWindow
{
public:
    virtual ~PowerTipWindow();
    // RichTextBox1.FileName
    virtual void setFileName(const QString &path) = 0;
    virtual void load() = 0;
    virtual void show(int style) = 0;
};

} // namespace orvik3
