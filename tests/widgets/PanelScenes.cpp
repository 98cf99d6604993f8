#include "PanelScenes.h"

#include <QStringList>
#include <utility>

namespace orvik3::test {

namespace {

QStringList studyLines(qint16 type)
{
    auto t = [](int tag, const QString &value) { return tagged(tag, value); };
    QStringList lines;
    switch (type) {
    case 1:
        lines << QStringLiteral(":qa:,Welches Radial (QDR) zeigt das HSI?")
              << QStringLiteral(":qb:,Welcher Kurs liegt an?")
              << QStringLiteral(":qc:,Wohin bewegt sich die Nadel?");
        for (int q = 0; q < 2; ++q)
            lines << t(5, QStringLiteral("090")) << t(5, QStringLiteral("270")) << t(5, QStringLiteral("Nach links"))
                  << t(4, QStringLiteral("pos%1.ses").arg(q)) << QString();
        break;
    case 3:
        for (int q = 0; q < 2; ++q)
            lines << t(5, QStringLiteral("x")) << t(5, QStringLiteral("090")) << t(5, QStringLiteral("230"))
                  << t(5, QStringLiteral("Standard")) << t(4, QStringLiteral("hld%1.ses").arg(q)) << QString();
        break;
    case 5:
        for (int q = 0; q < 2; ++q) {
            for (const char *v : {"045", "225", "135", "315", "225", "045", "315", "135", "090", "270", "180", "000"})
                lines << t(6, QLatin1String(v));
            for (const char *v : {"045", "größer", "225", "kleiner", "090"})
                lines << t(5, QString::fromUtf8(v));
            lines << t(4, QStringLiteral("adf%1.ses").arg(q)) << QString();
        }
        break;
    case 6:
        for (int q = 0; q < 2; ++q)
            lines << t(5, QStringLiteral("090")) << t(5, QStringLiteral("a")) << t(5, QStringLiteral("b"))
                  << t(5, QStringLiteral("c")) << t(5, QStringLiteral("085")) << t(5, QStringLiteral("kleiner"))
                  << t(5, QStringLiteral("left")) << t(5, QStringLiteral("kleiner"))
                  << t(4, QStringLiteral("qdm%1.ses").arg(q)) << QString();
        break;
    case 8:
        for (int q = 0; q < 2; ++q) {
            for (const char *v : {"270", "25", "12", "head", "21", "left", "8", "left", "14", "30", "090"})
                lines << t(5, QLatin1String(v));
            lines << t(4, QStringLiteral("wind%1.ses").arg(q)) << QString();
        }
        break;
    default:
        break;
    }
    return lines;
}

QStringList fileNames(qint16 type)
{
    switch (type) {
    case 1: return {QStringLiteral("hsi.sty"), QStringLiteral("e-hsi.sty")};
    case 3: return {QStringLiteral("HSIHLD.sty"), QStringLiteral("e-HSIHLD.sty")};
    case 5: return {QStringLiteral("adfpos.sty"), QStringLiteral("e-adfpos.sty")};
    case 6: return {QStringLiteral("qdm.sty"), QStringLiteral("e-qdm.sty")};
    case 8: return {QStringLiteral("wind.sty"), QStringLiteral("e-wind.sty")};
    default: return {};
    }
}

} // namespace

void showQuestion(TestHost &host, const Scene &scene)
{
    for (const QString &name : fileNames(scene.type))
        host.writeStudyFile(name, studyLines(scene.type));
    host.select(scene.type);
}

void completeCaptions(TestHost &host, const Scene &scene)
{
    const TextTable &texts = host.form().texts();
    auto text = [&](quint16 id) { return texts.text(id); };
    std::vector<std::pair<QString, QString>> captions;
    auto add = [&](const char *name, const QString &caption) { captions.emplace_back(QLatin1String(name), caption); };
    switch (scene.type) {
    case 3: {
        add("Label2", text(335) + u' ' + QStringLiteral("Standard ") + text(336) + QStringLiteral(" 230"));
        const char *headings[] = {" 320", " 020", " 050", " 080", " 140"};
        for (int k = 0; k < 10; ++k)
            captions.emplace_back(QStringLiteral("Option%1").arg(k + 1), QLatin1String(headings[k % 5]));
        break;
    }
    case 5: {
        const std::pair<const char *, quint16> fixed[] = {
            {"Label20", 289}, {"Label17", 290}, {"Label19", 291}, {"Label18", 292}, {"Label21", 293},
            {"Option28", 286}, {"Option34", 287}, {"Option33", 288}, {"Option19", 286}, {"Option17", 287},
            {"Option18", 288}};
        for (const auto &[name, id] : fixed)
            add(name, text(id));
        const char *options[] = {"Option22", "Option21", "Option20", "Option23", "Option32", "Option31",
                                 "Option30", "Option29", "Option27", "Option26", "Option25", "Option24"};
        for (int k = 0; k < 12; ++k)
            add(options[k], host.form().qaCol(k + 1, host.form().currentQuestion()));
        break;
    }
    case 6: {
        add("Label32", text(356) + QStringLiteral(" 090"));
        const std::pair<const char *, quint16> fixed[] = {
            {"Label31", 358}, {"Label28", 360}, {"Label30", 361}, {"Label29", 362}, {"Option40", 353},
            {"Option39", 354}, {"Option38", 355}, {"Option45", 347}, {"Option44", 348}, {"Option43", 349},
            {"Option37", 363}, {"Option36", 364}};
        for (const auto &[name, id] : fixed)
            add(name, text(id));
        add("Option50", QStringLiteral(" 085"));
        add("Option49", QStringLiteral(" 075"));
        add("Option48", QStringLiteral(" 265"));
        add("Option46", QStringLiteral(" 095"));
        break;
    }
    case 8: {
        add("Label33", text(320) + QStringLiteral(" 270/25"));
        const std::pair<const char *, quint16> fixed[] = {
            {"Label38", 321}, {"Label41", 322}, {"Label39", 323}, {"Label40", 324}, {"Option47", 325},
            {"Option42", 326}, {"Option35", 327}, {"Option54", 328}, {"Option55", 326}, {"Option56", 329},
            {"Option52", 328}, {"Option53", 326}, {"Option41", 329}};
        for (const auto &[name, id] : fixed)
            add(name, text(id));
        break;
    }
    default:
        break;
    }
    for (const auto &[name, caption] : captions) {
        FormControl &c = host.ctl(name);
        if (c.caption().isEmpty())
            c.setCaption(caption);
    }
}

} // namespace orvik3::test
