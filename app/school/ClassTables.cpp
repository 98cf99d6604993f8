#include "ClassTables.h"

#include <ReportTexts.h>

#include <orvik3/Skills.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QTableWidget>

namespace orvik3::trainer {

namespace {

QString percent(double share) { return QStringLiteral("%1 %").arg(qRound(share * 100)); }

QTableWidgetItem *number(double value, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void start(QTableWidget &table, const QStringList &headers, int rows)
{
    table.setSortingEnabled(false);
    table.clear();
    table.setColumnCount(int(headers.size()));
    table.setHorizontalHeaderLabels(headers);
    table.setRowCount(rows);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.verticalHeader()->hide();
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
}

void finish(QTableWidget &table)
{
    table.resizeColumnsToContents();
}

} // namespace

void ClassTables::fillStudents(QTableWidget &table, const school::ClassData &data, Language language)
{
    QStringList headers{tr("Pseudonym"), tr("Reviews"), tr("Right"), tr("Ready at the exam")};
    for (Family f : {Family::Position, Family::Holding, Family::Adf, Family::QdmQdr, Family::Wind})
        headers << familyName(f, language);
    headers << tr("Last practice");
    start(table, headers, int(data.students.size()));
    for (int r = 0; r < int(data.students.size()); ++r) {
        const school::StudentSummary &s = data.students[r];
        table.setItem(r, 0, new QTableWidgetItem(s.pseudonym));
        table.setItem(r, 1, number(s.reviews, QString::number(s.reviews)));
        table.setItem(r, 2, number(s.share(), percent(s.share())));
        table.setItem(r, 3, number(s.readiness, percent(s.readiness)));
        for (int f = 0; f < int(s.families.size()); ++f) {
            const school::FamilyFigures &ff = s.families[f];
            // Reviews, share right and readiness of the family in one cell, as they are read together.
            auto *item = number(ff.readiness, tr("%1 · %2 right · %3 ready").arg(ff.reviews).arg(percent(ff.share()), percent(ff.readiness)));
            table.setItem(r, 4 + f, item);
        }
        const QString last = s.lastPractice ? QDateTime::fromMSecsSinceEpoch(s.lastPractice).toString(QStringLiteral("yyyy-MM-dd hh:mm")) : QString();
        table.setItem(r, 9, new QTableWidgetItem(last));
    }
    finish(table);
}

void ClassTables::fillSkills(QTableWidget &table, const school::ClassData &data)
{
    start(table, {tr("Skill"), tr("Reviews"), tr("Right"), tr("Recall at the exam")}, int(data.skills.size()));
    const auto all = skills();
    for (int r = 0; r < int(data.skills.size()); ++r) {
        const school::SkillSummary &s = data.skills[r];
        const QString name = s.skill >= 0 && s.skill < int(all.size())
                                 ? QCoreApplication::translate("orvik3::Skill", all[s.skill].name)
                                 : QString::number(s.skill);
        table.setItem(r, 0, new QTableWidgetItem(name));
        table.setItem(r, 1, number(s.reviews, QString::number(s.reviews)));
        const double share = s.reviews ? double(s.right) / s.reviews : 0;
        table.setItem(r, 2, number(share, percent(share)));
        table.setItem(r, 3, number(s.recall, percent(s.recall)));
    }
    finish(table);
}

QString ClassTables::flagsText(const QStringList &flags, Language language)
{
    const auto report = language == Language::English ? school::ReportLanguage::English : school::ReportLanguage::German;
    QStringList texts;
    for (const QString &flag : flags)
        texts << school::reportText(flag.toUtf8().constData(), report);
    return texts.join(QStringLiteral("; "));
}

void ClassTables::fillItems(QTableWidget &table, const school::ClassData &data, Language language)
{
    start(table, {tr("Study file"), tr("Question"), tr("Students"), tr("Difficulty"), tr("Discrimination"), tr("Flags")},
          int(data.items.size()));
    for (int r = 0; r < int(data.items.size()); ++r) {
        const school::ItemStats &i = data.items[r];
        table.setItem(r, 0, new QTableWidgetItem(i.file));
        table.setItem(r, 1, number(i.question, QString::number(i.question)));
        table.setItem(r, 2, number(i.students, QString::number(i.students)));
        table.setItem(r, 3, number(i.difficulty, QString::number(i.difficulty, 'f', 2)));
        table.setItem(r, 4, number(i.discrimination, i.discriminationKnown ? QString::number(i.discrimination, 'f', 2) : QStringLiteral("–")));
        auto *flags = new QTableWidgetItem(flagsText(i.flags, language));
        if (!i.flags.isEmpty())
            flags->setForeground(QColor(0xb0, 0x00, 0x20));
        table.setItem(r, 5, flags);
    }
    finish(table);
}

} // namespace orvik3::trainer
