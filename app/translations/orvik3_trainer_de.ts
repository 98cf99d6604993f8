<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdfExplainer</name>
    <message>
        <source>%1 The needle points to %2.</source>
        <translation>%1 Die Nadel zeigt auf %2.</translation>
    </message>
</context>
<context>
    <name>ArcExplainer</name>
    <message>
        <source>On radial %1 the %2 NM arc is flown clockwise with heading %1 + 90 = %3.</source>
        <translation>Auf Radial %1 wird der %2-NM-Bogen im Uhrzeigersinn geflogen, mit Steuerkurs %1 + 90 = %3.</translation>
    </message>
    <message>
        <source>On radial %1 the %2 NM arc is flown counter-clockwise with heading %1 − 90 = %3.</source>
        <translation>Auf Radial %1 wird der %2-NM-Bogen gegen den Uhrzeigersinn geflogen, mit Steuerkurs %1 − 90 = %3.</translation>
    </message>
    <message>
        <source>Lead: 60 × %1 / %2 = %3°, so turn onto the final course at radial %4.</source>
        <translation>Vorhalt: 60 × %1 / %2 = %3°, also bei Radial %4 auf den Endanflugkurs eindrehen.</translation>
    </message>
</context>
<context>
    <name>BearingExplainer</name>
    <message>
        <source>QDM %1 and QDR %2 are the same line seen from its two ends: QDR = QDM %3 180 = %2.</source>
        <translation>QDM %1 und QDR %2 beschreiben dieselbe Standlinie in Gegenrichtung: QDR = QDM %3 180 = %2.</translation>
    </message>
    <message>
        <source>%1 − 360 = %2</source>
        <translation>%1 − 360 = %2</translation>
    </message>
    <message>
        <source>QDM = HDG %1 + RB %2 = %3; QDR = QDM ± 180 = %4.</source>
        <translation>QDM = Steuerkurs %1 + RB %2 = %3; QDR = QDM ± 180 = %4.</translation>
    </message>
</context>
<context>
    <name>EndlessPractice</name>
    <message>
        <source>No practice set could be made: %1</source>
        <translation>Es ließ sich keine Übungsreihe erstellen: %1</translation>
    </message>
    <message>
        <source>Endless practice, set %1. %2</source>
        <translation>Endloses Üben, Reihe %1. %2</translation>
    </message>
    <message>
        <source>Weakest first: %1</source>
        <translation>Schwächstes zuerst: %1</translation>
    </message>
</context>
<context>
    <name>EndlessScore</name>
    <message>
        <source>Streak %1 (best %2) · %3 of %4 right (%5 %)</source>
        <translation>Serie %1 (beste %2) · %3 von %4 richtig (%5 %)</translation>
    </message>
    <message>
        <source>Endless practice: %1</source>
        <translation>Endloses Üben: %1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right (%4 %)</source>
        <translation>%1: %2 von %3 richtig (%4 %)</translation>
    </message>
</context>
<context>
    <name>EndlessSets</name>
    <message>
        <source>direct entry</source>
        <translation>Direkteinflug</translation>
    </message>
    <message>
        <source>parallel entry</source>
        <translation>Parallelverfahren</translation>
    </message>
    <message>
        <source>offset entry</source>
        <translation>Tropfenverfahren</translation>
    </message>
    <message>
        <source>right-hand pattern</source>
        <translation>Warteschleife mit Rechtskurven</translation>
    </message>
    <message>
        <source>left-hand pattern</source>
        <translation>Warteschleife mit Linkskurven</translation>
    </message>
    <message>
        <source>intercept turning left</source>
        <translation>Anschneiden mit Linkskurve</translation>
    </message>
    <message>
        <source>intercept turning right</source>
        <translation>Anschneiden mit Rechtskurve</translation>
    </message>
    <message>
        <source>crosswind from the left</source>
        <translation>Querwind von links</translation>
    </message>
    <message>
        <source>crosswind from the right</source>
        <translation>Querwind von rechts</translation>
    </message>
    <message>
        <source>headwind</source>
        <translation>Gegenwind</translation>
    </message>
    <message>
        <source>tailwind</source>
        <translation>Rückenwind</translation>
    </message>
</context>
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
    <name>FormView</name>
    <message>
        <source>Answer to: %1</source>
        <translation>Antwort auf: %1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Button of the exercise panel</source>
        <translation>Schaltfläche der Übung</translation>
    </message>
    <message>
        <source>Result of the row</source>
        <translation>Ergebnis der Zeile</translation>
    </message>
</context>
<context>
    <name>HoldingExplainer</name>
    <message>
        <source>direct</source>
        <translation>direkt</translation>
    </message>
    <message>
        <source>offset (teardrop)</source>
        <translation>Tropfen (Teardrop)</translation>
    </message>
    <message>
        <source>parallel</source>
        <translation>parallel</translation>
    </message>
    <message>
        <source>Heading %1 lies in the direct entry sector %2°–%3° of a right-hand hold inbound %4.</source>
        <translation>Steuerkurs %1 liegt im Sektor %2°–%3° des direkten Einflugs (Direct) in eine Standard-Warteschleife (Rechtskurven) mit Inbound-Kurs %4.</translation>
    </message>
    <message>
        <source>Heading %1 lies in the direct entry sector %2°–%3° of a left-hand hold inbound %4.</source>
        <translation>Steuerkurs %1 liegt im Sektor %2°–%3° des direkten Einflugs (Direct) in eine Nicht-Standard-Warteschleife (Linkskurven) mit Inbound-Kurs %4.</translation>
    </message>
    <message>
        <source>Heading %1 lies in the offset (teardrop) entry sector %2°–%3° of a right-hand hold inbound %4.</source>
        <translation>Steuerkurs %1 liegt im Sektor %2°–%3° des Tropfen-Einflugs (Teardrop, Offset) in eine Standard-Warteschleife (Rechtskurven) mit Inbound-Kurs %4.</translation>
    </message>
    <message>
        <source>Heading %1 lies in the offset (teardrop) entry sector %2°–%3° of a left-hand hold inbound %4.</source>
        <translation>Steuerkurs %1 liegt im Sektor %2°–%3° des Tropfen-Einflugs (Teardrop, Offset) in eine Nicht-Standard-Warteschleife (Linkskurven) mit Inbound-Kurs %4.</translation>
    </message>
    <message>
        <source>Heading %1 lies in the parallel entry sector %2°–%3° of a right-hand hold inbound %4.</source>
        <translation>Steuerkurs %1 liegt im Sektor %2°–%3° des Parallel-Einflugs (Parallel) in eine Standard-Warteschleife (Rechtskurven) mit Inbound-Kurs %4.</translation>
    </message>
    <message>
        <source>Heading %1 lies in the parallel entry sector %2°–%3° of a left-hand hold inbound %4.</source>
        <translation>Steuerkurs %1 liegt im Sektor %2°–%3° des Parallel-Einflugs (Parallel) in eine Nicht-Standard-Warteschleife (Linkskurven) mit Inbound-Kurs %4.</translation>
    </message>
    <message>
        <source>Direct entry: after the fix, turn onto the outbound heading %1.</source>
        <translation>Direkter Einflug: nach der Station auf den Abflugsteuerkurs %1 eindrehen.</translation>
    </message>
    <message>
        <source>Direct entry: turn the way the hold turns, to the right.</source>
        <translation>Direkter Einflug: in Richtung des Holdings drehen, also nach rechts.</translation>
    </message>
    <message>
        <source>Direct entry: turn the way the hold turns, to the left.</source>
        <translation>Direkter Einflug: in Richtung des Holdings drehen, also nach links.</translation>
    </message>
    <message>
        <source>Parallel entry: after the fix, fly the outbound heading %1 on the non-holding side.</source>
        <translation>Paralleler Einflug: nach der Station den Abflugsteuerkurs %1 auf der Nicht-Holding-Seite fliegen.</translation>
    </message>
    <message>
        <source>Parallel entry: turn away from the holding side, to the left.</source>
        <translation>Paralleler Einflug: von der Holding-Seite weg drehen, also nach links.</translation>
    </message>
    <message>
        <source>Parallel entry: turn away from the holding side, to the right.</source>
        <translation>Paralleler Einflug: von der Holding-Seite weg drehen, also nach rechts.</translation>
    </message>
    <message>
        <source>Offset entry: outbound %1 − 30 = %2, 30° toward the holding side of a right-hand hold.</source>
        <translation>Tropfen-Einflug: Abflug %1 − 30 = %2, 30° zur Holding-Seite eines Rechts-Holdings.</translation>
    </message>
    <message>
        <source>Offset entry: outbound %1 + 30 = %2, 30° toward the holding side of a left-hand hold.</source>
        <translation>Tropfen-Einflug: Abflug %1 + 30 = %2, 30° zur Holding-Seite eines Links-Holdings.</translation>
    </message>
