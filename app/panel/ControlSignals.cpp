#include "panel/ControlSignals.h"

#include <orvik3/QAform.h>

namespace orvik3::trainer {

ControlSignals ControlSignals::read(const QAform &form)
{
    ControlSignals s;
    s.sessionFile = form.c_QASessionFileName();
    s.showResult = form.c_showResult();
    s.fly = form.c_QAFly();
    s.type = form.c_QAtype();
    s.trackDelta = form.c_TrackDelta();
    return s;
}

HostReaction react(const ControlChanges &changed, const ControlSignals &now)
{
    HostReaction r;
    if (now.type == 0) {
        r.toChooser = changed.type;
        return r;
    }
    // 2 means a new question was put up; its session may carry the same name as the last
    // one (a wrong answer brings the question back), so it is loaded again all the same.
    const bool newResult = changed.showResult;
    r.loadSession = changed.sessionFile || (newResult && now.showResult == 2);
    r.showSolution = newResult && (now.showResult == 1 || now.showResult == 6);
    const bool flyCode = now.fly == 2 || now.fly == 3 || now.fly == 4;
    if (flyCode && (changed.fly || (newResult && now.showResult == 4))) {
        r.flyCode = now.fly;
        r.turnRate = now.trackDelta > 0 ? now.trackDelta : 3.0;
    }
    r.resetShowResult = now.showResult != 0;
    return r;
}

} // namespace orvik3::trainer
