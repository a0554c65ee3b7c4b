// The values of a query's rows, appended in chunks that never move: a
// chart's small results take one small block, the person record set's
// hundreds of thousands of values a few large ones.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "data/value.h"

namespace kinmora {

class CellStore {
public:
    CellStore() = default;
    CellStore(std::initializer_list<Value> values) {
        for (const Value& value : values) push_back(value);
    }

    void push_back(Value value) {
        if (m_chunks.empty() || m_chunks.back().size() == kChunk) {
            m_chunks.emplace_back();
            // The first chunk grows as needed; later ones are known to fill.
            if (m_chunks.size() > 1) m_chunks.back().reserve(kChunk);
        }
        m_chunks.back().push_back(std::move(value));
        ++m_size;
    }
    const Value& operator[](std::size_t i) const { return m_chunks[i / kChunk][i % kChunk]; }
    std::size_t size() const { return m_size; }

private:
    static constexpr std::size_t kChunk = 4096;
    std::vector<std::vector<Value>> m_chunks;
    std::size_t m_size = 0;
};

}  // namespace kinmora
