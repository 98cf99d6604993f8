// The power-tip document of the sample installation reads with the shipped RTF reader and
// carries its umlauts and formatting through.

#include "widgets/rtf/RtfReader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

TEST(PowerTips, ReadsWithUmlautsAndBold)
{
    QFile file(QStringLiteral(ORVIK3_DATA_DIR "/pwr.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\r\n"));
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 128; }))
        << "plain 7-bit RTF, umlauts as escapes";

    QTextDocument doc;
    QString error;
    ASSERT_TRUE(orvik3::RtfReader::read(bytes, &doc, &error)) << error.toStdString();
    const QString text = doc.toPlainText();
    for (const char *word : {"Holding", "größer", "Rückenwind", "Luvwinkel", "Interceptwinkel", "DME", "relative bearing"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;

    bool bold = false, italic = false;
    for (QTextBlock b = doc.begin(); b != doc.end(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            bold = bold || it.fragment().charFormat().fontWeight() >= QFont::Bold;
            italic = italic || it.fragment().charFormat().fontItalic();
        }
    EXPECT_TRUE(bold);
    EXPECT_TRUE(italic);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
