// A cursor over the rows of one query: move first and next, test the end,
// count, find the first row matching a criterion, and read fields by name.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "data/criterion.h"
#include "data/result_table.h"
#include "data/value.h"

namespace kinmora {

class RecordSet {
public:
    // An open record set standing on the first row of `rows` (past the end when there is none).
    explicit RecordSet(std::shared_ptr<const ResultTable> rows);

    // Moves to the first row. Throws FamilyFileError (BadQuery) when there is no row.
    void first();
    // Moves to the next row, or past the last one. Throws FamilyFileError (BadQuery) when already
    // past the end.
    void next();
    // True once the position has passed the last row (and for an empty result).
    bool atEnd() const;
    // The number of rows; above 0 exactly when the result has a row.
    int recordCount() const;

    // Makes current the first row, in the record set's order, that satisfies
    // `criterion` and returns true; when none does, returns false and the
    // current row stays where it was. Throws FamilyFileError (BadQuery) for a
    // criterion that names no field of the rows.
    bool findFirst(const Criterion& criterion);

    // The value of field `name` (any letter case) on the current row; it may
    // be Null. Throws FamilyFileError (BadQuery) when there is no current row or no such field.
    Value field(const QString& name) const;
    // The position of field `name` (any letter case), or -1.
    int fieldIndex(const QString& name) const;
    // The value at a field position on the current row; throws as field()
    // does, and for a position the rows do not have.
    Value value(int index) const;

    // Releases the rows; every later use throws FamilyFileError (BadQuery).
    void close();
    bool isOpen() const { return m_rows != nullptr; }

private:
    const ResultTable& rows() const;
    std::optional<int> indexedFind(int column, const Value& literal);

    std::shared_ptr<const ResultTable> m_rows;
    int m_position = 0;
    // Finds on the shared person record set run thousands of times per
    // chart, a few times for a small one. A column's first finds scan its
    // rows; then, as the scans have cost about what an index costs to make,
    // the column is indexed. An index is a sorted array, made in one pass
    // and one sort, with no allocation per row.
    static constexpr int kScansBeforeIndex = 4;
    struct ColumnIndex {
        int scans = 0;  // finds answered by a scan before the index was made
        bool made = false;
        bool usable = true;
        // (hash of the case-folded text, row), in order: rows with the same
        // hash stand together, the first row first.
        std::vector<std::pair<std::size_t, int>> texts;
        std::vector<std::pair<std::int64_t, int>> numbers;  // (whole number, row), in order
    };
    std::optional<int> textFind(const ColumnIndex& index, int column, const QString& text) const;
    std::unordered_map<int, ColumnIndex> m_indexes;
};

}  // namespace kinmora
