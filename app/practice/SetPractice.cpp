#include "practice/SetPractice.h"

#include "practice/Practice.h"

namespace orvik3::trainer {

bool SetPractice::begin(Practice &practice, QString *)
{
    // A study file without questions is no failure of the practice: the view says why.
    practice.beginSet(m_type);
    return true;
}

} // namespace orvik3::trainer
