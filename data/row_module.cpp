// SQLite plans each query with the module's costs: an equality on a number
// column is a look-up in the stored table's index, ORDER BY a text column
// is the table's Thai order, anything else a scan. SQLite checks every
// condition on the rows it gets, so the module only narrows the rows down.
#include "data/row_module.h"

#include <QByteArray>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <span>

#include "data/sql_text.h"
#include "data/text_store.h"

namespace kinmora::row_module {
namespace {

struct Table : sqlite3_vtab {
    const StoredTable* stored = nullptr;
    TextStore* texts = nullptr;
    RowTrace* trace = nullptr;
};

struct Cursor : sqlite3_vtab_cursor {
    const StoredTable* stored = nullptr;
    // The rows to visit, or all of them in table order when empty and scanning.
    std::span<const std::uint32_t> rows;
    bool scan = false;
    std::size_t at = 0;

    std::size_t count() const { return scan ? stored->rowCount() : rows.size(); }
    std::size_t row() const { return scan ? at : rows[at]; }
};

// The query plan's number: 0 scans, 1 + c looks up column c, -1 - c visits
// the rows in the order of text column c.
constexpr int kScan = 0;

bool isNumberColumn(ColumnType type) {
    return type == ColumnType::Integer || type == ColumnType::Bool || type == ColumnType::Real ||
           type == ColumnType::Date;
}

int connect(sqlite3* db, void* aux, int argc, const char* const* argv, sqlite3_vtab** out,
            char** error) {
    auto& tables = *static_cast<StoredTables*>(aux);
    const long n = argc > 3 ? std::strtol(argv[3], nullptr, 10) : -1;
    if (n < 0 || static_cast<std::size_t>(n) >= tables.tables.size()) {
        *error = sqlite3_mprintf("no stored table %s", argc > 3 ? argv[3] : "given");
        return SQLITE_ERROR;
    }
    const StoredTable& stored = *tables.tables[static_cast<std::size_t>(n)];
    QString declaration = QStringLiteral("CREATE TABLE x(");
    const auto& columns = stored.schema().columns;
    for (std::size_t i = 0; i < columns.size(); ++i)
        declaration += (i ? QStringLiteral(", ") : QString()) + sql_text::quoted(columns[i].name) +
                       QLatin1Char(' ') + QLatin1String(sql_text::declaredType(columns[i].type));
    const int status =
        sqlite3_declare_vtab(db, (declaration + QLatin1Char(')')).toUtf8().constData());
    if (status != SQLITE_OK) {
        *error = sqlite3_mprintf("%s", sqlite3_errmsg(db));
        return status;
    }
    auto* table = new Table;
    table->stored = &stored;
    table->texts = tables.texts;
    table->trace = &tables.trace;
    *out = table;
    return SQLITE_OK;
}

int disconnect(sqlite3_vtab* table) {
    delete static_cast<Table*>(table);
    return SQLITE_OK;
}

// The first usable = on `column`, or -1.
int equalityOn(const sqlite3_index_info* info, int column) {
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& constraint = info->aConstraint[i];
        if (constraint.usable && constraint.op == SQLITE_INDEX_CONSTRAINT_EQ &&
            constraint.iColumn == column)
            return i;
    }
    return -1;
}

int bestIndex(sqlite3_vtab* vtab, sqlite3_index_info* info) {
    const auto& table = *static_cast<Table*>(vtab);
    const auto& columns = table.stored->schema().columns;
    const auto rows = static_cast<double>(table.stored->rowCount());
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& constraint = info->aConstraint[i];
        if (!constraint.usable || constraint.op != SQLITE_INDEX_CONSTRAINT_EQ ||
            constraint.iColumn < 0 ||
            !isNumberColumn(columns[static_cast<std::size_t>(constraint.iColumn)].type))
            continue;
        // A = on the next column of the same index narrows the look-up to one
        // couple's rows, not every row with one parent unknown.
        const std::optional<std::size_t> next =
            table.stored->nextIndexColumn(static_cast<std::size_t>(constraint.iColumn));
        const int second = next ? equalityOn(info, static_cast<int>(*next)) : -1;
        info->aConstraintUsage[i].argvIndex = 1;
        if (second >= 0) info->aConstraintUsage[second].argvIndex = 2;
        info->idxNum = 1 + constraint.iColumn;
        info->estimatedCost = (second >= 0 ? 5.0 : 10.0) + std::log2(rows + 1.0);
        info->estimatedRows = second >= 0 ? 2 : 10;
        return SQLITE_OK;
    }
    info->idxNum = kScan;
    info->estimatedCost = 10.0 + rows;
    info->estimatedRows = static_cast<sqlite3_int64>(rows);
    if (info->nOrderBy == 1 && !info->aOrderBy[0].desc && info->aOrderBy[0].iColumn >= 0 &&
        columns[static_cast<std::size_t>(info->aOrderBy[0].iColumn)].type == ColumnType::Text &&
        table.stored->rowsOrderedBy(static_cast<std::size_t>(info->aOrderBy[0].iColumn),
                                    *table.texts)) {
        info->idxNum = -1 - info->aOrderBy[0].iColumn;
        info->orderByConsumed = 1;
    }
    return SQLITE_OK;
}