</context>
<context>
    <name>LearningSession</name>
    <message>
        <source>Question %1 comes again: not every answer was right, and a question stays until it is answered right in one go (it counts as a wrong attempt).</source>
        <translation>Frage %1 kommt noch einmal: Nicht jede Antwort war richtig, und eine Frage bleibt, bis sie in einem Durchgang ganz richtig beantwortet ist (sie zählt als Fehlversuch).</translation>
    </message>
    <message>
        <source>%1/%2, %3 right</source>
        <translation>%1/%2, %3 richtig</translation>
    </message>
</context>
<context>
    <name>MistakeNames</name>
    <message>
        <source>Radial and bearing mixed up: %1 leads to the station; the radial %2 is counted from it.</source>
        <translation>Radial und Peilung verwechselt: %1 führt zur Station; das Radial %2 zählt von der Station aus.</translation>
    </message>
    <message>
        <source>QDM and QDR mixed up: %1 is the QDR, the reciprocal of the QDM %2.</source>
        <translation>QDM und QDR verwechselt: %1 ist das QDR, die Gegenrichtung des QDM %2.</translation>
    </message>
    <message>
        <source>QDM and QDR mixed up: %1 is the QDM, the reciprocal of the QDR %2.</source>
        <translation>QDM und QDR verwechselt: %1 ist das QDM, die Gegenrichtung des QDR %2.</translation>
    </message>
    <message>
        <source>Hold side mirrored: direct is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.</source>
        <translation>Seite der Warteschleife gespiegelt: Der direkte Einflug (Direct) gehört zu einer Nicht-Standard-Warteschleife (Linkskurven); diese fliegt Rechtskurven, ihre Sektoren liegen also spiegelbildlich.</translation>
    </message>
    <message>
        <source>Hold side mirrored: offset is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.</source>
        <translation>Seite der Warteschleife gespiegelt: Der Tropfen-Einflug (Teardrop, Offset) gehört zu einer Nicht-Standard-Warteschleife (Linkskurven); diese fliegt Rechtskurven, ihre Sektoren liegen also spiegelbildlich.</translation>
    </message>
    <message>
        <source>Hold side mirrored: parallel is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.</source>
        <translation>Seite der Warteschleife gespiegelt: Der Parallel-Einflug (Parallel) gehört zu einer Nicht-Standard-Warteschleife (Linkskurven); diese fliegt Rechtskurven, ihre Sektoren liegen also spiegelbildlich.</translation>
    </message>
    <message>
        <source>Hold side mirrored: direct is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.</source>
        <translation>Seite der Warteschleife gespiegelt: Der direkte Einflug (Direct) gehört zu einer Standard-Warteschleife (Rechtskurven); diese fliegt Linkskurven, ihre Sektoren liegen also spiegelbildlich.</translation>
    </message>
    <message>
        <source>Hold side mirrored: offset is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.</source>
        <translation>Seite der Warteschleife gespiegelt: Der Tropfen-Einflug (Teardrop, Offset) gehört zu einer Standard-Warteschleife (Rechtskurven); diese fliegt Linkskurven, ihre Sektoren liegen also spiegelbildlich.</translation>
    </message>
    <message>
        <source>Hold side mirrored: parallel is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.</source>
        <translation>Seite der Warteschleife gespiegelt: Der Parallel-Einflug (Parallel) gehört zu einer Standard-Warteschleife (Rechtskurven); diese fliegt Linkskurven, ihre Sektoren liegen also spiegelbildlich.</translation>
    </message>
    <message>
        <source>Head and tail wind mixed up: wind from less than 90° off the nose blows against you, it is a headwind.</source>
        <translation>Gegen- und Rückenwind verwechselt: Wind aus weniger als 90° neben der Flugzeugnase bläst von vorn, er ist Gegenwind.</translation>
    </message>
    <message>
        <source>Head and tail wind mixed up: wind from more than 90° off the nose blows from behind, it is a tailwind.</source>
        <translation>Gegen- und Rückenwind verwechselt: Wind aus mehr als 90° neben der Flugzeugnase bläst von hinten, er ist Rückenwind.</translation>
    </message>
    <message>
        <source>Wind correction to the wrong side: the nose turns into the wind, here to the left.</source>
        <translation>Vorhaltewinkel zur falschen Seite: Die Nase dreht in den Wind, hier nach links.</translation>
    </message>
    <message>
        <source>Wind correction to the wrong side: the nose turns into the wind, here to the right.</source>
        <translation>Vorhaltewinkel zur falschen Seite: Die Nase dreht in den Wind, hier nach rechts.</translation>
    </message>
    <message>
        <source>Crosswind side mixed up: the side is where the wind comes from, here the left.</source>
        <translation>Querwindseite verwechselt: Die Seite ist die, von der der Wind kommt, hier links.</translation>
    </message>
    <message>
        <source>Crosswind side mixed up: the side is where the wind comes from, here the right.</source>
        <translation>Querwindseite verwechselt: Die Seite ist die, von der der Wind kommt, hier rechts.</translation>
    </message>
    <message>
        <source>Relative bearing taken for the QDM: %1 is the RB; QDM = HDG + RB = %2.</source>
        <translation>Relative Peilung für das QDM genommen: %1 ist das RB; QDM = HDG + RB = %2.</translation>
    </message>
    <message>
        <source>Offset heading mirrored: %1 leads to the non-holding side; a right-hand hold takes outbound − 30 = %2.</source>
        <translation>Tropfen-Steuerkurs gespiegelt: %1 führt auf die Nicht-Holding-Seite; ein Rechts-Holding nimmt Abflug − 30 = %2.</translation>
    </message>
    <message>
        <source>Offset heading mirrored: %1 leads to the non-holding side; a left-hand hold takes outbound + 30 = %2.</source>
        <translation>Tropfen-Steuerkurs gespiegelt: %1 führt auf die Nicht-Holding-Seite; ein Links-Holding nimmt Abflug + 30 = %2.</translation>
    </message>
    <message>
        <source>Time from the true airspeed: the leg is flown at the ground speed of %1 kt, not at %2 kt TAS.</source>
        <translation>Zeit aus der wahren Eigengeschwindigkeit: Die Strecke wird mit der Geschwindigkeit über Grund von %1 kt geflogen, nicht mit %2 kt TAS.</translation>
    </message>
</context>
<context>
    <name>MistakesPractice</name>
    <message>
        <source>There are no mistakes to practise in this exercise yet.</source>
        <translation>In dieser Übung gibt es noch keine Fehler zum Üben.</translation>
    </message>
</context>
<context>
    <name>PlanOverlay</name>
    <message>
        <source>Parallel entry</source>
        <translation>Parallel-Einflug</translation>
    </message>
    <message>
        <source>Offset entry</source>
        <translation>Tropfen-Einflug</translation>
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
    <message>
        <source>Position hidden: read it from the instruments</source>
        <translation>Standort verborgen: von den Instrumenten ablesen</translation>
    </message>
</context>
<context>
    <name>PositionExplainer</name>
    <message>
        <source>The aircraft is on radial %1 of %2, %3 NM out. %4</source>
        <translation>Das Flugzeug steht auf Radial %1 von %2, %3 NM entfernt. %4</translation>
    </message>
    <message>
        <source>The aircraft is on QDR %1 of %2, %3 NM out. %4</source>
        <translation>Das Flugzeug steht auf QDR %1 von %2, %3 NM entfernt. %4</translation>
    </message>
