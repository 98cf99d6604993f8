<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ExerciseCatalog</name>
    <message>
        <source>Position with the HSI</source>
        <translation>Standort mit dem HSI</translation>
    </message>
    <message>
        <source>Position with the VOR indicator</source>
        <translation>Standort mit der VOR-Anzeige</translation>
    </message>
    <message>
        <source>Orientation between QDM and QDR</source>
        <translation>Orientierung zwischen QDM und QDR</translation>
    </message>
    <message>
        <source>Holding entry with the HSI</source>
        <translation>Warteschleifen-Einflug mit dem HSI</translation>
    </message>
    <message>
        <source>Holding entry with gyro and RMI</source>
        <translation>Warteschleifen-Einflug mit Kurskreisel und RMI</translation>
    </message>
    <message>
        <source>Holding entry with gyro and ADF</source>
        <translation>Warteschleifen-Einflug mit Kurskreisel und ADF</translation>
    </message>
    <message>
        <source>Joining a DME arc</source>
        <translation>Einflug in einen DME-Bogen</translation>
    </message>
    <message>
        <source>ADF position with the RMI</source>
        <translation>ADF-Standort mit dem RMI</translation>
    </message>
    <message>
        <source>ADF position by relative bearing</source>
        <translation>ADF-Standort mit relativer Peilung</translation>
    </message>
    <message>
        <source>Intercepting a QDM</source>
        <translation>QDM anschneiden</translation>
    </message>
    <message>
        <source>Intercepting a QDR</source>
        <translation>QDR anschneiden</translation>
    </message>
    <message>
        <source>Intercepting a QDM by relative bearing</source>
        <translation>QDM anschneiden mit relativer Peilung</translation>
    </message>
    <message>
        <source>Intercepting a QDR by relative bearing</source>
        <translation>QDR anschneiden mit relativer Peilung</translation>
    </message>
    <message>
        <source>Wind components and drift</source>
        <translation>Windkomponenten und Vorhaltewinkel</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Holding and DME arc</source>
        <translation>Warteschleife und DME-Bogen</translation>
    </message>
    <message>
        <source>ADF position</source>
        <translation>ADF-Standort</translation>
    </message>
    <message>
        <source>QDM and QDR interception</source>
        <translation>QDM und QDR anschneiden</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
</context>
<context>
    <name>PlanOverlay</name>
    <message>
        <source>Parallel entry</source>
        <translation>Paralleler Einflug</translation>
    </message>
    <message>
        <source>Offset entry</source>
        <translation>Versetzter Einflug</translation>
    </message>
    <message>
        <source>Direct entry</source>
        <translation>Direkter Einflug</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>counterclockwise</source>
        <translation>gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Arc %1, final %2</source>
        <translation>Bogen %1, Endanflug %2</translation>
    </message>
    <message>
        <source>Intercept heading %1</source>
        <translation>Anschneidekurs %1</translation>
    </message>
    <message>
        <source>Course %1: heading %2, GS %3 kt</source>
        <translation>Kurs %1: Steuerkurs %2, GS %3 kt</translation>
    </message>
</context>
<context>
    <name>PlanPainter</name>
    <message>
        <source>No exercise situation loaded.</source>
        <translation>Keine Übungslage geladen.</translation>
    </message>
</context>
<context>
    <name>PowerTipDialog</name>
    <message>
        <source>Power Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>cannot open the power tips %1: %2</source>
        <translation>Die Tipps %1 lassen sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot read the power tips %1: %2</source>
        <translation>Die Tipps %1 lassen sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>the power tips %1 are not readable rich text: %2</source>
        <translation>Die Tipps %1 sind kein lesbarer RTF-Text: %2</translation>
    </message>
</context>
<context>
    <name>QAformWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Unexpected failure: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unexpected failure of unknown kind</source>
        <translation>Unerwarteter Fehler unbekannter Art</translation>
    </message>
</context>
<context>
    <name>Situation</name>
    <message>
        <source>This question names no session file.</source>
        <translation>Zu dieser Frage gehört keine Sitzungsdatei.</translation>
    </message>
    <message>
        <source>Session file not found:
%1</source>
        <translation>Sitzungsdatei nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>The session file cannot be read:
%1</source>
        <translation>Die Sitzungsdatei ist nicht lesbar:
%1</translation>
    </message>
</context>
<context>
    <name>StudyFileCheck</name>
    <message>
        <source>The study file %1 is missing, so this exercise has no questions.
Look for it in %2 or choose another installation.</source>
        <translation>Die Fragendatei %1 fehlt, daher hat diese Übung keine Fragen.
