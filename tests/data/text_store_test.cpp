// Tokens stand for their texts, and order by them is Thai order, ties included.
#include "data/text_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/sort_key_maker.h"
#include "data/thai_collation.h"

namespace kinmora {
namespace {

int sign(int n) {
    return (n > 0) - (n < 0);
}

std::string token(TextStore& store, const QString& text) {
    const TextStore::Token t = TextStore::tokenOf(store.add(text));
    return std::string(t.begin(), t.end());
}

TEST(TextStoreTest, TokensStandForTheirTextsAndNothingElseAsTheStoreGrows) {
    TextStore store;
    const std::string a(token(store, QStringLiteral("สมชาย")));
    const std::string b(token(store, QStringLiteral("สมศรี")));
    EXPECT_EQ(token(store, QStringLiteral("สมชาย")), a);
    EXPECT_NE(a, b);
    EXPECT_EQ(store.size(), 2u);
    ASSERT_TRUE(store.text(a));
    EXPECT_EQ(*store.text(b), QStringLiteral("สมศรี"));
    // No token holds a zero byte, so SQLite and C strings keep it whole.
    EXPECT_EQ(a.find('\0'), std::string::npos);
    // Plain texts, short or of a token's length, are no tokens.
    for (const QString& plain :
         {QString(), QStringLiteral("abcde"), QStringLiteral("ก"), QStringLiteral("กขค")})
        EXPECT_FALSE(store.text(plain.toStdString())) << plain.toStdString();
    std::string unknown = a;
    unknown[4] = static_cast<char>(0xFF);  // a number the store never gave
    EXPECT_FALSE(store.text(unknown));

    // Every text keeps its token as the store grows.
    const auto name = [](int i) { return QStringLiteral("ชื่อ%1").arg(i); };
    std::vector<std::string> tokens;
    for (int i = 0; i < 5000; ++i) tokens.emplace_back(token(store, name(i)));
    for (int i = 0; i < 5000; i += 7) {
        EXPECT_EQ(token(store, name(i)), tokens[i]);
        ASSERT_TRUE(store.text(tokens[i]));
        EXPECT_EQ(*store.text(tokens[i]), name(i));
    }
    EXPECT_EQ(store.size(), 5002u);
}

TEST(TextStoreTest, TokensCompareAsTheirTextsInThaiOrder) {
    const QStringList names = {
        QStringLiteral("ไก่"),    QStringLiteral("กมล"),  QStringLiteral("Carol"),
        QStringLiteral("ขวัญ"),   QStringLiteral("เกศ"),  QStringLiteral("alice"),
        QStringLiteral("Alice"), QStringLiteral("bob"),  QStringLiteral("แก้ว"),
        QStringLiteral(""),      QStringLiteral("กมลา"), QStringLiteral("โก๋")};
    TextStore store;
    std::vector<std::string> tokens;
    for (const QString& name : names.mid(0, 6)) tokens.emplace_back(token(store, name));
    // The first comparison places the texts; texts that come later are placed again.
    EXPECT_NE(store.compare(tokens[0], tokens[1]), 0);
    for (const QString& name : names.mid(6)) tokens.emplace_back(token(store, name));
    const QCollator thai = ThaiCollation::collator();
    for (int i = 0; i < names.size(); ++i)
        for (int j = 0; j < names.size(); ++j) {
            const int expected = sign(thai.compare(names[i], names[j]));
            EXPECT_EQ(sign(store.compare(tokens[i], tokens[j])), expected)
                << names[i].toStdString() << " against " << names[j].toStdString();
            // A query's literal against a stored text compares the same way.
            EXPECT_EQ(sign(store.compare(tokens[i], names[j].toStdString())), expected);
            EXPECT_EQ(sign(store.compare(names[i].toStdString(), tokens[j])), expected);
        }
    EXPECT_EQ(store.compare(tokens[5], tokens[6]), 0);  // alice and Alice tie
}

// The caller of order() keys the last batches while the maker's thread keys
// the first ones; every text must come in its place all the same.
TEST(SortKeyMakerTest, OrdersEveryTextWhicheverThreadKeyedIt) {
    SortKeyMaker maker;
    QStringList texts;
    for (int i = 0; i < 10000; ++i) texts << QStringLiteral("ชื่อ%1").arg(i * 7919 % 10000);
    for (const QString& text : texts) maker.add(text);
    const std::vector<std::uint32_t>& order = maker.order();
    ASSERT_EQ(order.size(), 10000u);
    const QCollator thai = ThaiCollation::collator();
    for (std::size_t i = 1; i < order.size(); ++i)
        ASSERT_LT(thai.compare(texts[order[i - 1]], texts[order[i]]), 0) << i;
}

}  // namespace
}  // namespace kinmora
