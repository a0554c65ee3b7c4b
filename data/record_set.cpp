// Record sets hold their rows in memory, so cursors are independent and a
// find is a look-up in a per-column index built on first use.
#include "data/record_set.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "data/criterion.h"
#include "data/family_file_error.h"

namespace kinmora {
namespace {

FamilyFileError misuse(const QString& reason) {
    return FamilyFileError(FamilyFileError::Kind::BadQuery, reason);
}

// The hash of a text's case-folded form. ASCII and Thai, nearly every name,
// fold as they are hashed; other texts go through QString::toCaseFolded,
// whose folding may change a text's length.
std::size_t foldedHash(QStringView text) {
    constexpr std::uint64_t kBasis = 14695981039346656037ull;
    std::uint64_t h = kBasis;
    const auto mix = [&h](char16_t u) { h = (h ^ u) * 1099511628211ull; };
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80 && (u < 0x0E00 || u > 0x0E7F)) {
            h = kBasis;
            for (const QChar f : text.toString().toCaseFolded()) mix(f.unicode());
            return h;
        }
        mix(u >= 'A' && u <= 'Z' ? static_cast<char16_t>(u + ('a' - 'A')) : u);
    }
    return h;
}

}  // namespace

RecordSet::RecordSet(std::shared_ptr<const ResultTable> rows) : m_rows(std::move(rows)) {}

const ResultTable& RecordSet::rows() const {
    if (!m_rows) throw misuse(QStringLiteral("the record set is closed"));
    return *m_rows;
}

void RecordSet::first() {
    if (rows().rowCount() == 0)
        throw misuse(QStringLiteral("no current record: the record set is empty"));
    m_position = 0;
}

void RecordSet::next() {
    if (atEnd())
        throw misuse(QStringLiteral("no current record: the record set is past its last row"));
    ++m_position;
}

bool RecordSet::atEnd() const {
    return m_position >= rows().rowCount();
}

int RecordSet::recordCount() const {
    return rows().rowCount();
}

int RecordSet::fieldIndex(const QString& name) const {
    const QStringList& columns = rows().columns;
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

Value RecordSet::value(int index) const {
    if (atEnd()) throw misuse(QStringLiteral("no current record"));
    const ResultTable& table = rows();
    if (index < 0 || index >= table.columns.size())
        throw misuse(QStringLiteral("no field at position %1").arg(index));
    return table.at(m_position, index);
}

Value RecordSet::field(const QString& name) const {
    const int index = fieldIndex(name);
    if (index < 0) throw misuse(QStringLiteral("no field named \"%1\"").arg(name));
    return value(index);
}

bool RecordSet::findFirst(const Criterion& criterion) {
    const int column = fieldIndex(criterion.field);
    if (column < 0)
        throw misuse(QStringLiteral("the find criterion \"%1\" names no field of the record set")
                         .arg(criterion.text()));
    std::optional<int> found = indexedFind(column, criterion.literal);
    if (!found) {
        const ResultTable& table = rows();
        for (int row = 0; row < table.rowCount(); ++row)
            if (criterion.matches(table.at(row, column))) {
                found = row;
                break;
            }
    } else if (*found < 0) {
        found.reset();
    }
    if (found) m_position = *found;
    return found.has_value();
}

// The row found through the column's index: a row number, -1 for a sure
// miss, or nothing when the index cannot answer, or is not made yet, and the
// rows must be scanned.
std::optional<int> RecordSet::indexedFind(int column, const Value& literal) {
    const ResultTable& table = rows();
    ColumnIndex& index = m_indexes[column];
    if (!index.made && index.scans < kScansBeforeIndex) {
        ++index.scans;
        return std::nullopt;
    }
    if (!index.made) {
        index.made = true;
        for (int row = 0; row < table.rowCount() && index.usable; ++row) {
            if (const QString* text = table.storedText(row, column)) {
                index.texts.emplace_back(foldedHash(*text), row);
                continue;
            }
            const Value v = table.at(row, column);
            switch (v.kind()) {
                case Value::Kind::Null:
                    break;
                case Value::Kind::Text:
                    index.texts.emplace_back(foldedHash(v.toText()), row);
                    break;
                case Value::Kind::Integer:
                    index.numbers.emplace_back(v.toInteger(INT64_MIN, INT64_MAX), row);
                    break;
                default:
                    index.usable = false;
            }
        }
        // Text and numbers mixed in one column compare across kinds: scan instead.
        if (!index.texts.empty() && !index.numbers.empty()) index.usable = false;
        if (index.usable) {
            std::sort(index.texts.begin(), index.texts.end());
            std::sort(index.numbers.begin(), index.numbers.end());
        } else {
            index.texts = {};
            index.numbers = {};
        }
    }
    if (!index.usable) return std::nullopt;
    if (literal.kind() == Value::Kind::Text) {
        if (!index.numbers.empty()) return std::nullopt;
        return textFind(index, column, literal.toText());
    }
    const double number = literal.toReal();
    if (!index.texts.empty() || std::trunc(number) != number || std::abs(number) > 9e15)
        return std::nullopt;
    const auto n = static_cast<std::int64_t>(number);
    const auto hit = std::lower_bound(index.numbers.begin(), index.numbers.end(),
                                      std::pair<std::int64_t, int>{n, INT_MIN});
    return hit != index.numbers.end() && hit->first == n ? hit->second : -1;
}

// Among the rows whose text has the literal's hash, in row order, the first
// whose text is the literal's, letter case aside.
std::optional<int> RecordSet::textFind(const ColumnIndex& index, int column,
                                       const QString& text) const {
    const QString folded = text.toCaseFolded();
    const std::size_t hash = foldedHash(text);
    for (auto hit = std::lower_bound(index.texts.begin(), index.texts.end(),
                                     std::pair<std::size_t, int>{hash, INT_MIN});
         hit != index.texts.end() && hit->first == hash; ++hit)
        if (rows().at(hit->second, column).toText().toCaseFolded() == folded) return hit->second;
    return -1;
}

void RecordSet::close() {
    m_rows.reset();
}

}  // namespace kinmora
