#include "support/TestHost.h"

#include "platform/LineReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace orvik3::test {

TestHost::TestHost(std::vector<float> random, std::shared_ptr<TextTable> texts)
    : m_store(std::make_shared<MemorySettingsStore>())
    , m_random(std::make_shared<ScriptedRandomSource>(std::move(random)))
{
    Services services;
    services.settings = m_store;
    services.random = m_random;
    services.texts = std::move(texts);
    m_form = std::make_unique<QAform>(services);
    m_form->InitProperties();
}

void TestHost::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

void TestHost::writeStudyFile(const QString &name, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += LineReader::encode(line) + "\r\n";
    writeFile(QStringLiteral("default/study/") + name, bytes);
}

QAform &TestHost::select(qint16 type)
{
    m_form->setC_MainAppPath(base());
    m_form->setC_QAtype(type);
    return *m_form;
}

QString tagged(int tagLength, const QString &value)
{
    return QString(tagLength, u'#') + value;
}

} // namespace orvik3::test
