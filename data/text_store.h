// The texts of an open file's text columns, each distinct text kept once and
// numbered: SQLite holds a short token for the number, so sorting by a name
// compares two numbers' places in Thai order instead of two texts.
#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>
#include <QString>
#include <array>
#include <climits>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/sort_key_maker.h"

namespace kinmora {

class TextStore {
public:
    TextStore();

    // The bytes SQLite holds for a text: a byte that no UTF-8 text holds
    // followed by four bytes of the text's number, so a token is never
    // mistaken for a text and never holds a zero byte.
    static constexpr std::size_t kTokenSize = 5;
    using Token = std::array<char, kTokenSize>;

    // The number of `text`, which is kept (once) if new. Throws
    // FamilyFileError (Damaged) past 2^28 distinct texts.
    std::uint32_t add(const QString& text);
    // Sets aside room for the sort keys of up to `more` new texts.
    void reserve(std::size_t more);
    // The token of the text numbered `n`.
    static Token tokenOf(std::uint32_t n);
    // The same token, kept by the store: SQLite reads it without a copy.
    const Token& storedToken(std::uint32_t n) const { return m_tokens[n]; }

    // The place of the text numbered `n` (below size()) in Thai order without
    // regard to Latin letter case; texts that sort alike share a place.
    std::uint32_t placeOf(std::uint32_t n);

    // The text numbered `n`, which must be below size().
    const QString& textOf(std::uint32_t n) const { return m_texts[n]; }

    // The number of the text a token stands for, or nothing when `bytes` is no token of this store.
    std::optional<std::uint32_t> number(std::string_view bytes) const;
    // The text a token stands for, or nothing when `bytes` is no token of this store.
    const QString* text(std::string_view bytes) const;

    // Negative, zero or positive as `a` sorts before, with or after `b` in
    // Thai order without regard to Latin letter case; each of `a` and `b` is
    // a token or plain UTF-8 text. Two tokens compare by their places, made
    // once for all texts (again after new texts came).
    int compare(std::string_view a, std::string_view b);

    std::size_t size() const { return static_cast<std::size_t>(m_texts.size()); }

private:
    static constexpr unsigned char kMark = 0xFF;  // never starts (or is) a UTF-8 character
    static constexpr std::uint32_t kMaxTexts = std::uint32_t{1} << 28;

    static std::optional<std::uint32_t> numberOf(std::string_view bytes);
    void rank();
    QCollatorSortKey keyOf(std::string_view bytes) const;

    // The slot of `text` in m_slots: where its number stands, or the empty slot it would take.
    std::size_t slotOf(const QString& text, std::size_t hash) const;
    void grow();

    QCollator m_collator;
    std::vector<QString> m_texts;
    std::vector<std::size_t> m_hashes;  // of each text, so growing hashes nothing again
    std::deque<Token> m_tokens;         // of each text; a deque never moves them
    // Open addressing over the texts' numbers (kEmpty where none), at most half full.
    static constexpr std::uint32_t kEmpty = UINT32_MAX;
    std::vector<std::uint32_t> m_slots;
    // Each text's place in Thai order; texts that sort alike share a place.
    std::vector<std::uint32_t> m_places;
    // Keys and sorts the texts while the file is read; retired, its keys
    // freed, once the places are known, and made again, for all texts, when
    // new texts come after that.
    std::unique_ptr<SortKeyMaker> m_keyMaker;
    SortKeyMaker& keyMaker();
};

}  // namespace kinmora
