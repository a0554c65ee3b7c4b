// Dates and long texts as a GEDCOM reader must see them: no piece too long, no
// Thai cluster torn apart, no space lost at a cut, every "@" doubled.
#include "export/gedcom_text.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "data/jet_date.h"

namespace kinmora {
namespace {

struct Piece {
    QString tag;
    QString value;
};

std::vector<Piece> pieces(const QByteArray& out) {
    std::vector<Piece> result;
    for (const QString& line :
         QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList words = line.split(QLatin1Char(' '));
        result.push_back({words[1], line.section(QLatin1Char(' '), 2)});
    }
    return result;
}

// Joins pieces back as a reader does: CONT starts a line, CONC goes on.
QString joined(const std::vector<Piece>& ps) {
    QString text;
    for (const Piece& p : ps)
        text += (p.tag == QLatin1String("CONT") ? QStringLiteral("\n") : QString()) + p.value;
    return text.replace(QLatin1String("@@"), QLatin1String("@"));
}

TEST(GedcomTextTest, DatesDropTheTimeOfDay) {
    const auto at = [](int y, int m, int d, int hour) {
        return GedcomText::date(jetDateFromDateTime(QDateTime(QDate(y, m, d), QTime(hour, 30))));
    };
    EXPECT_EQ(at(1880, 2, 8, 23), QStringLiteral("8 FEB 1880"));
    EXPECT_EQ(at(1899, 12, 29, 6), QStringLiteral("29 DEC 1899"));  // before day 0
    EXPECT_EQ(at(2024, 12, 31, 0), QStringLiteral("31 DEC 2024"));
}

TEST(GedcomTextTest, LineBreaksOfEveryKindStartContLines) {
    QByteArray out;
    GedcomText::appendText(out, 1, "NOTE", QStringLiteral("หนึ่ง\r\nสอง\rสาม\n\nห้า"));
    EXPECT_EQ(out,
              QStringLiteral("1 NOTE หนึ่ง\n2 CONT สอง\n2 CONT สาม\n2 CONT\n2 CONT ห้า\n").toUtf8());
}

TEST(GedcomTextTest, LongLinesAreCutBetweenClustersAndAwayFromSpaces) {
    const QString words[] = {QStringLiteral("ผู้ใหญ่บ้าน"), QStringLiteral("น้ำท่วม"),
                             QStringLiteral("ที่ดิน"), QStringLiteral("สวนลำไย")};
    QString spaced;
    for (int i = 0; spaced.size() < 1200; ++i)
        spaced += words[i % 4] + (i % 7 == 0 ? QStringLiteral("  ") : QStringLiteral(" "));
    QString unspaced;
    while (unspaced.size() < 700) unspaced += QStringLiteral("กี่ปั้น");
    const QString ats(301, QLatin1Char('@'));

    for (const QString& text : {spaced, unspaced, ats, QStringLiteral("@") + spaced}) {
        QByteArray out;
        GedcomText::appendText(out, 1, "NOTE", text);
        const std::vector<Piece> ps = pieces(out);
        ASSERT_GT(ps.size(), 2u);
        EXPECT_EQ(joined(ps), text);
        for (std::size_t i = 0; i < ps.size(); ++i) {
            const QString& v = ps[i].value;
            EXPECT_EQ(ps[i].tag, i == 0 ? QStringLiteral("NOTE") : QStringLiteral("CONC"));
            EXPECT_LE(v.size(), GedcomText::kMaxPiece);
            EXPECT_FALSE(v.front().isMark() || v.front() == QChar(0x0E33))
                << "piece " << i << " starts inside a cluster";
            EXPECT_EQ(v.count(QLatin1Char('@')) % 2, 0) << "an @@ pair is cut";
            if (text == spaced) {  // the cuts, not the text's own ends
                EXPECT_FALSE(i > 0 && v.front().isSpace()) << "piece " << i;
                EXPECT_FALSE(i + 1 < ps.size() && v.back().isSpace()) << "piece " << i;
            }
        }
    }
}

TEST(GedcomTextTest, OneLineValuesHoldNoLineBreak) {
    EXPECT_EQ(GedcomText::oneLine(QStringLiteral("สม\nชาย@บ้าน\r\tก")),
              QStringLiteral("สม ชาย@@บ้าน \tก"));
}

}  // namespace
}  // namespace kinmora
