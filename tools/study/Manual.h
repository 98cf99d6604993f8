#pragma once

// The text of orvik3-study --help: the manual of every command.

namespace orvik3::study {

inline constexpr const char *kManual = R"(NAME
    orvik3-study - check, generate and follow study files of the trainer

SYNOPSIS
    orvik3-study lint [--type N] [--language de|en] [--base DIR] [--teaching [--strict]] FILE...
    orvik3-study generate [--force] SCENARIOS... OUTDIR
    orvik3-study random --type N [--count K] [--seed S] [--lang de|en] [--kind WORDS]...
                        [--power-tips FILE] [--force] OUTDIR
    orvik3-study stats [--store DIR] [--csv] [PREFIX]
    orvik3-study stats reset [--store DIR] PREFIX
    orvik3-study stats --shortcuts FILE...
    orvik3-study simulate [--students N] [--days D] [--per-day Q] [--seed S]
    orvik3-study memory [--log FILE] [--exam YYYY-MM-DD] [--fit]
    orvik3-study simulate --class LOCATION [--base DIR] [--mis-key FILE:Q] [--students N]
                          [--days D] [--per-day Q] [--seed S]
    orvik3-study class report [--html FILE] [--lang de|en] [--exam YYYY-MM-DD] SOURCE...
    orvik3-study class items [--exam YYYY-MM-DD] SOURCE...
    orvik3-study class publish --pseudonym NAME [--log FILE] LOCATION
    orvik3-study class withdraw --pseudonym NAME LOCATION
    orvik3-study --help | --version

DESCRIPTION
    Study files hold the questions of one exercise type and their stored answers; the
    exercise panel judges the trainee against them. This tool finds the mistakes of a
    hand-written study file before a trainee meets them, builds a complete installation
    from scenario files, and reports the attempt counters of the settings store.

COMMANDS
    lint FILE...
        Reads each file (every *.sty of a folder given instead) with the panel's own loader rules. The exercise type comes from the
        file name (hsi.sty, e-qdm.sty, ... in any letter case) or from --type. Reports, as
        file:line: message, every line at which loading stops, missing question lines
        (:qa:, :qb:, :qc:), and every stored answer that can never be judged right or
        cannot be shown: position degrees that are no list entry, list texts that are no
        entry, turn and trend words the panel does not accept (letter case included), a
        QDM/QDR of 360, ADF answers equal to none of their captions, wind times above 546
        minutes, captions that are not whole numbers, and session names without their
        session file in default/sessions/ of the installation. Then prints how many
        questions load. Like the panel, lint reads no more than 301 questions; it shows
        the first 100 findings of a file and counts the rest. Control characters of the
        files (escape sequences, line ends, NUL) are printed as \x1b, \n, \0 and so on.

        With --teaching it also warns, as file:line: warning: question N: rule: reason,
        about questions the control can judge but that teach badly or mark a sound answer
        wrong: a holding heading within 5 degrees of an entry sector line, an offset entry
        whose first turn is 1 to 4 degrees, a QDM/QDR first turn that is not the same and
        clear-cut for 30, 45, 60 and 90 degree intercepts, a QDM already on the required
        bearing, an HSI or VOR position the instrument cannot show (bar at its stop, flag
        in view abeam, needle centred where a side is asked), a station within a degree of
        the 5-degree margin between two quarters, a wind figure whose exact working or its
        one-decimal rounding the 20 % band refuses or that lies within 0.05 of a half, and
        speeds, distances and DME figures outside realistic ranges (from the sessions).