int open(sqlite3_vtab* vtab, sqlite3_vtab_cursor** out) {
    auto* cursor = new Cursor;
    cursor->stored = static_cast<Table*>(vtab)->stored;
    *out = cursor;
    return SQLITE_OK;
}

int close(sqlite3_vtab_cursor* cursor) {
    delete static_cast<Cursor*>(cursor);
    return SQLITE_OK;
}

// The whole number an argument of = stands for; nothing for Null (which
// equals nothing), and a scan for anything else, where SQLite's own
// comparison decides.
std::optional<std::int64_t> wholeNumber(sqlite3_value* value) {
    switch (sqlite3_value_numeric_type(value)) {
        case SQLITE_INTEGER:
            return sqlite3_value_int64(value);
        case SQLITE_FLOAT: {
            const double d = sqlite3_value_double(value);
            if (std::trunc(d) == d && std::abs(d) < 9.2e18) return static_cast<std::int64_t>(d);
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

int filter(sqlite3_vtab_cursor* base, int plan, const char*, int argc, sqlite3_value** argv) {
    auto& cursor = *static_cast<Cursor*>(base);
    const auto& table = *static_cast<Table*>(base->pVtab);
    cursor.at = 0;
    cursor.scan = false;
    cursor.rows = {};
    if (plan > 0 && argc >= 1) {
        for (int i = 0; i < argc; ++i)
            if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return SQLITE_OK;
        const auto column = static_cast<std::size_t>(plan - 1);
        // A second value that is no whole number is left for SQLite to check.
        const std::optional<std::int64_t> m = argc == 2 ? wholeNumber(argv[1]) : std::nullopt;
        if (const std::optional<std::int64_t> n = wholeNumber(argv[0])) {
            cursor.rows = m ? cursor.stored->rowsEqualTo(column, *n, *m)
                            : cursor.stored->rowsEqualTo(column, *n);
            return SQLITE_OK;
        }
    } else if (plan < 0) {
        if (const auto* order =
                cursor.stored->rowsOrderedBy(static_cast<std::size_t>(-1 - plan), *table.texts)) {
            cursor.rows = *order;
            return SQLITE_OK;
        }
    }
    cursor.scan = true;
    return SQLITE_OK;
}

int next(sqlite3_vtab_cursor* cursor) {
    ++static_cast<Cursor*>(cursor)->at;
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor* base) {
    const auto& cursor = *static_cast<Cursor*>(base);
    return cursor.at >= cursor.count();
}

int column(sqlite3_vtab_cursor* base, sqlite3_context* context, int column) {
    const auto& cursor = *static_cast<Cursor*>(base);
    const auto& table = *static_cast<const Table*>(base->pVtab);
    table.trace->read(cursor.stored, cursor.row(), column);
    const SqlCell& cell = cursor.stored->cell(cursor.row(), static_cast<std::size_t>(column));
    switch (cell.kind) {
        case SqlCell::Kind::Null:
            sqlite3_result_null(context);
            break;
        case SqlCell::Kind::Integer:
            sqlite3_result_int64(context, cell.integer);
            break;
        case SqlCell::Kind::Real:
            sqlite3_result_double(context, cell.real);
            break;
        case SqlCell::Kind::Text: {
            const TextStore::Token& token = table.texts->storedToken(cell.text);
            sqlite3_result_text(context, token.data(), static_cast<int>(token.size()),
                                SQLITE_STATIC);
            break;
        }
    }
    return SQLITE_OK;
}

int rowid(sqlite3_vtab_cursor* base, sqlite3_int64* out) {
    const auto& cursor = *static_cast<Cursor*>(base);
    *out = static_cast<sqlite3_int64>(cursor.row()) + 1;
    return SQLITE_OK;
}

sqlite3_module makeModule() {
    sqlite3_module m{};
    m.iVersion = 1;
    m.xCreate = connect;
    m.xConnect = connect;
    m.xBestIndex = bestIndex;
    m.xDisconnect = disconnect;
    m.xDestroy = disconnect;
    m.xOpen = open;
    m.xClose = close;
    m.xFilter = filter;
    m.xNext = next;
    m.xEof = eof;
    m.xColumn = column;
    m.xRowid = rowid;
    return m;
}

const sqlite3_module kModule = makeModule();

}  // namespace

void install(sqlite3* db, StoredTables& tables) {
    sqlite3_create_module(db, kName, &kModule, &tables);
}

}  // namespace kinmora::row_module
