#pragma once

#include <QFont>
#include <QString>

namespace orvik3 {

// The control's property fields, as the host reads and writes them and its property bag
// keeps them, and the control's size in twips.
struct ControlProperties {
    qint32 BackColor = 0, ForeColor = 0;
    bool Enabled = false;
    QFont Font;
    qint16 BackStyle = 0, BorderStyle = 0;
    qint16 c_QAtype = 1;
    QString c_QASessionFileName, c_MainAppPath;
    qint16 c_showResult = 0, c_QAFly = 0;
    bool c_smallFrame = false;
    qint16 c_TrackDelta = 0;
    int widthTwips = 0, heightTwips = 0;
};

} // namespace orvik3
