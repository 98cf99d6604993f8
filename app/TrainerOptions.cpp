#include "TrainerOptions.h"

#include <orvik3/VisibleText.h>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace orvik3::trainer {

ParsedOptions parseOptions(const QStringList &arguments)
{
    ParsedOptions r;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Radio-navigation trainer"));
    parser.addHelpOption();
    const QCommandLineOption type(QStringLiteral("type"), QStringLiteral("Start exercise type N (1-14)."), QStringLiteral("N"));
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("Language of the exercises: de or en."), QStringLiteral("de|en"));
    const QCommandLineOption base(QStringLiteral("base"), QStringLiteral("Folder of the installation."), QStringLiteral("PATH"));
    const QCommandLineOption question(QStringLiteral("question"), QStringLiteral("Go on to the K-th question."), QStringLiteral("K"));
    const QCommandLineOption solution(QStringLiteral("solution"), QStringLiteral("Draw the solution of the question."));
    const QCommandLineOption shot(QStringLiteral("screenshot"), QStringLiteral("Save the window as a PNG image and quit."), QStringLiteral("FILE"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size for the screenshot, e.g. 1280x800."), QStringLiteral("WxH"));
    const QCommandLineOption timing(QStringLiteral("timing"), QStringLiteral("Report the start-up time."));
    parser.addOptions({type, lang, base, question, solution, shot, size, timing});

    if (!parser.parse(arguments)) {
        r.error = parser.errorText();
        return r;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        r.helpShown = true;
        r.error = parser.helpText();
        return r;
    }
    TrainerOptions &o = r.options;
    if (parser.isSet(type)) {
        bool ok = false;
        const int t = parser.value(type).toInt(&ok);
        if (!ok || t < 1 || t > 14) {
            r.error = QStringLiteral("--type wants an exercise type from 1 to 14, not '%1'").arg(parser.value(type));
            return r;
        }
        o.type = t;
    }
    if (parser.isSet(lang)) {
        Language l;
        if (!parseLanguage(parser.value(lang), &l)) {
            r.error = QStringLiteral("--lang wants de or en, not '%1'").arg(parser.value(lang));
            return r;
        }
        o.language = l;
    }
    o.base = parser.value(base);
    if (parser.isSet(question)) {
        bool ok = false;
        o.question = parser.value(question).toInt(&ok);
        if (!ok || o.question < 1 || o.question > 301) {
            r.error = QStringLiteral("--question wants a number from 1 to 301, not '%1'").arg(parser.value(question));
            return r;
        }
    }
    o.solution = parser.isSet(solution);
    o.screenshot = parser.value(shot);
    if (parser.isSet(shot)) {
        // Only a plain file (or none yet): a pipe would hold the run until someone reads it.
        const QFileInfo target(o.screenshot);
        if (o.screenshot.isEmpty() || (target.exists() && !target.isFile())) {
            r.error = QStringLiteral("--screenshot wants the name of a PNG file to write, not '%1'").arg(visibleText(o.screenshot));
            return r;
        }
    }
    if (parser.isSet(size)) {
        const auto m = QRegularExpression(QStringLiteral("^(\\d{3,4})x(\\d{3,4})$")).match(parser.value(size));
        if (!m.hasMatch()) {
            r.error = QStringLiteral("--size wants WIDTHxHEIGHT, e.g. 1280x800, not '%1'").arg(parser.value(size));
            return r;
        }
        o.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    o.timing = parser.isSet(timing);
    return r;
}

} // namespace orvik3::trainer
