#include "ReportTexts.h"

#include <cstring>

namespace orvik3::school {

namespace {

struct Text {
    const char *key;
    const char *english;
    const char *german; // UTF-8
};

constexpr Text kTexts[] = {
    {"title", "Class report", "Klassenbericht"},
    {"summary", "%1 students, %2 reviews, %3 to %4. Readiness: the predicted share of skills right at the exam on %5.",
     "%1 Flugschüler, %2 Antworten, %3 bis %4. Prüfungsreife: der vorhergesagte Anteil richtig beherrschter Fertigkeiten bei der Prüfung am %5."},
    {"problems", "Left out", "Nicht berücksichtigt"},
    {"readiness-chart", "Readiness per student", "Prüfungsreife je Flugschüler"},
    {"heat-chart", "Skills × students: predicted recall at the exam", "Fertigkeiten × Flugschüler: vorhergesagtes Können bei der Prüfung"},
    {"days-chart", "Reviews per day", "Antworten pro Tag"},
    {"students", "Students", "Flugschüler"},
    {"pseudonym", "Pseudonym", "Pseudonym"},
    {"reviews", "Reviews", "Antworten"},
    {"right", "Right", "Richtig"},
    {"readiness", "Readiness", "Prüfungsreife"},
    {"last", "Last practice", "Zuletzt geübt"},
    {"weakest", "The class's weakest skills", "Die schwächsten Fertigkeiten der Klasse"},
    {"skill", "Skill", "Fertigkeit"},
    {"recall", "Recall at the exam", "Können bei der Prüfung"},
    {"items", "Item analysis", "Aufgabenanalyse"},
    {"items-note",
     "Difficulty: share right at the first try. Discrimination: correlation of right at the first try with the student's "
     "score on every other row (of the question's least discriminating row). Negative: strong students fail it more than weak "
     "ones, often a wrong key or an ambiguous question.",
     "Schwierigkeit: Anteil richtig beim ersten Versuch. Trennschärfe: Korrelation von richtig beim ersten Versuch mit dem "
     "Ergebnis des Flugschülers in allen anderen Zeilen (die schwächste Zeile der Frage). Negativ: starke Flugschüler scheitern "
     "öfter als schwache, oft ein falscher Schlüssel oder eine mehrdeutige Frage."},
    {"file", "Study file", "Lerndatei"},
    {"question", "Question", "Frage"},
    {"tried", "Tried", "Versucht"},
    {"difficulty", "Difficulty", "Schwierigkeit"},
    {"discrimination", "Discrimination", "Trennschärfe"},
    {"flags", "Flags", "Hinweise"},
    {"row", "Row", "Zeile"},
    {"answers", "First answers", "Erste Antworten"},
    {"negative-discrimination", "negative discrimination", "negative Trennschärfe"},
    {"distractor-above-key", "a wrong answer chosen more than the right one", "eine falsche Antwort öfter gewählt als die richtige"},
    {"unchosen-distractor", "an option nobody chooses", "eine Auswahl, die niemand wählt"},
    {"flagged", "%1 of %2 questions flagged.", "%1 von %2 Fragen mit Hinweis."},
    {"family0", "Position", "Standort"},
    {"family1", "Holding", "Warteverfahren"},
    {"family2", "ADF", "ADF"},
    {"family3", "QDM/QDR", "QDM/QDR"},
    {"family4", "Wind", "Wind"},
    {"never", "never", "nie"},
};

} // namespace

QString reportText(const char *key, ReportLanguage language)
{
    for (const Text &t : kTexts)
        if (std::strcmp(t.key, key) == 0)
            return QString::fromUtf8(language == ReportLanguage::German ? t.german : t.english);
    return QString::fromLatin1(key);
}

} // namespace orvik3::school