</context>
<context>
    <name>QdmQdrExplainer</name>
    <message>
        <source>Seen from %1: %2</source>
        <translation>Von %1 aus gesehen: %2</translation>
    </message>
    <message>
        <source>The required QDM is %1, %2° away.</source>
        <translation>Das anzuschneidende QDM ist %1, %2° vom jetzigen entfernt.</translation>
    </message>
    <message>
        <source>The required QDR is %1, %2° away.</source>
        <translation>Das anzuschneidende QDR ist %1, %2° vom jetzigen entfernt.</translation>
    </message>
</context>
<context>
    <name>QuestionBrief</name>
    <message>
        <source>Holding %1 right, HDG %2 → %3</source>
        <translation>Holding %1 rechts, HDG %2 → %3</translation>
    </message>
    <message>
        <source>Holding %1 left, HDG %2 → %3</source>
        <translation>Holding %1 links, HDG %2 → %3</translation>
    </message>
    <message>
        <source>Radial %1, QDM %2</source>
        <translation>Radial %1, QDM %2</translation>
    </message>
    <message>
        <source>QDR %1, QDM %2, RB %3</source>
        <translation>QDR %1, QDM %2, RB %3</translation>
    </message>
    <message>
        <source>%1 %2 from HDG %3 → HDG %4</source>
        <translation>%1 %2 von HDG %3 → HDG %4</translation>
    </message>
    <message>
        <source>Wind %1/%2 kt, course %3, TAS %4</source>
        <translation>Wind %1/%2 kt, Kurs %3, TAS %4</translation>
    </message>
</context>
<context>
    <name>Situation</name>
    <message>
        <source>The session name leads outside default/sessions/:
%1</source>
        <translation>Der Sitzungsname führt aus default/sessions/ hinaus:
%1</translation>
    </message>
    <message>
        <source>The session file %1 is a folder.</source>
        <translation>Die Sitzungsdatei %1 ist ein Ordner.</translation>
    </message>
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
    <name>SolutionExplainer</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The leg distance is not given for this question.</source>
        <translation>Zu dieser Frage ist keine Streckenlänge angegeben.</translation>
    </message>
    <message>
        <source>no head- or tailwind</source>
        <translation>kein Gegen- oder Rückenwind</translation>
    </message>
    <message>
        <source>no crosswind</source>
        <translation>kein Querwind</translation>
    </message>
    <message>
        <source>no wind correction</source>
        <translation>kein Vorhaltewinkel</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>maintain</source>
        <translation>beibehalten</translation>
    </message>
    <message>
        <source>headwind</source>
        <translation>Gegenwind</translation>
    </message>
    <message>
        <source>tailwind</source>
        <translation>Rückenwind</translation>
    </message>
    <message>
        <source>increase</source>
        <translation>größer</translation>
    </message>
    <message>
        <source>decrease</source>
        <translation>kleiner</translation>
    </message>
    <message>
        <source>remain constant</source>
        <translation>gleich</translation>
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
    <name>WindExplainer</name>
    <message>
        <source>The crosswind is stronger than the true airspeed: this course cannot be held.</source>
        <translation>Der Querwind ist stärker als die wahre Eigengeschwindigkeit (TAS): Dieser Kurs lässt sich nicht halten.</translation>
    </message>
    <message>
        <source>GS = %1 × cos %2° %3 %4 = %5 kt</source>
        <translation>Grundgeschwindigkeit (GS) = %1 × cos %2° %3 %4 = %5 kt</translation>
    </message>
    <message>
        <source>time = %1 NM ÷ %2 kt × 60 = %3:%4 min:s</source>
        <translation>Flugzeit = %1 NM ÷ %2 kt × 60 = %3:%4 min:s</translation>
    </message>
    <message>
        <source>The wind blows along the course, so it only changes the ground speed.</source>
        <translation>Der Wind weht genau längs des Kurses und ändert daher nur die Grundgeschwindigkeit.</translation>
    </message>
    <message>
        <source>%1:%2 min:s</source>
        <translation>%1:%2 min:s</translation>
    </message>
    <message>
        <source>Wind %1° is %2° off course %3: headwind = %4 kt × cos %2° = %5 kt</source>
        <translation>Wind aus %1° weicht %2° vom Kurs %3 ab: Gegenwind = %4 kt × cos %2° = %5 kt</translation>
    </message>
    <message>
        <source>Wind %1° is %2° off course %3: headwind = %4 kt × cos %2° = %5 kt, no head- or tailwind</source>
        <translation>Wind aus %1° weicht %2° vom Kurs %3 ab: Gegenwind = %4 kt × cos %2° = %5 kt, kein Gegen- oder Rückenwind</translation>
    </message>
    <message>
        <source>Wind %1° is %2° off course %3: tailwind = −%4 kt × cos %2° = %5 kt</source>
        <translation>Wind aus %1° weicht %2° vom Kurs %3 ab: Rückenwind = −%4 kt × cos %2° = %5 kt</translation>
    </message>
    <message>
        <source>crosswind = %1 kt × sin %2° = %3 kt from the right</source>
        <translation>Querwind = %1 kt × sin %2° = %3 kt von rechts</translation>
    </message>
    <message>
        <source>crosswind = %1 kt × sin %2° = %3 kt from the left</source>
        <translation>Querwind = %1 kt × sin %2° = %3 kt von links</translation>
    </message>
    <message>
        <source>crosswind = %1 kt × sin %2° = %3 kt</source>
        <translation>Querwind = %1 kt × sin %2° = %3 kt</translation>
    </message>
    <message>
        <source>WCA = asin(%1 / %2) = %3° right, heading %4</source>
        <translation>Vorhaltewinkel (WCA) = asin(%1 / %2) = %3° rechts, Steuerkurs %4</translation>
    </message>
    <message>
        <source>WCA = asin(%1 / %2) = %3° left, heading %4</source>
        <translation>Vorhaltewinkel (WCA) = asin(%1 / %2) = %3° links, Steuerkurs %4</translation>
    </message>
    <message>
        <source>WCA = asin(%1 / %2) = %3°, heading %4</source>
        <translation>Vorhaltewinkel (WCA) = asin(%1 / %2) = %3°, Steuerkurs %4</translation>
    </message>
    <message>
        <source>Turn the nose into the wind (to the right) by the WCA so that the track stays on course %1.</source>
        <translation>Die Nase um den Vorhaltewinkel nach rechts in den Wind drehen, damit der Kurs über Grund %1 bleibt.</translation>
    </message>
    <message>
        <source>Turn the nose into the wind (to the left) by the WCA so that the track stays on course %1.</source>
        <translation>Die Nase um den Vorhaltewinkel nach links in den Wind drehen, damit der Kurs über Grund %1 bleibt.</translation>
    </message>
