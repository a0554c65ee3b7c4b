// The memo texts of an open file, kept once: a table holds a memo's number,
// so record sets share the text instead of copying it.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kinmora {

class MemoStore {
public:
    // Keeps `text` and returns its number.
    std::int64_t add(QString text) {
        m_texts.push_back(std::move(text));
        return static_cast<std::int64_t>(m_texts.size() - 1);
    }
    // The text numbered `n`, or nullptr when no text has that number.
    const QString* find(std::int64_t n) const {
        return n >= 0 && static_cast<std::size_t>(n) < m_texts.size() ? &m_texts[n] : nullptr;
    }

private:
    std::vector<QString> m_texts;
};

}  // namespace kinmora