Sie gehört nach %2; oder eine andere Installation wählen.</translation>
    </message>
    <message>
        <source>The study file %1 cannot be read, so this exercise has no questions.</source>
        <translation>Die Fragendatei %1 ist nicht lesbar, daher hat diese Übung keine Fragen.</translation>
    </message>
    <message>
        <source>The study file %1 is empty, so this exercise has no questions.</source>
        <translation>Die Fragendatei %1 ist leer, daher hat diese Übung keine Fragen.</translation>
    </message>
    <message>
        <source>The study file %1 holds no complete question.</source>
        <translation>Die Fragendatei %1 enthält keine vollständige Frage.</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::ChooserPage</name>
    <message>
        <source>Choose an exercise</source>
        <translation>Übung wählen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Installation:</source>
        <translation>Installation:</translation>
    </message>
    <message>
        <source>Change …</source>
        <translation>Ändern …</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::FlightBar</name>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Back to the questions</source>
        <translation>Zurück zu den Fragen</translation>
    </message>
    <message>
        <source>Turn left (left arrow)</source>
        <translation>Linkskurve (Pfeil links)</translation>
    </message>
    <message>
        <source>Turn right (right arrow)</source>
        <translation>Rechtskurve (Pfeil rechts)</translation>
    </message>
    <message>
        <source>Flying yourself: arrow keys turn at %1°/s, space pauses</source>
        <translation>Selbst fliegen: Pfeiltasten drehen mit %1°/s, Leertaste hält an</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::MainWindow</name>
    <message>
        <source>Choose an exercise to begin.</source>
        <translation>Bitte eine Übung wählen.</translation>
    </message>
    <message>
        <source>%1 holds no exercises (no folder default/study).</source>
        <translation>%1 enthält keine Übungen (kein Ordner default/study).</translation>
    </message>
    <message>
        <source>The study file %1 gives no question for this exercise.</source>
        <translation>Die Fragendatei %1 liefert keine Frage für diese Übung.</translation>
    </message>
    <message>
        <source>There is no situation to fly.</source>
        <translation>Es gibt keine Lage zum Fliegen.</translation>
    </message>
    <message>
        <source>&amp;Exercise</source>
        <translation>&amp;Übung</translation>
    </message>
    <message>
        <source>&amp;Choose exercise</source>
        <translation>Übung &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Statistics …</source>
        <translation>&amp;Statistik …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Installation …</source>
        <translation>&amp;Installation …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Power &amp;tips</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Holding pattern</source>
        <translation>Warteschleife</translation>
    </message>
    <message>
        <source>DME arc and final course</source>
        <translation>DME-Bogen und Endanflug</translation>
    </message>
    <message>
        <source>Bearing to intercept</source>
        <translation>Gesuchte Standlinie</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Track flown</source>
        <translation>Geflogener Weg</translation>
    </message>
    <message>
        <source>Choose the installation</source>
        <translation>Installation wählen</translation>
    </message>
    <message>
        <source>About Orvik3</source>
        <translation>Über Orvik3</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orvik3 – radio-navigation trainer&lt;/h3&gt;&lt;p&gt;Exercises in position finding, holdings, DME arcs, ADF, QDM/QDR and wind. The situation is drawn on the left; the questions are on the right.&lt;/p&gt;&lt;p&gt;When flying yourself the arrow keys turn the aircraft; space pauses.&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Orvik3 – Funknavigationstrainer&lt;/h3&gt;&lt;p&gt;Übungen zu Standort, Warteschleife, DME-Bogen, ADF, QDM/QDR und Wind. Die Lage wird links gezeichnet; rechts stehen die Fragen.&lt;/p&gt;&lt;p&gt;Beim Selbstfliegen drehen die Pfeiltasten das Flugzeug; die Leertaste hält an.&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::PanelZoom</name>
    <message>
        <source>&amp;Panel size</source>
        <translation>&amp;Größe des Aufgabenfelds</translation>
    </message>
    <message>
        <source>&amp;Larger</source>
        <translation>&amp;Größer</translation>
    </message>
    <message>
        <source>&amp;Smaller</source>
        <translation>&amp;Kleiner</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normalgröße</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::SituationView</name>
    <message>
        <source>Choose an exercise to begin.</source>
        <translation>Bitte eine Übung wählen.</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::StatisticsChart</name>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Right %</source>
        <translation>Richtig %</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Reset …</source>
        <translation>Zurücksetzen …</translation>
    </message>
    <message>
        <source>Attempts: %1   Wrong: %2   Right: %3%</source>
        <translation>Versuche: %1   Falsch: %2   Richtig: %3%</translation>
    </message>
    <message>
        <source>Clear all counters of “%1”?</source>
        <translation>Alle Zähler von „%1“ löschen?</translation>
    </message>
</context>
</TS>