</context>
<context>
    <name>orvik3::Error</name>
    <message>
        <source>overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>index out of range</source>
        <translation>Index außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>type mismatch</source>
        <translation>Typfehler</translation>
    </message>
    <message>
        <source>missing text</source>
        <translation>Text fehlt</translation>
    </message>
    <message>
        <source>store failure</source>
        <translation>Fehler im Einstellungsspeicher</translation>
    </message>
    <message>
        <source>control failure</source>
        <translation>Steuerelementfehler</translation>
    </message>
    <message>
        <source>file failure</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>Arbeitsspeicher erschöpft</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>not enough memory to finish; nothing was changed</source>
        <translation>nicht genug Arbeitsspeicher, um fertig zu werden; nichts wurde geändert</translation>
    </message>
    <message>
        <source>unexpected failure: %1</source>
        <translation>unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe (FIFO)</source>
        <translation>eine Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>no %1 named</source>
        <translation>kein Name für die %1 angegeben</translation>
    </message>
    <message>
        <source>cannot open the %1: %2</source>
        <translation>die %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot read the %1: %2</source>
        <translation>die %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>is %1, not a %2</source>
        <translation>ist %1, also keine %2</translation>
    </message>
    <message>
        <source>larger than %1, the limit for a %2</source>
        <translation>größer als %1, die Obergrenze für eine %2</translation>
    </message>
    <message>
        <source>study file</source>
        <translation>Fragendatei</translation>
    </message>
    <message>
        <source>session file</source>
        <translation>Sitzungsdatei</translation>
    </message>
    <message>
        <source>power tips</source>
        <translation>Tippdatei</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>scenario file</source>
        <translation>Szenariodatei</translation>
    </message>
    <message>
        <source>trainer settings file</source>
        <translation>Einstellungsdatei des Trainers</translation>
    </message>
    <message>
        <source>cannot write %1/%2/%3</source>
        <translation>%1/%2/%3 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>cannot read the settings file</source>
        <translation>die Einstellungsdatei lässt sich nicht lesen:</translation>
    </message>
    <message>
        <source>cannot write the settings file</source>
        <translation>die Einstellungsdatei lässt sich nicht schreiben:</translation>
    </message>
    <message>
        <source>cannot make the settings file durable</source>
        <translation>die Einstellungsdatei lässt sich nicht dauerhaft sichern:</translation>
    </message>
    <message>
        <source>cannot create the settings folder</source>
        <translation>der Ordner für die Einstellungen lässt sich nicht anlegen:</translation>
    </message>
    <message>
        <source>cannot lock the settings file</source>
        <translation>die Einstellungsdatei lässt sich nicht sperren:</translation>
    </message>
    <message>
        <source>control %1 exists already</source>
        <translation>das Steuerelement %1 gibt es schon</translation>
    </message>
    <message>
        <source>%1 cannot contain %2</source>
        <translation>%1 kann %2 nicht enthalten</translation>
    </message>
    <message>
        <source>no control named %1</source>
        <translation>kein Steuerelement namens %1</translation>
    </message>
    <message>
        <source>%1 has no property %2</source>
        <translation>%1 hat keine Eigenschaft %2</translation>
    </message>
    <message>
        <source>%1: negative size</source>
        <translation>%1: negative Größe</translation>
    </message>
    <message>
        <source>%1: invalid Value %2</source>
        <translation>%1: ungültiger Wert (Value) %2</translation>
    </message>
    <message>
        <source>%1: invalid ListIndex %2 (%3 entries)</source>
        <translation>%1: ungültiger ListIndex %2 (%3 Einträge)</translation>
    </message>
    <message>
        <source>%1: no list entry %2</source>
        <translation>%1: kein Listeneintrag %2</translation>
    </message>
    <message>
        <source>property bag is not a JSON object: %1</source>
        <translation>die Eigenschaften sind kein JSON-Objekt: %1</translation>
    </message>
    <message>
        <source>property %1 is not a plain value</source>
        <translation>die Eigenschaft %1 ist kein einfacher Wert</translation>
    </message>
    <message>
        <source>%1: %2 does not fit a 16-bit Integer</source>
        <translation>%1: %2 passt nicht in einen 16-Bit-Integer</translation>
    </message>
    <message>
        <source>%1 does not fit a 16-bit Integer</source>
        <translation>%1 passt nicht in einen 16-Bit-Integer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: index %2 outside 0..300</source>
        <translation>%1: Index %2 außerhalb von 0..300</translation>
    </message>
    <message>
        <source>scripted random value %1 outside [0, 1)</source>
        <translation>vorgegebener Zufallswert %1 außerhalb von [0, 1)</translation>
    </message>
    <message>
        <source>no question column %1</source>
        <translation>keine Fragenspalte %1</translation>
    </message>
    <message>
        <source>no power-tip window is available to this host</source>
        <translation>diesem Programm steht kein Tippfenster zur Verfügung</translation>
    </message>
    <message>
        <source>the power-tip window could not be created</source>
        <translation>das Tippfenster ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>no answer part %1</source>
        <translation>kein Antwortteil %1</translation>
    </message>
    <message>
        <source>no candidate slot %1</source>
        <translation>kein Auswahlfeld %1</translation>
    </message>
    <message>
        <source>%1: no questions in the study file</source>
        <translation>%1: keine Fragen in der Fragendatei</translation>
    </message>
    <message>
        <source>%1:%2: no questions load: %3</source>
        <translation>%1:%2: keine Fragen geladen: %3</translation>
    </message>
    <message>
        <source>wind question %1 (row %2), column qaCol19: stored time &quot;%3&quot; has %4 minutes; beyond 546 they do not fit a 16-bit Integer as seconds</source>
        <translation>Windfrage %1 (Zeile %2), Spalte qaCol19: die gespeicherte Zeit „%3“ hat %4 Minuten; über 546 passen sie als Sekunden nicht in einen 16-Bit-Integer</translation>
    </message>
    <message>
        <source>candidate slot %1 outside 1..5</source>
        <translation>Auswahlfeld %1 außerhalb von 1..5</translation>
    </message>
    <message>
        <source>the text table has no text %1</source>
        <translation>die Texttabelle hat keinen Text %1</translation>
    </message>
    <message>
        <source>end of file</source>
        <translation>Dateiende</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>line shorter than its tag</source>
        <translation>Zeile kürzer als ihre Kennung</translation>
    </message>
    <message>
        <source>the file ends inside a record</source>
        <translation>die Datei endet mitten in einem Datensatz</translation>
    </message>
    <message>
        <source>more than 301 records</source>
        <translation>mehr als 301 Datensätze</translation>
    </message>
    <message>
        <source>no study-file layout for this exercise type</source>
        <translation>für diesen Übungstyp gibt es kein Fragendatei-Format</translation>
    </message>
    <message>
        <source>%1: no installation folder set</source>
        <translation>%1: kein Installationsordner eingestellt</translation>
    </message>
    <message>
        <source>bad number %1 for &apos;%2&apos;</source>
        <translation>ungültige Zahl %1 für „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; = %2 is out of range %3..%4</source>
        <translation>„%1“ = %2 liegt außerhalb von %3..%4</translation>
    </message>
    <message>
        <source>angle &apos;%1&apos; = %2 is out of range 0..360</source>
        <translation>der Winkel „%1“ = %2 liegt außerhalb von 0..360</translation>
    </message>
    <message>
        <source>bad whole number %1 for &apos;%2&apos;</source>
        <translation>ungültige ganze Zahl %1 für „%2“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be on or off, not %2</source>
        <translation>„%1“ muss on oder off sein, nicht %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be one of %2, not %3</source>
        <translation>„%1“ muss einer der Werte %2 sein, nicht %3</translation>
    </message>
    <message>
        <source>[%1] is missing required key &apos;%2&apos;</source>
        <translation>in [%1] fehlt der nötige Schlüssel „%2“</translation>
    </message>
    <message>
        <source>no station with id %1</source>
        <translation>keine Station mit der Kennung %1</translation>
    </message>
    <message>
        <source>unsupported format version %1 (this program reads %2)</source>
        <translation>nicht unterstützte Formatversion %1 (dieses Programm liest %2)</translation>
    </message>
    <message>
        <source>station id %1 must be 1 to 8 letters or digits</source>
        <translation>die Stationskennung %1 muss aus 1 bis 8 Buchstaben oder Ziffern bestehen</translation>
    </message>
    <message>
        <source>duplicate station id %1</source>
        <translation>doppelte Stationskennung %1</translation>
    </message>
    <message>
        <source>give the aircraft position as radial and distance or as x and y, not both</source>
        <translation>die Flugzeugposition entweder als Radial und Entfernung oder als x und y angeben, nicht beides</translation>
    </message>
    <message>
        <source>&apos;station&apos; only applies to a radial and distance</source>
        <translation>„station“ gilt nur zusammen mit Radial und Entfernung</translation>
    </message>
    <message>
        <source>[aircraft] needs a position: radial and distance, or x and y</source>
        <translation>[aircraft] braucht eine Position: Radial und Entfernung oder x und y</translation>
    </message>
    <message>
        <source>nav-station %1 is an NDB, not a VOR</source>
        <translation>nav-station %1 ist ein NDB, kein VOR</translation>
    </message>
    <message>
        <source>DME arc station %1 is a %2, not a VOR/DME</source>
        <translation>die DME-Bogen-Station %1 ist ein %2, kein VOR/DME</translation>
    </message>
    <message>
        <source>[target] needs &apos;qdm&apos; or &apos;qdr&apos;</source>
        <translation>[target] braucht „qdm“ oder „qdr“</translation>
    </message>
    <message>
        <source>exercise type %1 needs %2</source>
        <translation>der Übungstyp %1 braucht %2</translation>
    </message>
    <message>
        <source>the file has no [session] section</source>
        <translation>der Datei fehlt der Abschnitt [session]</translation>
    </message>
    <message>
        <source>the file has no [station] section</source>
        <translation>der Datei fehlt der Abschnitt [station]</translation>
    </message>
    <message>
        <source>the file has no [aircraft] section</source>
        <translation>der Datei fehlt der Abschnitt [aircraft]</translation>
    </message>
    <message>
        <source>line is not valid UTF-8 text</source>
        <translation>die Zeile ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>section header %1 lacks a closing &apos;]&apos;</source>
        <translation>dem Abschnittskopf %1 fehlt die schließende „]“</translation>
    </message>
    <message>
        <source>unknown section [%1]</source>
        <translation>unbekannter Abschnitt [%1]</translation>
    </message>
    <message>
        <source>duplicate section [%1] (first at line %2)</source>
        <translation>doppelter Abschnitt [%1] (zuerst in Zeile %2)</translation>
    </message>
    <message>
        <source>expected &apos;key = value&apos;, got %1</source>
        <translation>„Schlüssel = Wert“ erwartet, gefunden: %1</translation>
    </message>
    <message>
        <source>missing key before &apos;=&apos;</source>
        <translation>Schlüssel vor „=“ fehlt</translation>
    </message>
    <message>
        <source>key &apos;%1&apos; appears before any [section]</source>
        <translation>der Schlüssel „%1“ steht vor dem ersten [Abschnitt]</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; in [%2]</source>
        <translation>unbekannter Schlüssel „%1“ in [%2]</translation>
    </message>
    <message>
        <source>missing value for &apos;%1&apos;</source>
        <translation>Wert für „%1“ fehlt</translation>
    </message>
    <message>
        <source>duplicate key &apos;%1&apos; (first at line %2)</source>
        <translation>doppelter Schlüssel „%1“ (zuerst in Zeile %2)</translation>
    </message>
    <message>
        <source>a [holding] section</source>
        <translation>einen Abschnitt [holding]</translation>
    </message>
    <message>
        <source>a [target] section with &apos;qdm&apos;</source>
        <translation>einen Abschnitt [target] mit „qdm“</translation>
    </message>
    <message>
        <source>a [target] section with &apos;qdr&apos;</source>
        <translation>einen Abschnitt [target] mit „qdr“</translation>
    </message>
    <message>
        <source>a [wind] section with &apos;leg&apos;</source>
        <translation>einen Abschnitt [wind] mit „leg“</translation>
    </message>
    <message>
        <source>a [dme-arc] section</source>
        <translation>einen Abschnitt [dme-arc]</translation>
    </message>
    <message>
        <source>Integer arithmetic</source>
        <translation>Ganzzahlrechnung</translation>
    </message>
    <message>
        <source>question table</source>
        <translation>Fragentabelle</translation>
    </message>
    <message>
        <source>session names</source>
        <translation>Sitzungsnamen</translation>
    </message>
    <message>
        <source>question order</source>
        <translation>Fragenreihenfolge</translation>
    </message>
    <message>
        <source>question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>more than %1 stations: a situation needs a few</source>
        <translation>mehr als %1 Stationen: eine Situation braucht nur wenige</translation>
    </message>
    <message>
        <source>the settings file %1 is a symbolic link that leads nowhere; nothing was written</source>
        <translation>die Einstellungsdatei %1 ist ein symbolischer Link, der ins Leere führt; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the settings file %1 is read-only; nothing was written</source>
        <translation>die Einstellungsdatei %1 ist schreibgeschützt; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the settings file is locked by another program (%1); gave up after %2 ms</source>
        <translation>die Einstellungsdatei ist von einem anderen Programm gesperrt (%1); nach %2 ms aufgegeben</translation>
    </message>
