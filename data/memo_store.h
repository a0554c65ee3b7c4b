// The memo texts of an open file, kept once: a table holds a memo's number,
// so record sets share the text instead of copying it. Thai and ASCII texts
// are kept packed, one byte a character.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "data/value.h"

namespace kinmora {

class MemoStore {
public:
    // Keeps `text` and returns its number.
    std::int64_t add(const QString& text) {
        std::optional<PackedText> packed = PackedText::pack(text);
        m_texts.push_back(packed ? Value::text(std::move(*packed)) : Value::text(text));
        return static_cast<std::int64_t>(m_texts.size() - 1);
    }
    void reserve(std::size_t more) { m_texts.reserve(m_texts.size() + more); }
    // The text numbered `n`, or nullptr when no text has that number.
    const Value* find(std::int64_t n) const {
        return n >= 0 && static_cast<std::size_t>(n) < m_texts.size() ? &m_texts[n] : nullptr;
    }

private:
    std::vector<Value> m_texts;
};

}  // namespace kinmora
