// Frames between the reader and the program: what is encoded comes back
// whole however the bytes are cut, and a damaged frame is refused, in memory.
#include "data/frame_codec.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/qt_printers.h"
#include "support/table_lines.h"

namespace kinmora {
namespace {

using Lines = testing::TableLines;

QByteArray encodedTable() {
    QByteArray bytes;
    FrameEncoder out([&](const QByteArray& batch) { bytes += batch; });
    out.beginTable({QStringLiteral("family"),
                    {{QStringLiteral("code"), ColumnType::Integer},
                     {QStringLiteral("ชื่อ"), ColumnType::Text},
                     {QStringLiteral("born"), ColumnType::Date}}});
    const Value rows[][3] = {
        {Value::integer(-7), Value::text(QStringLiteral("สมชาย")), Value::date(JetDate{2.25})},
        {Value::null(), Value::text(QString()), Value::boolean(true)},
        {Value::real(2.5), Value::text(QString(70000, QChar(0x0E01))), Value::null()},
    };
    for (const auto& row : rows) out.row(row);
    out.endTable();
    out.missingTable(QStringLiteral("married"));
    out.done();
    out.flush();
    return bytes;
}

QByteArray frame(const QByteArray& body) {
    const auto length = static_cast<std::uint32_t>(body.size());
    return QByteArray(reinterpret_cast<const char*>(&length), sizeof length) + body;
}

TEST(FrameCodec, TablesComeBackWholeHoweverTheBytesAreCut) {
    const QByteArray bytes = encodedTable();
    Lines whole;
    FrameDecoder all(QStringLiteral("f.mdb"), whole);
    all.feed(bytes.constData(), bytes.size());
    EXPECT_TRUE(all.finished());
    ASSERT_EQ(whole.lines.size(), 5);
    EXPECT_EQ(whole.lines[0], QStringLiteral("family|code:1,ชื่อ:4,born:3"));
    EXPECT_EQ(whole.lines[1], QStringLiteral("2=-7|4=สมชาย|5=1900-01-01T06:00:00Z"));
    EXPECT_EQ(whole.lines[2], QStringLiteral("0=|4=|1=True"));

    for (const int step : {1, 3, 4096}) {
        Lines pieces;
        FrameDecoder decoder(QStringLiteral("f.mdb"), pieces);
        for (qsizetype at = 0; at < bytes.size(); at += step)
            decoder.feed(bytes.constData() + at,
                         static_cast<std::size_t>(std::min<qsizetype>(step, bytes.size() - at)));
        EXPECT_TRUE(decoder.finished());
        EXPECT_EQ(pieces.lines, whole.lines) << "step " << step;
    }
}

// The reader's error is its last word: it ends the frames, keeps its kind
// and reason, and nothing after it counts.
TEST(FrameCodec, TheReadersErrorEndsTheFrames) {
    QByteArray bytes;
    FrameEncoder out([&](const QByteArray& batch) { bytes += batch; });
    out.error(FamilyFileError::Kind::PasswordWrong, QStringLiteral("รหัสผ่านไม่ถูก"));
    out.flush();
    bytes += frame("?");
    Lines sink;
    FrameDecoder decoder(QStringLiteral("f.mdb"), sink);
    decoder.feed(bytes.constData(), bytes.size());
    EXPECT_TRUE(decoder.finished());
    ASSERT_TRUE(decoder.readerError());
    EXPECT_EQ(decoder.readerError()->kind(), FamilyFileError::Kind::PasswordWrong);
    EXPECT_EQ(decoder.readerError()->reason(), QStringLiteral("รหัสผ่านไม่ถูก"));
    EXPECT_EQ(decoder.readerError()->path(), QStringLiteral("f.mdb"));
}

TEST(FrameCodec, DamagedFramesAreRefused) {
    const QByteArray table = encodedTable();
    std::uint32_t firstLength = 0;
    std::memcpy(&firstLength, table.constData(), sizeof firstLength);
    const QByteArray begin = table.left(4 + firstLength);
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"unknown frame type", frame("?")},
        {"empty frame", frame({})},
        {"row before any table", frame("R")},
        {"end before any table", frame("E")},
        {"row longer than its columns", begin + frame(QByteArray("R") + QByteArray(4, '\0'))},
        {"unknown value kind", begin + frame(QByteArray("R") + QByteArray(2, '\0') + '\x09')},
        {"text longer than its frame", begin + frame(QByteArray("R") + QByteArray(2, '\0') +
                                                     '\x04' + QByteArray("\xff\xff\xff\x7f", 4))},
        {"done inside a table", begin + frame("D")},
        {"unknown error kind", frame(QByteArray("X") + '\x7f' + QByteArray(4, '\0'))},
    };
    for (const Case& c : cases) {
        Lines sink;
        FrameDecoder decoder(QStringLiteral("f.mdb"), sink);
        try {
            decoder.feed(c.bytes.constData(), c.bytes.size());
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const FamilyFileError& e) {
            EXPECT_EQ(e.kind(), FamilyFileError::Kind::Damaged) << c.what;
        }
    }
}

}  // namespace
}  // namespace kinmora