    generate SCENARIOS... OUTDIR
        Reads scenario files (or every *.txt of a folder, by name) and writes
        OUTDIR/default/sessions/*.session and the German and English study files of every
        type in OUTDIR/default/study/. Every stored answer is computed from the situation.
        The output depends only on the scenarios. Files that exist are not replaced
        without --force (nothing is written then), and nothing is written through a
        symbolic link below OUTDIR.

    random --type N OUTDIR
        Writes a practice installation of fresh situations of exercise type N: the type's
        study file of the language in OUTDIR/default/study/ and one session per question in
        OUTDIR/default/sessions/. Each situation is drawn at random within realistic values
        and kept only when its answers are clear-cut and every teaching rule holds; every
        stored answer is computed. Holdings show each entry with each side of the pattern
        once in every six questions, and the places of the right ADF options are drawn,
        so that no shortcut pays (see stats --shortcuts). The same seed gives the same
        files byte for byte. Existing files and links below OUTDIR are treated as by
        generate.

    stats [PREFIX]
        Prints attempts, wrong answers and the rate of wrong answers per question (numbered
        as in the panel's counter) for the statistics prefix (hsipos, stdvor, hsihld, dghld,
        adfpos, qdm, qdr, wind, dmearc) or for all prefixes.

    stats reset PREFIX
        Removes every counter of the prefix.

    stats --shortcuts FILE...
        For each study file (every *.sty of a folder given instead), the simple rules a
        trainee could learn in place of the skill and how often each is right: always the
        same option of a row (the entry, the first turn, a side), the right ADF option
        always in one place or one place after another, the QDM/QDR first turn read off
        actual against required bearing, the first heading read off the turn. Rows whose
        answer the panel's layout fixes are left out. Rules right in more than 70 % of the
        questions they apply to are marked with "!" and make the exit status 1.

    simulate
        Runs simulated students through D evenings of Q questions under three schedulers
        (random: sets of ten of a type drawn at random; leitner: the Leitner boxes of
        "weakest first"; model: today's practice of the skills the memory model finds due)
        and prints one line per scheduler:
            scheduler NAME recall PERCENT weakest PERCENT
        recall: the students' mean true recall of every skill at the exam, the day after
        the last evening; weakest: the weakest skill of the students who mix up parallel and
        offset entries, on average. Each student has a hidden memory with a forgetting speed
        of their own; the same seed gives the same figures.

    simulate --class LOCATION
        A simulated class instead: students of different strength practise the study-file
        questions of the installation --base (default: the installed sample installation)
        for D evenings of Q questions (default 14 and 30), every question once in an order
        of their own first, and publish their review logs to LOCATION as their trainers
        would. --mis-key FILE:Q stores question Q of that study file with a wrong key (its
        first row's typical mistake), so that students who know the skill are marked wrong.

    class report SOURCE...
        The class's report from a class folder of snapshots (or several) or a server
        (postgresql://user@host[:port]/database): per student and family the reviews, share
        right, readiness at the exam (--exam, default the day after the class last
        practised) and last practice; the weakest skills; the item analysis of every
        question; with --html one self-contained page with its charts (--lang, default de).
        Prints "N students, R reviews, F of Q questions flagged". A snapshot or row that is
        malformed is named on stderr with its source and left out.

    class items SOURCE...
        One line per question of the study files:
            FILE<TAB>QUESTION<TAB>DIFFICULTY<TAB>DISCRIMINATION<TAB>FLAGS
        difficulty: the share right at the first try; discrimination: the corrected
        point-biserial correlation of its least discriminating row ("-" when it cannot be
        told); flags, comma-separated, once 20 students tried a row: negative-discrimination
        (below -0.1: strong students fail it more than weak ones, a wrong key or an
        ambiguous question), distractor-above-key (a wrong answer given more often than the
        right ones), unchosen-distractor (an option nobody chose though enough answered
        wrong).

    class publish
        Publishes a review log (--log, default the user's) to a class folder or server under
        the pseudonym: the trainer's publishing, by hand.

    class withdraw
        Removes a student from the class: their snapshot, or every row of theirs on the
        server. Exit status 1 when there was nothing of them.

    memory
        Reads the trainee's review log (every answered row of practice) and prints, for
        every skill, the predicted recall now and the day it falls below 90 % ("due": now,
        "new": never practised), with --exam the predicted share of skills right on that
        date per family, and with --fit first fits the memory model to the log.

OPTIONS
    --type N          Exercise type 1..14 of the files to lint, whatever their names.
    --language de|en  Language of the lists the position answers must match.
    --base DIR        Installation whose default/sessions/ holds the sessions (default:
                      the folder above default/study/ when the file lies there).
    --teaching        Lint: warn about questions that teach badly, too.
    --strict          Lint --teaching: warnings count as findings.
    --count K         Random: questions in the set, 1..301 (default 24).
    --seed S          Random: the seed, a whole number (default 1).
    --lang de|en      Random: the language of the study file (default de). The types
                      whose English file is another type's write that file.
    --kind WORDS      Random: the kinds wanted, comma-separated words that one question
                      must all have; given more than once, the questions take them in turn.
                      Holdings: direct, parallel, offset, right-hand, left-hand; QDM/QDR:
                      left, right (the first turn); wind: crosswind-left, crosswind-right,
                      headwind, tailwind; DME arc: clockwise, counterclockwise.
    --power-tips FILE Random: copied to OUTDIR/pwr.rtf (a plain file of at most 8 MB).
    --force           Generate, random: replace files that exist (a link in a file's
                      place is replaced, never written through).
    --store DIR       Folder of the settings store (default: the user's).
    --log FILE        Memory, class publish: the review log (default: the user's, beside
                      the store).
    --exam DATE       Memory, class: the exam date, for the readiness.
    --fit             Memory: fit the model's parameters to the log (from 400
                      reviews on) and keep them in the log.
    --students N      Simulate: the students, 1..10000 (default 200).
    --days D          Simulate: the evenings of practice, 1..365 (default 14).
    --per-day Q       Simulate: questions each evening, 1..500 (default 20; 30 for a class).
    --class LOCATION  Simulate a class into this folder or server.
    --mis-key FILE:Q  Simulate a class: question Q of FILE keyed wrong.
    --html FILE       Class report: the page to write.
    --pseudonym NAME  Class publish and withdraw: the student.
    --csv             Comma-separated values with a header row.
    --shortcuts       Stats: the shortcut report of study files instead of the counters.
    -h, --help        This text.
    -v, --version     The version.

EXIT STATUS
    0  nothing found (lint; teaching warnings without --strict) or done
    1  findings or, with --strict, teaching warnings (lint), a scenario with a
       mistake (generate), or a rule right too often (stats --shortcuts)
    2  usage error, or a file that cannot be read or written

EXAMPLES
    orvik3-study lint data/default/study/*
    orvik3-study lint --teaching --strict data/default/study/*.sty
    orvik3-study generate data/scenarios data
    orvik3-study random --type 3 --count 24 --seed 7 --kind parallel practice
    orvik3-study stats --csv qdm > qdm.csv
    orvik3-study stats --shortcuts data/default/study
    orvik3-study simulate --class class --base data --mis-key hsi.sty:7
    orvik3-study class report --html class.html --lang en class
    orvik3-study class items postgresql://school@db.example/class
)";

} // namespace orvik3::study
