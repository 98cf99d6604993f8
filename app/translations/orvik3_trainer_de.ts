<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ExerciseCatalog</name>
    <message>
        <source>Position with the HSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position with the VOR indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation between QDM and QDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding entry with the HSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding entry with gyro and RMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding entry with gyro and ADF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joining a DME arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADF position with the RMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADF position by relative bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercepting a QDM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercepting a QDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercepting a QDM by relative bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercepting a QDR by relative bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind components and drift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding and DME arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADF position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QDM and QDR interception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanOverlay</name>
    <message>
        <source>Parallel entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counterclockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arc %1, final %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intercept heading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Course %1: heading %2, GS %3 kt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanPainter</name>
    <message>
        <source>No exercise situation loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Situation</name>
    <message>
        <source>This question names no session file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session file not found:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session file cannot be read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::ChooserPage</name>
    <message>
        <source>Choose an exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change …</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::FlightBar</name>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn left (left arrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn right (right arrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flying yourself: arrow keys turn at %1°/s, space pauses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::MainWindow</name>
    <message>
        <source>Choose an exercise to begin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no exercises (no folder default/study).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study file %1 gives no question for this exercise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no situation to fly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose exercise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Installation …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power &amp;tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holding pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DME arc and final course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing to intercept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track flown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvik3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Orvik3 – radio-navigation trainer&lt;/h3&gt;&lt;p&gt;Exercises in position finding, holdings, DME arcs, ADF, QDM/QDR and wind. The situation is drawn on the left; the questions are on the right.&lt;/p&gt;&lt;p&gt;When flying yourself the arrow keys turn the aircraft; space pauses.&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::SituationView</name>
    <message>
        <source>Choose an exercise to begin.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::StatisticsChart</name>
    <message>
        <source>Attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvik3::trainer::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempts: %1   Wrong: %2   Right: %3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all counters of “%1”?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
