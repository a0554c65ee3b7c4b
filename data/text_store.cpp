// One ICU sort key per distinct text, made and sorted on the key maker's
// thread as the texts come: sorting 32,767 names then costs two array reads
// per comparison instead of two hash look-ups of whole texts.
#include "data/text_store.h"

#include "data/family_file_error.h"
#include "data/thai_collation.h"

namespace kinmora {

TextStore::TextStore() : m_collator(ThaiCollation::collator()) {}

std::size_t TextStore::slotOf(const QString& text, std::size_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t n = m_slots[slot];
        if (n == kEmpty || (m_hashes[n] == hash && m_texts[n] == text)) return slot;
    }
}

void TextStore::grow() {
    m_slots.assign(std::max<std::size_t>(m_slots.size() * 2, 1024), kEmpty);
    const std::size_t mask = m_slots.size() - 1;
    for (std::uint32_t n = 0; n < m_texts.size(); ++n) {
        std::size_t slot = m_hashes[n] & mask;
        while (m_slots[slot] != kEmpty) slot = (slot + 1) & mask;
        m_slots[slot] = n;
    }
}

std::uint32_t TextStore::add(const QString& text) {
    if (2 * (m_texts.size() + 1) > m_slots.size()) grow();
    const std::size_t hash = qHash(text);
    const std::size_t slot = slotOf(text, hash);
    std::uint32_t n = m_slots[slot];
    if (n == kEmpty) {
        if (m_texts.size() >= kMaxTexts)
            throw FamilyFileError(FamilyFileError::Kind::Damaged,
                                  QStringLiteral("holds more distinct texts than any family file"));
        SortKeyMaker& maker = keyMaker();  // made with the texts so far
        n = static_cast<std::uint32_t>(m_texts.size());
        m_texts.push_back(text);
        m_hashes.push_back(hash);
        m_tokens.push_back(tokenOf(n));
        m_slots[slot] = n;
        maker.add(text);
    }
    return n;
}

void TextStore::reserve(std::size_t more) {
    // Only the key maker's room: most texts of a file with namesakes are
    // repeats, and room set aside here would be memory the heap keeps.
    keyMaker().reserve(more);
}

TextStore::Token TextStore::tokenOf(std::uint32_t n) {
    // Seven bits a byte, the top bit set: no byte of a token is 0 or ASCII.
    Token token;
    token[0] = static_cast<char>(kMark);
    for (std::size_t i = 1; i < kTokenSize; ++i)
        token[i] = static_cast<char>(0x80 | ((n >> (7 * (kTokenSize - 1 - i))) & 0x7F));
    return token;
}

std::uint32_t TextStore::placeOf(std::uint32_t n) {
    if (m_places.size() != m_texts.size()) rank();
    return m_places[n];
}

std::optional<std::uint32_t> TextStore::numberOf(std::string_view bytes) {
    if (bytes.size() != kTokenSize || static_cast<unsigned char>(bytes[0]) != kMark)
        return std::nullopt;
    std::uint32_t n = 0;
    for (std::size_t i = 1; i < kTokenSize; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!(byte & 0x80)) return std::nullopt;
        n = (n << 7) | (byte & 0x7F);
    }
    return n;
}

std::optional<std::uint32_t> TextStore::number(std::string_view bytes) const {
    const std::optional<std::uint32_t> n = numberOf(bytes);
    return n && *n < m_texts.size() ? n : std::nullopt;
}

const QString* TextStore::text(std::string_view bytes) const {
    const std::optional<std::uint32_t> n = number(bytes);
    return n ? &m_texts[*n] : nullptr;
}

int TextStore::compare(std::string_view a, std::string_view b) {
    if (a == b) return 0;
    const std::optional<std::uint32_t> na = numberOf(a);
    const std::optional<std::uint32_t> nb = numberOf(b);
    if (na && nb && *na < m_texts.size() && *nb < m_texts.size()) {
        const std::uint32_t pa = placeOf(*na), pb = placeOf(*nb);
        return pa < pb ? -1 : pa > pb ? 1 : 0;
    }
    // A literal of a query against a stored text: rare, so compared directly.
    return keyOf(a).compare(keyOf(b));
}

QCollatorSortKey TextStore::keyOf(std::string_view bytes) const {
    if (const QString* stored = text(bytes)) return m_collator.sortKey(*stored);
    return m_collator.sortKey(
        QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

SortKeyMaker& TextStore::keyMaker() {
    if (!m_keyMaker || m_keyMaker->retired()) {
        m_keyMaker = std::make_unique<SortKeyMaker>();
        for (const QString& text : m_texts) m_keyMaker->add(text);
    }
    return *m_keyMaker;
}

void TextStore::rank() {
    SortKeyMaker& maker = keyMaker();
    const std::vector<std::uint32_t>& order = maker.order();
    m_places.assign(m_texts.size(), 0);
    std::uint32_t place = 0;
    for (std::size_t i = 1; i < order.size(); ++i) {
        if (maker.compare(order[i], order[i - 1]) != 0) ++place;
        m_places[order[i]] = place;
    }
    maker.retire();
}

}  // namespace kinmora
