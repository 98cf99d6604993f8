#include "study/TypeSelection.h"

#include "resources/PanelConstants.h"
#include "study/ExerciseTypes.h"

#include <orvik3/Form.h>
#include <orvik3/TextTable.h>

namespace orvik3 {

void showTypePanel(Form &form, const ExerciseType &type)
{
    const char *shown = familyControls(type.family).frame;
    if (type.type == 10)
        form.control(QStringLiteral("Check1")).setValue(1); // the orientation drill runs in random order
    for (const char *frame : kFamilyFrames) {
        FormControl &f = form.control(QLatin1String(frame));
        if (qstrcmp(frame, shown) == 0) {
            f.setVisible(true);
            f.setHeight(frameHeight::full);
        } else {
            f.setVisible(false);
        }
    }
}

QString studyFileOf(const ExerciseType &type, const TextTable &texts)
{
    return QLatin1String(texts.isGerman() ? type.germanFile : type.otherFile);
}

} // namespace orvik3
