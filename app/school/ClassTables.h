#pragma once

#include "ExerciseCatalog.h"

#include <ClassData.h>

#include <QCoreApplication>

class QTableWidget;

namespace orvik3::trainer {

// The class window's tables, filled from the analysed class: one row per student (figures
// per family, readiness at the exam, last practice), per weak skill and per question of a
// study file (with the item analysis's flags).
class ClassTables
{
    Q_DECLARE_TR_FUNCTIONS(orvik3::trainer::ClassTables)
public:
    static void fillStudents(QTableWidget &table, const school::ClassData &data, Language language);
    static void fillSkills(QTableWidget &table, const school::ClassData &data);
    static void fillItems(QTableWidget &table, const school::ClassData &data, Language language);
    // The flags of an item as the report names them.
    static QString flagsText(const QStringList &flags, Language language);
};

} // namespace orvik3::trainer
