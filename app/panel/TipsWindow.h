#pragma once

#include "ExerciseCatalog.h"

#include <orvik3/PowerTipDialog.h>

namespace orvik3::trainer {

// The trainer's power-tip window: always the tips of the installation (endless practice
// points the control at a temporary one that has none), opened at the top of the section in
// the trainer's language. The document holds one section per language, each under a heading
// in the largest type, German first, then English.
class TipsWindow : public PowerTipDialog
{
    Q_OBJECT
public:
    TipsWindow(const QString &installation, Language language, QWidget *parent = nullptr);

    void setFileName(const QString &path) override;

protected:
    void documentShown() override;

private:
    QString m_installation;
    Language m_language;
};

} // namespace orvik3::trainer