</context>
<context>
    <name>orvik3::PowerTipDialog</name>
    <message>
        <source>Power Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>the power tips %1 are not readable rich text: %2</source>
        <translation>Die Tipps %1 sind kein lesbarer RTF-Text: %2</translation>
    </message>
    <message>
        <source>Loading the power tips …</source>
        <translation>Die Tipps werden geladen …</translation>
    </message>
</context>
<context>
    <name>orvik3::QAformWidget</name>
    <message>
        <source>Unexpected failure of unknown kind</source>
        <translation>Unerwarteter Fehler unbekannter Art</translation>
    </message>
</context>
<context>
    <name>orvik3::RtfReader</name>
    <message>
        <source>not an RTF document: expected it to start with {\rtf</source>
        <translation>kein RTF-Dokument: es muss mit {\rtf beginnen</translation>
    </message>
    <message>
        <source>unexpected end of input: %1 group(s) still open</source>
        <translation>unerwartetes Ende der Datei: %1 Gruppe(n) noch offen</translation>
    </message>
    <message>
        <source>unexpected data after the end of the document</source>
        <translation>unerwartete Daten nach dem Ende des Dokuments</translation>
    </message>
    <message>
        <source>groups nested deeper than %1</source>
        <translation>Gruppen tiefer als %1 verschachtelt</translation>
    </message>
    <message>
        <source>more than %1 paragraphs</source>
        <translation>mehr als %1 Absätze</translation>
    </message>
    <message>
        <source>more than %1 characters of text</source>
        <translation>mehr als %1 Zeichen Text</translation>
    </message>
    <message>
        <source>unexpected end of input after &apos;\&apos;</source>
        <translation>unerwartetes Ende der Datei nach &apos;\&apos;</translation>
    </message>
    <message>
        <source>unexpected end of input in \&apos; escape</source>
        <translation>unerwartetes Ende der Datei in einer \&apos;-Folge</translation>
    </message>
    <message>
        <source>\&apos; must be followed by two hex digits</source>
        <translation>auf \&apos; müssen zwei Hexadezimalziffern folgen</translation>
    </message>
    <message>
        <source>control word longer than %1 letters</source>
        <translation>Steuerwort länger als %1 Buchstaben</translation>
    </message>
    <message>
        <source>expected a digit after &apos;-&apos; in a control word</source>
        <translation>nach &apos;-&apos; in einem Steuerwort wird eine Ziffer erwartet</translation>
    </message>
    <message>
        <source>numeric parameter longer than %1 digits</source>
        <translation>Zahlenparameter länger als %1 Ziffern</translation>
    </message>
    <message>
        <source>numeric parameter out of range</source>
        <translation>Zahlenparameter außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>negative \bin length</source>
        <translation>negative \bin-Länge</translation>
    </message>
    <message>
        <source>\bin data runs past the end of the input</source>
        <translation>\bin-Daten reichen über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>\u needs a parameter in -32768..65535</source>
        <translation>\u braucht einen Parameter in -32768..65535</translation>
    </message>
    <message>
        <source>RTF error: no target document</source>
        <translation>RTF-Fehler: kein Zieldokument</translation>
    </message>
    <message>
        <source>input larger than %1 bytes</source>
        <translation>Datei größer als %1 Byte</translation>
    </message>
    <message>
        <source>RTF error at line %1, column %2 (byte %3): %4</source>
        <translation>RTF-Fehler in Zeile %1, Spalte %2 (Byte %3): %4</translation>
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
    <message>
        <source>Practise today</source>
        <translation>Heute üben</translation>
    </message>
    <message>
        <source>Nothing is due; today&apos;s practice brings new skills and the weakest.</source>
        <translation>Nichts ist fällig; „Heute üben“ bringt neue Fähigkeiten und die schwächsten.</translation>
    </message>
    <message>
        <source>Skills due now: %1</source>
        <translation>Jetzt fällige Fähigkeiten: %1</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::EnterKey</name>
    <message>
        <source>Enter: take “%1”</source>
        <translation>Enter: „%1“ übernehmen</translation>
    </message>
    <message>
        <source>Enter or Space: “%1”</source>
        <translation>Enter oder Leertaste: „%1“</translation>
    </message>
    <message>
        <source>Enter: next question</source>
        <translation>Enter: nächste Frage</translation>
    </message>
    <message>
        <source>Enter: “%1” (on to the next question)</source>
        <translation>Enter: „%1“ (weiter zur nächsten Frage)</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::ExercisePage</name>
    <message>
        <source>Next question (Enter)</source>
        <translation>Nächste Frage (Enter)</translation>
    </message>
    <message>
        <source>Leaves this question, with its solution shown, for the next one</source>
        <translation>Verlässt diese Frage, deren Lösung gezeigt ist, und geht zur nächsten</translation>
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
        <source>Flying yourself: a tap on an arrow key turns %1°, holding it turns at %1°/s; space pauses</source>
        <translation>Selbst fliegen: ein Tipp auf eine Pfeiltaste dreht um %1°, gedrückt halten dreht mit %1°/s; Leertaste hält an</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Speed of the time</source>
        <translation>Zeitraffer</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::Legend</name>
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
        <source>There is no situation to fly.</source>
        <translation>Es gibt keine Lage zum Fliegen.</translation>
    </message>
    <message>
        <source>Choose the installation</source>
        <translation>Installation wählen</translation>
    </message>
    <message>
        <source>Today&apos;s practice</source>
        <translation>Heute üben</translation>
    </message>
    <message>
        <source>Exam date</source>
        <translation>Prüfungstermin</translation>
    </message>
    <message>
        <source>The day of the exam:</source>
        <translation>Tag der Prüfung:</translation>
    </message>
    <message>
        <source>Counts of the statistics not saved (%1): %2</source>
        <translation>Zählungen der Statistik nicht gespeichert (%1): %2</translation>
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
    <message>
        <source>Situation: plan view and instruments</source>
        <translation>Situation: Karte und Instrumente</translation>
    </message>
    <message>
        <source>Plan view with the stations %1</source>
        <translation>Karte mit den Stationen %1</translation>
    </message>
    <message>
        <source>a holding pattern</source>
        <translation>eine Warteschleife</translation>
    </message>
    <message>
        <source>a DME arc</source>
        <translation>ein DME-Bogen</translation>
    </message>
    <message>
        <source>the wind</source>
        <translation>der Wind</translation>
    </message>
    <message>
        <source>the aircraft</source>
        <translation>das Flugzeug</translation>
    </message>
    <message>
        <source>the aircraft hidden until the solution</source>
        <translation>das Flugzeug bis zur Lösung verborgen</translation>
    </message>
    <message>
        <source>instruments: %1</source>
        <translation>Instrumente: %1</translation>
    </message>
    <message>
        <source>you are flying the situation</source>
        <translation>Sie fliegen die Situation</translation>
    </message>
    <message>
        <source>the solution is drawn</source>
        <translation>die Lösung ist eingezeichnet</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::SolutionBox</name>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>The right answers of the question, each with how it is found</source>
        <translation>Die richtigen Antworten der Frage, jede mit ihrem Lösungsweg</translation>
    </message>
    <message>
        <source>Why:</source>
        <translation>Warum:</translation>
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
    <message>
        <source>Practise my mistakes</source>
        <translation>Meine Fehler üben</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::StatisticsSaving</name>
    <message>
        <source>Statistics wait for the lock %1, which another program holds; counts kept until it is free: %2.</source>
        <translation>Die Statistik wartet auf die Sperre %1, die ein anderes Programm hält; aufbewahrte Zählungen, bis sie frei ist: %2.</translation>
    </message>
    <message>
        <source>Statistics saved.</source>
        <translation>Statistik gespeichert.</translation>
    </message>
    <message>
        <source>Saving the statistics: waiting for the lock %1 …</source>
        <translation>Statistik wird gespeichert: warte auf die Sperre %1 …</translation>
    </message>
    <message>
        <source>Counts of the statistics not saved (%1): another program held the lock %2 all the time.</source>
        <translation>Zählungen der Statistik nicht gespeichert (%1): ein anderes Programm hielt die Sperre %2 die ganze Zeit.</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::SummaryPage</name>
    <message>
        <source>%1: %2 of %3 right at the first try, %4 min:s</source>
        <translation>%1: %2 von %3 beim ersten Versuch richtig, %4 min:s</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>question %1 (%2% right of %3)</source>
        <translation>Frage %1 (%2 % von %3 richtig)</translation>
    </message>
    <message>
        <source>Weakest questions: none so far.</source>
        <translation>Schwächste Fragen: bisher keine.</translation>
    </message>
    <message>
        <source>Weakest questions: %1.</source>
        <translation>Schwächste Fragen: %1.</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Only my mistakes</source>
        <translation>Nur meine Fehler</translation>
    </message>
    <message>
        <source>Next exercise</source>
        <translation>Nächste Übung</translation>
    </message>
    <message>
        <source>Situation</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>– skipped</source>
        <translation>– übersprungen</translation>
    </message>
    <message>
        <source>✓ right</source>
        <translation>✓ richtig</translation>
    </message>
    <message>
        <source>✓ right after a repeat</source>
        <translation>✓ richtig nach Wiederholung</translation>
    </message>
    <message>
        <source>✗ wrong</source>
        <translation>✗ falsch</translation>
    </message>
    <message>
        <source>No mistakes in this set: none left to practise again.</source>
        <translation>Keine Fehler in dieser Runde: nichts mehr zu wiederholen.</translation>
    </message>
    <message>
        <source>“Only my mistakes” asks again the questions of this set not right at the first try: %1.</source>
        <translation>„Nur meine Fehler“ fragt die Fragen dieser Runde noch einmal, die nicht beim ersten Versuch richtig waren: %1.</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::ClassTables</name>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonym</translation>
    </message>
    <message>
        <source>Reviews</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Ready at the exam</source>
        <translation>Bereit zur Prüfung</translation>
    </message>
    <message>
        <source>Last practice</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>%1 · %2 right · %3 ready</source>
        <translation>%1 · %2 richtig · %3 bereit</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Recall at the exam</source>
        <translation>Erinnert zur Prüfung</translation>
    </message>
    <message>
        <source>Study file</source>
        <translation>Lerndatei</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Discrimination</source>
        <translation>Trennschärfe</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Hinweise</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::ClassWindow</name>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>the class folder, or postgresql://user@host/database</source>
        <translation>der Ordner der Klasse oder postgresql://benutzer@rechner/datenbank</translation>
    </message>
    <message>
        <source>&amp;Folder …</source>
        <translation>&amp;Ordner …</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Export report …</source>
        <translation>Bericht &amp;exportieren …</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Weakest skills</source>
        <translation>Schwächste Fertigkeiten</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Unreadable (%1)</source>
        <translation>Unlesbar (%1)</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Ordner der Klasse</translation>
    </message>
    <message>
        <source>Reading the class …</source>
        <translation>Die Klasse wird gelesen …</translation>
    </message>
    <message>
        <source>The class cannot be read.</source>
        <translation>Die Klasse lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 students, %2 reviews, %3 of %4 questions flagged; readiness at the exam on %5.</source>
        <translation>%1 Schüler, %2 Wiederholungen, %3 von %4 Fragen mit Hinweis; Bereitschaft zur Prüfung am %5.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportiert nach %1.</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::PublishDialog</name>
    <message>
        <source>Publishing to the class</source>
        <translation>Für die Klasse veröffentlichen</translation>
    </message>
    <message>
        <source>Your reviews go to the class only while publishing is on. The class sees them under your pseudonym, never your name.</source>
        <translation>Deine Wiederholungen gehen nur an die Klasse, solange das Veröffentlichen eingeschaltet ist. Die Klasse sieht sie unter deinem Pseudonym, nie unter deinem Namen.</translation>
    </message>
    <message>
        <source>&amp;Publish my practice to the class</source>
        <translation>Mein Üben für die Klasse &amp;veröffentlichen</translation>
    </message>
    <message>
        <source>a shared folder, or postgresql://user@host/database</source>
        <translation>ein gemeinsamer Ordner oder postgresql://benutzer@rechner/datenbank</translation>
    </message>
    <message>
        <source>&amp;Folder …</source>
        <translation>&amp;Ordner …</translation>
    </message>
    <message>
        <source>&amp;Class:</source>
        <translation>&amp;Klasse:</translation>
    </message>
    <message>
        <source>Pse&amp;udonym:</source>
        <translation>Pse&amp;udonym:</translation>
    </message>
    <message>
        <source>&amp;Withdraw my data from the class</source>
        <translation>Meine Daten aus der Klasse &amp;zurückziehen</translation>
    </message>
    <message>
        <source>Choose the class: a folder or a server.</source>
        <translation>Wähle die Klasse: einen Ordner oder einen Server.</translation>
    </message>
    <message>
        <source>Pseudonym: %1</source>
        <translation>Pseudonym: %1</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Ordner der Klasse</translation>
    </message>
    <message>
        <source>Withdrawing …</source>
        <translation>Wird zurückgezogen …</translation>
    </message>
    <message>
        <source>The class could not be changed.</source>
        <translation>Die Klasse ließ sich nicht ändern.</translation>
    </message>
    <message>
        <source>The class holds nothing of %1.</source>
        <translation>Die Klasse hat nichts von %1.</translation>
    </message>
    <message>
        <source>Removed everything of %1 from the class (%2).</source>
        <translation>Alles von %1 aus der Klasse entfernt (%2).</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::TrainerHost</name>
    <message>
        <source>
(study file %1)</source>
        <translation>
(Fragendatei %1)</translation>
    </message>
    <message>
        <source>
(study file %1, question %2 of %3)</source>
        <translation>
(Fragendatei %1, Frage %2 von %3)</translation>
    </message>
    <message>
        <source>%1 cannot be pressed</source>
        <translation>%1 lässt sich nicht drücken</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::TrainerMenus</name>
    <message>
        <source>&amp;Publishing to the class …</source>
        <translation>Für die &amp;Klasse veröffentlichen …</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Class …</source>
        <translation>&amp;Klasse …</translation>
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
        <source>Instruments only: hide the aircraft on the plan until the solution</source>
        <translation>Nur Instrumente: Flugzeug bis zur Lösung auf der Karte verbergen</translation>
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
        <source>E&amp;ndless practice</source>
        <translation>E&amp;ndlos üben</translation>
    </message>
    <message>
        <source>&amp;Weakest first</source>
        <translation>&amp;Schwächstes zuerst</translation>
    </message>
    <message>
        <source>About Orvik3</source>
        <translation>Über Orvik3</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orvik3 – radio-navigation trainer&lt;/h3&gt;&lt;p&gt;Exercises in position finding, holdings, DME arcs, ADF, QDM/QDR and wind. The situation is drawn on the left; the questions are on the right.&lt;/p&gt;&lt;p&gt;When flying yourself the arrow keys turn the aircraft; space pauses.&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Orvik3 – Funknavigationstrainer&lt;/h3&gt;&lt;p&gt;Übungen zu Standort, Warteschleife, DME-Bogen, ADF, QDM/QDR und Wind. Die Lage wird links gezeichnet; rechts stehen die Fragen.&lt;/p&gt;&lt;p&gt;Beim Selbstfliegen drehen die Pfeiltasten das Flugzeug; die Leertaste hält an.&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Practise &amp;today</source>
        <translation>&amp;Heute üben</translation>
    </message>
    <message>
        <source>E&amp;xam date …</source>
        <translation>&amp;Prüfungstermin …</translation>
    </message>
</context>
<context>
    <name>orvik3::Skill</name>
    <message>
        <source>HSI: radial and TO/FROM</source>
        <translation>HSI: Radial und TO/FROM</translation>
    </message>
    <message>
        <source>HSI: QDM</source>
        <translation>HSI: QDM</translation>
    </message>
    <message>
        <source>HSI: where the station lies</source>
        <translation>HSI: wo die Station liegt</translation>
    </message>
    <message>
        <source>VOR: radial and TO/FROM</source>
        <translation>VOR: Radial und TO/FROM</translation>
    </message>
    <message>
        <source>VOR: QDM</source>
        <translation>VOR: QDM</translation>
    </message>
    <message>
        <source>VOR: needle movement</source>
        <translation>VOR: Bewegung der Nadel</translation>
    </message>
    <message>
        <source>RMI: QDM</source>
        <translation>RMI: QDM</translation>
    </message>
    <message>
        <source>RMI: QDR</source>
        <translation>RMI: QDR</translation>
    </message>
    <message>
        <source>RMI: relative bearing</source>
        <translation>RMI: relative Peilung</translation>
    </message>
    <message>
        <source>Holding entry: direct, right-hand pattern</source>
        <translation>Holding-Einflug: direkt, Rechtsplatzrunde</translation>
    </message>
    <message>
        <source>Holding entry: direct, left-hand pattern</source>
        <translation>Holding-Einflug: direkt, Linksplatzrunde</translation>
    </message>
    <message>
        <source>Holding entry: parallel, right-hand pattern</source>
        <translation>Holding-Einflug: parallel, Rechtsplatzrunde</translation>
    </message>
    <message>
        <source>Holding entry: parallel, left-hand pattern</source>
        <translation>Holding-Einflug: parallel, Linksplatzrunde</translation>
    </message>
    <message>
        <source>Holding entry: offset, right-hand pattern</source>
        <translation>Holding-Einflug: versetzt, Rechtsplatzrunde</translation>
    </message>
    <message>
        <source>Holding entry: offset, left-hand pattern</source>
        <translation>Holding-Einflug: versetzt, Linksplatzrunde</translation>
    </message>
    <message>
        <source>Holding: outbound heading</source>
        <translation>Holding: Steuerkurs outbound</translation>
    </message>
    <message>
        <source>Holding: first heading after the station</source>
        <translation>Holding: erster Steuerkurs nach der Station</translation>
    </message>
    <message>
        <source>Holding: first turn after the station</source>
        <translation>Holding: erste Kurve nach der Station</translation>
    </message>
    <message>
        <source>DME arc: turn onto the arc</source>
        <translation>DME-Bogen: Kurve auf den Bogen</translation>
    </message>
    <message>
        <source>DME arc: heading on the arc</source>
        <translation>DME-Bogen: Steuerkurs auf dem Bogen</translation>
    </message>
    <message>
        <source>DME arc: lead radial</source>
        <translation>DME-Bogen: Vorhalteradial</translation>
    </message>
    <message>
        <source>ADF: QDR</source>
        <translation>ADF: QDR</translation>
    </message>
    <message>
        <source>ADF: how the QDR changes</source>
        <translation>ADF: wie sich das QDR ändert</translation>
    </message>
    <message>
        <source>ADF: QDM</source>
        <translation>ADF: QDM</translation>
    </message>
    <message>
        <source>ADF: how the QDM changes</source>
        <translation>ADF: wie sich das QDM ändert</translation>
    </message>
    <message>
        <source>ADF: relative bearing</source>
        <translation>ADF: relative Peilung</translation>
    </message>
    <message>
        <source>QDM interception: actual QDM</source>
        <translation>QDM-Anschneiden: aktuelles QDM</translation>
    </message>
    <message>
        <source>QDM interception: how the difference develops</source>
        <translation>QDM-Anschneiden: wie sich die Differenz entwickelt</translation>
    </message>
    <message>
        <source>QDM interception: intercept turn</source>
        <translation>QDM-Anschneiden: Kurve zum Anschneiden</translation>
    </message>
    <message>
        <source>QDM interception: intercept heading</source>
        <translation>QDM-Anschneiden: Steuerkurs zum Anschneiden</translation>
    </message>
    <message>
        <source>QDR interception: actual QDR</source>
        <translation>QDR-Anschneiden: aktuelles QDR</translation>
    </message>
    <message>
        <source>QDR interception: how the difference develops</source>
        <translation>QDR-Anschneiden: wie sich die Differenz entwickelt</translation>
    </message>
    <message>
        <source>QDR interception: intercept turn</source>
        <translation>QDR-Anschneiden: Kurve zum Anschneiden</translation>
    </message>
    <message>
        <source>QDR interception: intercept heading</source>
        <translation>QDR-Anschneiden: Steuerkurs zum Anschneiden</translation>
    </message>
    <message>
        <source>Wind: head or tail wind</source>
        <translation>Wind: Gegen- oder Rückenwind</translation>
    </message>
    <message>
        <source>Wind: crosswind side</source>
        <translation>Wind: Seite des Seitenwinds</translation>
    </message>
    <message>
        <source>Wind: wind correction angle</source>
        <translation>Wind: Luvwinkel</translation>
    </message>
    <message>
        <source>Wind: ground speed and time</source>
        <translation>Wind: Grundgeschwindigkeit und Zeit</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::PracticeMemory</name>
    <message>
        <source>The review log cannot be opened: %1</source>
        <translation>Das Übungsprotokoll lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>The answer was not logged: %1</source>
        <translation>Die Antwort wurde nicht protokolliert: %1</translation>
    </message>
</context>
<context>
    <name>TodayPractice</name>
    <message>
        <source>Today&apos;s practice needs the review log, which cannot be opened.</source>
        <translation>„Heute üben“ braucht das Übungsprotokoll, das sich nicht öffnen lässt.</translation>
    </message>
    <message>
        <source>There is nothing to practise today.</source>
        <translation>Heute gibt es nichts zu üben.</translation>
    </message>
    <message>
        <source>No practice question could be made: %1</source>
        <translation>Es ließ sich keine Übungsfrage erstellen: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Coming back</source>
        <translation>Kommt wieder</translation>
    </message>
    <message>
        <source>Today&apos;s practice: question %1 of %2, %3 right at the first try.</source>
        <translation>Heute üben: Frage %1 von %2, %3 beim ersten Versuch richtig.</translation>
    </message>
    <message>
        <source>later today</source>
        <translation>später heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>in %1 Tagen</translation>
    </message>
</context>
<context>
    <name>ChartLoader</name>
    <message>
        <source>The charts cannot be shown: their module %1 is not in %2.</source>
        <translation>Die Diagramme lassen sich nicht zeigen: ihr Modul %1 liegt nicht in %2.</translation>
    </message>
    <message>
        <source>The charts cannot be shown: %1</source>
        <translation>Die Diagramme lassen sich nicht zeigen: %1</translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::ReadinessView</name>
    <message>
        <source>Ready for the exam on %1: %2% of the skills right, if you stop practising today.</source>
        <translation>Bereit für die Prüfung am %1: %2 % der Fähigkeiten richtig, wenn Sie heute aufhören zu üben.</translation>
    </message>
    <message>
        <source>Readiness at the exam</source>
        <translation>Bereitschaft zur Prüfung</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Reviews due in the next two weeks</source>
        <translation>Fällige Wiederholungen der nächsten zwei Wochen</translation>
    </message>
    <message>
        <source>reviews</source>
        <translation>Wiederholungen</translation>
    </message>
</context>
<context>
    <name>RowReasons</name>
    <message>
        <source>%1 The actual %2 %3 keeps its distance from the required %4: the difference stays the same.</source>
        <translation>%1 Das aktuelle %2 %3 behält seinen Abstand zum geforderten %4: die Differenz bleibt gleich.</translation>
    </message>
    <message>
        <source>%1 The actual %2 %3 moves away from the required %4: the difference becomes larger.</source>
        <translation>%1 Das aktuelle %2 %3 entfernt sich vom geforderten %4: die Differenz wird größer.</translation>
    </message>
    <message>
        <source>%1 The actual %2 %3 moves toward the required %4: the difference becomes smaller.</source>
        <translation>%1 Das aktuelle %2 %3 nähert sich dem geforderten %4: die Differenz wird kleiner.</translation>
    </message>
    <message>
        <source>%1 is greater than %2 %3.</source>
        <translation>%1 ist größer als %2 %3.</translation>
    </message>
    <message>
        <source>%1 is less than %2 %3.</source>
        <translation>%1 ist kleiner als %2 %3.</translation>
    </message>
    <message>
        <source>%1 equals %2 %3.</source>
        <translation>%1 ist gleich %2 %3.</translation>
    </message>
    <message>
        <source>Intercept heading = required %1 %2 (twice the offset, at least 30° and at most 90°).</source>
        <translation>Anschneidekurs = gefordertes %1 %2 (doppelte Ablage, mindestens 30° und höchstens 90°).</translation>
    </message>
    <message>
        <source>Heading %1 already is the heading wanted: maintain it.</source>
        <translation>Steuerkurs %1 ist schon der gesuchte: beibehalten.</translation>
    </message>
    <message>
        <source>From heading %1 to %2 the shorter turn is %3° to the right.</source>
        <translation>Von Steuerkurs %1 auf %2 ist die kürzere Kurve %3° nach rechts.</translation>
    </message>
    <message>
        <source>From heading %1 to %2 the shorter turn is %3° to the left.</source>
        <translation>Von Steuerkurs %1 auf %2 ist die kürzere Kurve %3° nach links.</translation>
    </message>
    <message>
        <source>Outbound = inbound %1.</source>
        <translation>Abflugkurs = Anflugkurs %1.</translation>
    </message>
    <message>
        <source>The station is dead ahead or behind (RB %1): flying on, the bearings stay the same.</source>
        <translation>Die Station liegt genau voraus oder hinten (RB %1): im Weiterflug bleiben die Peilungen gleich.</translation>
    </message>
    <message>
        <source>The station is right of the nose (RB %1): flying on, it moves further right and the bearings increase.</source>
        <translation>Die Station liegt rechts der Nase (RB %1): im Weiterflug wandert sie weiter nach rechts, die Peilungen werden größer.</translation>
    </message>
    <message>
        <source>The station is left of the nose (RB %1): flying on, it moves further left and the bearings decrease.</source>
        <translation>Die Station liegt links der Nase (RB %1): im Weiterflug wandert sie weiter nach links, die Peilungen werden kleiner.</translation>
    </message>
    <message>
        <source>Radial = QDM %1, the line from %2 out to the aircraft.</source>
        <translation>Radial = QDM %1, die Linie von %2 hinaus zum Flugzeug.</translation>
    </message>
    <message>
        <source>QDM = radial %1, the course that leads to %2.</source>
        <translation>QDM = Radial %1, der Kurs, der zu %2 führt.</translation>
    </message>
    <message>
        <source>RB = QDM − HDG = %1: within 45° of the nose, the station is ahead.</source>
        <translation>RB = QDM − HDG = %1: innerhalb 45° um die Nase, die Station liegt vorne.</translation>
    </message>
    <message>
        <source>RB = QDM − HDG = %1: the station is to the right.</source>
        <translation>RB = QDM − HDG = %1: die Station liegt rechts.</translation>
    </message>
    <message>
        <source>RB = QDM − HDG = %1: the station is behind.</source>
        <translation>RB = QDM − HDG = %1: die Station liegt hinten.</translation>
    </message>
    <message>
        <source>RB = QDM − HDG = %1: the station is to the left.</source>
        <translation>RB = QDM − HDG = %1: die Station liegt links.</translation>
    </message>
    <message>
        <source>%1 The radial stays, and against the course %2 set so does the needle.</source>
        <translation>%1 Das Radial bleibt, und gegen den eingestellten Kurs %2 bleibt auch die Nadel.</translation>
    </message>
    <message>
        <source>%1 The radial changes with them, and against the course %2 set the needle moves to the right.</source>
        <translation>%1 Das Radial ändert sich mit ihnen, und gegen den eingestellten Kurs %2 wandert die Nadel nach rechts.</translation>
    </message>
    <message>
        <source>%1 The radial changes with them, and against the course %2 set the needle moves to the left.</source>
        <translation>%1 Das Radial ändert sich mit ihnen, und gegen den eingestellten Kurs %2 wandert die Nadel nach links.</translation>
    </message>
    <message>
        <source>QDM = HDG + RB = %1.</source>
        <translation>QDM = HDG + RB = %1.</translation>
    </message>
    <message>
        <source>QDR = QDM %1.</source>
        <translation>QDR = QDM %1.</translation>
    </message>
    <message>
        <source>RB = QDM − HDG = %1, the needle&apos;s angle from the nose.</source>
        <translation>RB = QDM − HDG = %1, der Winkel der Nadel von der Nase aus.</translation>
    </message>
    <message>
        <source>QDM = HDG + RB = %1, so QDR = %2.</source>
        <translation>QDM = HDG + RB = %1, also QDR = %2.</translation>
    </message>
</context>
</TS>
