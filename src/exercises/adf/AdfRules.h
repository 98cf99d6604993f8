#pragma once

// The trend words an ADF study file may store, shared by the panel that judges them and the
// linter that checks files: either language's word is accepted, whichever file it came from.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace orvik3::adf {

// The trend options in their place order: caption text id, German word, word of the "e-" files.
struct TrendWord {
    quint16 captionId;
    const char16_t *german;
    const char16_t *english;
};

inline constexpr TrendWord kTrendWords[] = {
    {286, u"größer", u"increase"},
    {287, u"kleiner", u"decrease"},
    {288, u"gleich", u"remain constant"},
};

inline bool acceptsTrend(const TrendWord &t, const QString &stored)
{
    return stored == QStringView(t.german) || stored == QStringView(t.english);
}

inline QStringList acceptedTrendWords()
{
    QStringList words;
    for (const TrendWord &t : kTrendWords)
        words << QString::fromUtf16(t.german) << QString::fromUtf16(t.english);
    return words;
}

} // namespace orvik3::adf
