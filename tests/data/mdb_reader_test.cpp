// Text and memos come back whole in every Access format and code page,
// however long, with every character beyond the Basic Multilingual Plane,
// and with control characters masked alike wherever they stand.
#include "data/mdb_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QtEndian>
#include <map>

#include "data/family_database.h"
#include "support/family_files.h"
#include "support/file_patches.h"

namespace kinmora {
namespace {

using testing::FileFormat;

// Thai as biographies are written: consonants with vowels above and below,
// tone marks, leading vowels and spaces, `length` characters of it.
QString thaiProse(qsizetype length) {
    static const QString words[] = {QStringLiteral("เกิดที่"),     QStringLiteral("เชียงใหม่"),
                                    QStringLiteral("น้ำผึ้ง"),     QStringLiteral("ศรีสุข "),
                                    QStringLiteral("ก๋วยเตี๋ยว "), QStringLiteral("๒๔๘๕ ")};
    QString text;
    for (int i = 0; text.size() < length; ++i) text += words[(i * 7 + i / 3) % 6];
    return text.left(length);
}

std::string csvField(const QString& text) {
    return "\"" + QString(text).replace('"', QStringLiteral("\"\"")).toStdString() + "\"";
}

// Each person's biography by code, as the file opens in the program.
std::map<int, QString> biographies(const QString& path, int codePage = 0) {
    ReadOptions options;
    options.codePage = codePage;
    auto db = FamilyDatabase::open(path, options);
    std::map<int, QString> out;
    RecordSet& rs = db->persons();
    for (rs.first(); !rs.atEnd(); rs.next())
        out[static_cast<int>(rs.field(QStringLiteral("code")).toInteger(0, 1000))] =
            rs.field(QStringLiteral("biography")).toText();
    return out;
}

class MdbReaderTest : public ::testing::TestWithParam<FileFormat> {
protected:
    // Writes persons 1, 2, ... with these biographies and returns the file.
    QString familyWith(const QStringList& texts) {
        std::string rows;
        for (qsizetype i = 0; i < texts.size(); ++i)
            rows += std::to_string(i + 1) + ",ก" + std::to_string(i) + ",,1,,,0," +
                    csvField(texts[i]) + ",0,0\n";
        return m_files.write("family.mdb", rows, "", {GetParam(), {}});
    }
    testing::FamilyFiles m_files;
};

TEST_P(MdbReaderTest, LongMemosComeBackWhole) {
    QStringList texts;
    for (const qsizetype length : {8000, 8191, 8192, 10001, 16384, 30000, 60000})
        texts << thaiProse(length);
    // A two-byte start puts every three-byte UTF-8 character across a buffer edge.
    texts << QStringLiteral("ab") + QString(10000, QChar(0x0E01));
    // Control characters are masked alike past any buffer and in a short
    // text, and a NUL cuts nothing.
    texts << QString(20000, QLatin1Char('x')) + QStringLiteral("\u001B[2J\u001B]0;title\u0007end");
    texts << QStringLiteral("ศรี\u0007สุข") + QChar(0) + QStringLiteral("x");
    const std::map<int, QString> read = biographies(familyWith(texts));
    ASSERT_EQ(read.size(), static_cast<std::size_t>(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        QString masked = texts[i];
        for (const char16_t c : {u'\u0000', u'\u0007', u'\u001B'})
            masked.replace(QChar(c), QChar(0xFFFD));
        EXPECT_EQ(read.at(static_cast<int>(i + 1)), masked) << "text " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, MdbReaderTest, ::testing::ValuesIn(testing::kAllFormats));

// Access 2000 and later keep UTF-16: characters beyond the BMP, emoji among
// them, stay whole in names and memos.
TEST(MdbReaderUnicode, CharactersBeyondTheBmpStayWhole) {
    testing::FamilyFiles files;
    const QString emoji = QStringLiteral("ย่า👵🏽 หลาน👶 𠀀");
    for (const FileFormat format : {FileFormat::Access2000, FileFormat::Access2007}) {
        const QString path = files.write(
            "emoji.mdb", "1," + emoji.toStdString() + ",,1,,,0," + csvField(emoji) + ",0,0\n", "",
            {format, {}});
        auto db = FamilyDatabase::open(path);
        EXPECT_EQ(db->persons().field(QStringLiteral("name")).toText(), emoji);
        EXPECT_EQ(db->persons().field(QStringLiteral("biography")).toText(), emoji);
    }
}

// Access 97 text read in another code page, as a Latin family is: whole too.
TEST(MdbReaderCodePage, LongLatinMemosReadInCodePage1252ComeBackWhole) {
    testing::FamilyFiles files;
    QString latin;
    while (latin.size() < 30000) latin += QStringLiteral("Élève à Genève, déjà née; ");
    const QString path =
        files.write("latin.mdb", "1,Anna,,0,,,0,\"" + testing::asLatin1Bytes(latin.left(8192)) +
                                     "\",0,0\n"
                                     "2,Bea,,0,,,0,\"" +
                                     testing::asLatin1Bytes(latin) + "\",0,0\n");
    EXPECT_EQ(biographies(path, 1252), (std::map<int, QString>{{1, latin.left(8192)}, {2, latin}}));
}

std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + at);
}

// Where the Access 97 file holds the header of its one memo kept in a chain
// of rows `length` bytes long: its row pointer follows the length.
qsizetype chainedMemoHeader(const QByteArray& file, std::uint32_t length) {
    for (qsizetype at = 0; at + 12 <= file.size(); ++at)
        if (le32(file, at) == length && le32(file, at + 8) == 0 && le32(file, at + 4) != 0 &&
            (le32(file, at + 4) >> 8) * 2048 < static_cast<std::uint32_t>(file.size()))
            return at;
    return -1;
}

// A biography's chain of pages broken as damage breaks it: pointing back to
// its own first row, or to a page past the end. Either reads in bounded
// time, the first no longer than its stated length, and the family opens.
TEST(MdbReaderDamage, ABrokenMemoChainEndsAndTheFamilyOpens) {
    testing::FamilyFiles files;
    const QString text(5000, QChar(0x0E01));  // ก: one byte each in code page 874
    const QString path = files.write("family.mdb", "1,ก,,1,,,0," + csvField(text) + ",0,0\n");
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray file = in.readAll();
    const qsizetype header = chainedMemoHeader(file, 5000);
    ASSERT_GE(header, 0);
    const std::uint32_t first = le32(file, header + 4);
    const qsizetype page = static_cast<qsizetype>(first >> 8) * 2048;
    const qsizetype row = page + (le32(file, page + 10 + 2 * (first & 0xFF)) & 0x1FFF);

    ASSERT_NE(le32(file, row), first);
    QByteArray looped = file;
    qToLittleEndian<std::uint32_t>(first, looped.data() + row);
    const QString read = biographies(files.writeFile("looped.mdb", looped)).at(1);
    EXPECT_EQ(read.size(), 5000);
    EXPECT_EQ(read.count(QChar(0x0E01)), 5000);

    QByteArray lost = file;
    qToLittleEndian<std::uint32_t>(0xFFFFFF00, lost.data() + header + 4);
    EXPECT_EQ(biographies(files.writeFile("lost.mdb", lost)).at(1), QString());
}

}  // namespace
}  // namespace kinmora
