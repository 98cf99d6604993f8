#include <orvik3/Error.h>
#include <orvik3/TextTable.h>

#include <QCoreApplication>

namespace orvik3 {

TextTable::TextTable(QHash<quint16, QString> texts)
    : m_texts(std::move(texts))
{
}

QString TextTable::text(quint16 id) const
{
    auto it = m_texts.constFind(id);
    if (it == m_texts.constEnd())
        throw Error(ErrorKind::MissingText, QCoreApplication::translate("orvik3::Error", "the text table has no text %1").arg(id));
    return *it;
}

bool TextTable::isGerman() const
{
    return text(textid::languageTag) == QStringLiteral("german"); // a table without a tag fails like any missing text
}

std::shared_ptr<TextTable> TextTable::german()
{
    static const QHash<quint16, QString> texts = {
        {100, QStringLiteral("german")},
        {286, QStringLiteral("größer")},
        {287, QStringLiteral("kleiner")},
        {288, QStringLiteral("gleich")},
        {289, QStringLiteral("Wie lautet Ihr QDR ?")},
        {290, QStringLiteral("Wird Ihr QDR größer oder kleiner ?")},
        {291, QStringLiteral("Wie lautet Ihr QDM ?")},
        {292, QStringLiteral("Wird Ihr QDM größer oder kleiner ?")},
        {293, QStringLiteral("Relative Bearing ?")},
        {294, QStringLiteral("Lösung zeigen")},
        {295, QStringLiteral("Zufall")},
        {296, QStringLiteral("Weiter")},
        {297, QStringLiteral("Abbrechen")},
        {298, QStringLiteral("ADF POSITION ÜBUNG")},
        {299, QStringLiteral("von")},
        {300, QStringLiteral("Versuche")},
        {301, QStringLiteral("Richtige")},
        {302, QStringLiteral("Performance")},
        {303, QStringLiteral("Statistik")},
        {305, QStringLiteral("HSI ÜBUNGEN POSITION")},
        {306, QStringLiteral("STD. VOR ÜBUNGEN POSITION")},
        {312, QStringLiteral("auswählen !")},
        {313, QStringLiteral("Nach vorne")},
        {314, QStringLiteral("Nach hinten")},
        {315, QStringLiteral("Nach links")},
        {316, QStringLiteral("Nach rechts")},
        {317, QStringLiteral("Bleibt gleich")},
        {319, QStringLiteral("WIND ÜBUNGEN")},
        {320, QStringLiteral("Wind mit")},
        {321, QStringLiteral("Head or Tail Wind:")},
        {322, QStringLiteral("Crosswind:")},
        {323, QStringLiteral("WCA:")},
        {324, QStringLiteral("Time:")},
        {325, QStringLiteral("Head")},
        {326, QStringLiteral("Zero")},
        {327, QStringLiteral("Tail")},
        {328, QStringLiteral("Left")},
        {329, QStringLiteral("Right")},
        {330, QStringLiteral("Selber Fliegen")},
        {332, QStringLiteral("HSI HOLDING ÜBUNGEN")},
        {333, QStringLiteral("DG HOLDING ÜBUNGEN")},
        {334, QStringLiteral("DME ARC ÜBUNGEN")},
        {335, QStringLiteral("Fly the current heading to the Station. Join the ")},
        {336, QStringLiteral("Holding inbound")},
        {337, QStringLiteral("Entry:")},
        {338, QStringLiteral("Outbound:")},
        {339, QStringLiteral("First heading after passing Station:")},
        {340, QStringLiteral("First Turn after passing Station:")},
        {341, QStringLiteral("First Turn to join the ARC:")},
        {342, QStringLiteral("First HDG:")},
        {343, QStringLiteral("Lead Radial to intercept Final:")},
        {344, QStringLiteral("Direct")},
        {345, QStringLiteral("Parallel")},
        {346, QStringLiteral("Offset")},
        {347, QStringLiteral("Left")},
        {348, QStringLiteral("Maintain")},
        {349, QStringLiteral("Right")},
        {351, QStringLiteral("QDM ÜBUNGEN")},
        {352, QStringLiteral("QDR ÜBUNGEN")},
        {353, QStringLiteral("kleiner")},
        {354, QStringLiteral("gleich")},
        {355, QStringLiteral("größer")},
        {356, QStringLiteral("Intercept QDM")},
        {357, QStringLiteral("Intercept QDR")},
        {358, QStringLiteral("Actual QDM:")},
        {359, QStringLiteral("Actual QDR:")},
        {360, QStringLiteral("Winkel zw. ACT und RQ QDM wird:")},
        {361, QStringLiteral("First Turn:")},
        {362, QStringLiteral("First HDG:")},
        {363, QStringLiteral("< als actual QDM")},
        {364, QStringLiteral("> als actual QDM")},
        {365, QStringLiteral("< als RQ QDR")},
        {366, QStringLiteral("> als RQ QDR")},
        {451, QStringLiteral("Winkel zw. ACT und RQ QDR wird:")},
        {454, QStringLiteral("QDM - QDR ORIENTIERUNG")},
    };
    return std::make_shared<TextTable>(texts);
}

std::shared_ptr<TextTable> TextTable::english()
{
    static const QHash<quint16, QString> texts = {
        {100, QStringLiteral("english")},
        {286, QStringLiteral("increase")},
        {287, QStringLiteral("decrease")},
        {288, QStringLiteral("remain constant")},
        {289, QStringLiteral("What is your QDR ?")},
        {290, QStringLiteral("Does your QDR increase or decrease ?")},
        {291, QStringLiteral("What is your QDM ?")},
        {292, QStringLiteral("Does your QDM increase or decrease ?")},
        {293, QStringLiteral("Relative Bearing ?")},
        {294, QStringLiteral("Show solution")},
        {295, QStringLiteral("Random")},
        {296, QStringLiteral("Next")},
        {297, QStringLiteral("Cancel")},
        {298, QStringLiteral("ADF POSITION EXERCISE")},
        {299, QStringLiteral("of")},
        {300, QStringLiteral("Attempts")},
        {301, QStringLiteral("Right")},
        {302, QStringLiteral("Performance")},
        {303, QStringLiteral("Statistics")},
        {305, QStringLiteral("HSI POSITION EXERCISES")},
        {306, QStringLiteral("STD. VOR POSITION EXERCISES")},
        {312, QStringLiteral("select !")},
        {313, QStringLiteral("Ahead")},
        {314, QStringLiteral("Behind")},
        {315, QStringLiteral("To the left")},
        {316, QStringLiteral("To the right")},
        {317, QStringLiteral("Remains the same")},
        {319, QStringLiteral("WIND EXERCISES")},
        {320, QStringLiteral("Wind")},
        {321, QStringLiteral("Head or Tail Wind:")},
        {322, QStringLiteral("Crosswind:")},
        {323, QStringLiteral("WCA:")},
        {324, QStringLiteral("Time:")},
        {325, QStringLiteral("Head")},
        {326, QStringLiteral("Zero")},
        {327, QStringLiteral("Tail")},
        {328, QStringLiteral("Left")},
        {329, QStringLiteral("Right")},
        {330, QStringLiteral("Fly it yourself")},
        {332, QStringLiteral("HSI HOLDING EXERCISES")},
        {333, QStringLiteral("DG HOLDING EXERCISES")},
        {334, QStringLiteral("DME ARC EXERCISES")},
        {335, QStringLiteral("Fly the current heading to the Station. Join the ")},
        {336, QStringLiteral("Holding inbound")},
        {337, QStringLiteral("Entry:")},
        {338, QStringLiteral("Outbound:")},
        {339, QStringLiteral("First heading after passing Station:")},
        {340, QStringLiteral("First Turn after passing Station:")},
        {341, QStringLiteral("First Turn to join the ARC:")},
        {342, QStringLiteral("First HDG:")},
        {343, QStringLiteral("Lead Radial to intercept Final:")},
        {344, QStringLiteral("Direct")},
        {345, QStringLiteral("Parallel")},
        {346, QStringLiteral("Offset")},
        {347, QStringLiteral("Left")},
        {348, QStringLiteral("Maintain")},
        {349, QStringLiteral("Right")},
        {351, QStringLiteral("QDM EXERCISES")},
        {352, QStringLiteral("QDR EXERCISES")},
        {353, QStringLiteral("smaller")},
        {354, QStringLiteral("equal")},
        {355, QStringLiteral("larger")},
        {356, QStringLiteral("Intercept QDM")},
        {357, QStringLiteral("Intercept QDR")},
        {358, QStringLiteral("Actual QDM:")},
        {359, QStringLiteral("Actual QDR:")},
        {360, QStringLiteral("Angle between ACT and RQ QDM becomes:")},
        {361, QStringLiteral("First Turn:")},
        {362, QStringLiteral("First HDG:")},
        {363, QStringLiteral("< than actual QDM")},
        {364, QStringLiteral("> than actual QDM")},
        {365, QStringLiteral("< than RQ QDR")},
        {366, QStringLiteral("> than RQ QDR")},
        {451, QStringLiteral("Angle between ACT and RQ QDR becomes:")},
        {454, QStringLiteral("QDM - QDR ORIENTATION")},
    };
    return std::make_shared<TextTable>(texts);
}

} // namespace orvik3
