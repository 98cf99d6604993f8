#pragma once

#include <orvik3/QAform.h>

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace orvik3::test {

// A host for tests: a temporary installation folder, an in-memory settings store, a scripted
// random source and the German text table, with a control placed on it.
class TestHost
{
public:
    explicit TestHost(std::vector<float> random = {0.0f}, std::shared_ptr<TextTable> texts = TextTable::german());

    QString base() const { return m_dir.path(); }
    // Writes default/study/<name> with the lines joined by CR LF (and a final CR LF),
    // encoded as Windows-1252.
    void writeStudyFile(const QString &name, const QStringList &lines);
    void writeFile(const QString &relativePath, const QByteArray &bytes);

    // Sets the base path and selects the type.
    QAform &select(qint16 type);

    QAform &form() { return *m_form; }
    MemorySettingsStore &store() { return *m_store; }
    ScriptedRandomSource &random() { return *m_random; }
    FormControl &ctl(const QString &name) { return m_form->control(name); }
    QString stat(const QString &key) { return m_store->read(QStringLiteral("avx1"), QStringLiteral("stats"), key); }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<MemorySettingsStore> m_store;
    std::shared_ptr<ScriptedRandomSource> m_random;
    std::unique_ptr<QAform> m_form;
};

// The lines of one record: a tag of the given length ("#" characters) before each value.
QString tagged(int tagLength, const QString &value);

} // namespace orvik3::test
