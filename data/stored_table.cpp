// The indexes are sorted arrays made in one pass and one sort when a column
// is first looked up: a chart's few hundred queries then each cost a binary
// search, and a file opened only to be searched never pays for them.
#include "data/stored_table.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "data/text_store.h"

namespace kinmora {
namespace {

// The whole number a cell equals under SQLite's =, if any.
std::optional<std::int64_t> wholeNumber(const SqlCell& cell) {
    if (cell.kind == SqlCell::Kind::Integer) return cell.integer;
    if (cell.kind == SqlCell::Kind::Real && std::trunc(cell.real) == cell.real &&
        std::abs(cell.real) < 9.2e18)
        return static_cast<std::int64_t>(cell.real);
    return std::nullopt;
}

// -1, 0 or 1 as `a` comes before, with or after `b` in an index: Null first,
// then numbers by value, then texts (by their number: a column of numbers
// holds a text only in a damaged file).
int compareInIndex(const SqlCell& a, const SqlCell& b) {
    const auto rank = [](const SqlCell& c) {
        return c.kind == SqlCell::Kind::Null ? 0 : c.kind == SqlCell::Kind::Text ? 2 : 1;
    };
    if (rank(a) != rank(b)) return rank(a) < rank(b) ? -1 : 1;
    switch (rank(a)) {
        case 0:
            return 0;
        case 2:
            return a.text < b.text ? -1 : a.text > b.text;
        default:
            break;
    }
    if (a.kind == SqlCell::Kind::Integer && b.kind == SqlCell::Kind::Integer)
        return a.integer < b.integer ? -1 : a.integer > b.integer;
    const double x = a.kind == SqlCell::Kind::Integer ? static_cast<double>(a.integer) : a.real;
    const double y = b.kind == SqlCell::Kind::Integer ? static_cast<double>(b.integer) : b.real;
    return x < y ? -1 : x > y;
}

}  // namespace

void StoredTable::addIndex(std::vector<std::size_t> columns) {
    if (columns.empty()) return;
    m_numberIndexes.erase(columns.front());
    m_indexColumns[columns.front()] = std::move(columns);
}

StoredTable::StoredTable(TableSchema schema)
    : m_schema(std::move(schema)), m_width(m_schema.columns.size()), m_kinds(m_width, 0) {}

void StoredTable::append(std::span<const SqlCell> row) {
    for (std::size_t i = 0; i < m_width; ++i)
        m_kinds[i] |=
            1u << static_cast<unsigned>(i < row.size() ? row[i].kind : SqlCell::Kind::Null);
    m_cells.insert(m_cells.end(), row.begin(), row.end());
    m_cells.resize((m_rowCount + 1) * m_width);  // a short row reads Null at its end
    ++m_rowCount;
}

std::span<const std::uint32_t> StoredTable::rowsEqualTo(std::size_t column, std::int64_t n) const {
    auto it = m_numberIndexes.find(column);
    if (it == m_numberIndexes.end()) {
        std::vector<std::pair<std::int64_t, std::uint32_t>> pairs;
        pairs.reserve(m_rowCount);
        for (std::size_t row = 0; row < m_rowCount; ++row)
            if (const std::optional<std::int64_t> v = wholeNumber(cell(row, column)))
                pairs.emplace_back(*v, static_cast<std::uint32_t>(row));
        const auto declared = m_indexColumns.find(column);
        if (declared == m_indexColumns.end()) {
            std::sort(pairs.begin(), pairs.end());
        } else {
            const std::vector<std::size_t>& then = declared->second;
            std::sort(pairs.begin(), pairs.end(), [&](const auto& a, const auto& b) {
                if (a.first != b.first) return a.first < b.first;
                for (std::size_t i = 1; i < then.size(); ++i)
                    if (const int c =
                            compareInIndex(cell(a.second, then[i]), cell(b.second, then[i])))
                        return c < 0;
                return a.second < b.second;
            });
        }
        NumberIndex index;
        index.numbers.reserve(pairs.size());
        index.rows.reserve(pairs.size());
        for (const auto& [number, row] : pairs) {
            index.numbers.push_back(number);
            index.rows.push_back(row);
        }
        it = m_numberIndexes.emplace(column, std::move(index)).first;
    }
    const NumberIndex& index = it->second;
    const auto [first, last] = std::equal_range(index.numbers.begin(), index.numbers.end(), n);
    return {index.rows.data() + (first - index.numbers.begin()),
            static_cast<std::size_t>(last - first)};
}

std::optional<std::size_t> StoredTable::nextIndexColumn(std::size_t column) const {
    const auto it = m_indexColumns.find(column);
    if (it == m_indexColumns.end() || it->second.size() < 2) return std::nullopt;
    return it->second[1];
}

std::span<const std::uint32_t> StoredTable::rowsEqualTo(std::size_t column, std::int64_t n,
                                                        std::int64_t m) const {
    const std::span<const std::uint32_t> rows = rowsEqualTo(column, n);
    const std::optional<std::size_t> next = nextIndexColumn(column);
    if (!next) return rows;
    // The index orders these rows by the next column, as compareInIndex does.
    const SqlCell wanted = SqlCell::ofInteger(m);
    const auto first = std::partition_point(rows.begin(), rows.end(), [&](std::uint32_t row) {
        return compareInIndex(cell(row, *next), wanted) < 0;
    });
    const auto last = std::partition_point(first, rows.end(), [&](std::uint32_t row) {
        return compareInIndex(cell(row, *next), wanted) == 0;
    });
    return rows.subspan(static_cast<std::size_t>(first - rows.begin()),
                        static_cast<std::size_t>(last - first));
}

const std::vector<std::uint32_t>* StoredTable::rowsOrderedBy(std::size_t column,
                                                             TextStore& texts) const {
    auto it = m_orders.find(column);
    if (it == m_orders.end()) {
        std::optional<std::vector<std::uint32_t>> order;
        // (place, row) with Null at place 0, so that one sort of plain numbers does it.
        std::vector<std::uint64_t> keys;
        keys.reserve(m_rowCount);
        bool textsOnly = true;
        for (std::size_t row = 0; row < m_rowCount && textsOnly; ++row) {
            const SqlCell& c = cell(row, column);
            if (c.kind == SqlCell::Kind::Null)
                keys.push_back(row);
            else if (c.kind == SqlCell::Kind::Text)
                keys.push_back((std::uint64_t{texts.placeOf(c.text)} + 1) << 32 | row);
            else
                textsOnly = false;
        }
        if (textsOnly) {
            std::sort(keys.begin(), keys.end());
            order.emplace(keys.size());
            std::transform(keys.begin(), keys.end(), order->begin(),
                           [](std::uint64_t key) { return static_cast<std::uint32_t>(key); });
        }
        it = m_orders.emplace(column, std::move(order)).first;
    }
    return it->second ? &*it->second : nullptr;
}

}  // namespace kinmora
