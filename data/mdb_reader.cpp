// libmdb is reached only from here. Its handle reads from a read-only memory
// mapping of the file, and every failure it reports becomes a FamilyFileError.
#include "data/mdb_reader.h"

#include <mdbtools.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "data/code_page.h"
#include "data/cp874.h"
#include "data/family_file_error.h"
#include "data/thai_text_guess.h"

namespace kinmora {
namespace {

constexpr std::size_t kJet3PageSize = 2048;
constexpr std::size_t kJet4PageSize = 4096;

// Room for one converted value while rows are fetched: libmdb allocates this
// much for every text it converts, so it stays small; a memo that fills it is
// converted again with room for the longest memo (see longMemo).
constexpr std::size_t kBindSize = 16384;
// A memo of a megabyte of Thai text takes three megabytes in UTF-8.
constexpr std::size_t kLongMemoSize = std::size_t{4} << 20;

// Access dates run from the year 100 to 9999: about 2.96 million days either way.
constexpr double kMaxStoredDate = 3.0e6;

// Text is decoded in the code page chosen here; these variables would
// silently change that, or libmdb's own behaviour, for every file.
void clearLibmdbEnvironment() {
    ::unsetenv("MDB_JET3_CHARSET");
    ::unsetenv("MDBICONV");
    ::unsetenv("MDBOPTS");
}

// How many rows are sampled at most to tell Thai text from other text.
constexpr unsigned kMaxSampledRows = 100000;

ColumnType columnTypeOf(int mdbType) {
    switch (mdbType) {
    case MDB_BOOL:
        return ColumnType::Bool;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return ColumnType::Integer;
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return ColumnType::Real;
    case MDB_DATETIME:
        return ColumnType::Date;
    case MDB_TEXT:
        return ColumnType::Text;
    case MDB_MEMO:
        return ColumnType::Memo;
    default:
        return ColumnType::Other;
    }
}

int wholeNumberSize(int mdbType) {
    switch (mdbType) {
    case MDB_BYTE:
        return 1;
    case MDB_INT:
        return 2;
    case MDB_LONGINT:
        return 4;
    default:
        return 0;
    }
}

// Text from UTF-8. QString::fromUtf8 reserves a UTF-16 unit for every byte,
// three times what Thai needs; memos are kept for as long as the file is
// open, so they are trimmed to size.
QString compactText(QByteArrayView utf8) {
    QString text = QString::fromUtf8(utf8);
    if (text.capacity() > text.size() + 32)
        text.squeeze();
    return text;
}

// A value libmdb converted to text (currency, decimal numbers, and text it
// decodes itself). An empty text is how it passes Null: a family file keeps
// no empty string apart from Null.
Value valueOf(ColumnType type, const char* text, int length) {
    if (length <= 0)
        return Value::null();
    const QByteArray bytes = QByteArray::fromRawData(text, length);
    if (type != ColumnType::Real)
        return Value::text(code_page::maskControlCharacters(compactText(bytes)));
    bool ok = false;
    double d = bytes.toDouble(&ok);
    if (!ok)  // a locale's decimal comma
        d = QByteArray(bytes).replace(',', '.').toDouble(&ok);
    return ok ? Value::real(d) : Value::null();
}

// Access keeps a date as days since 1899-12-30 in a double whose sign belongs
// to the whole days only: -1.25 is 29 December 1899, 06:00.
JetDate jetDateFromStored(double stored) {
    const double whole = std::trunc(stored);
    return JetDate{whole + std::fabs(stored - whole)};
}

std::uint64_t littleEndian(const unsigned char* bytes, int size) {
    std::uint64_t n = 0;
    for (int i = size - 1; i >= 0; --i)
        n = (n << 8) | bytes[i];
    return n;
}

// The memo header: four bytes of length and flags, then the long value's place.
constexpr int kMemoHeader = 12;
// No memo is believed longer than this, whatever its header says.
constexpr std::size_t kMaxMemoBytes = std::size_t{64} << 20;

// Part of the header page is scrambled with RC4 under this fixed key.
constexpr std::size_t kScrambledStart = 0x18;
constexpr std::size_t kScrambledLength = 126;
constexpr unsigned char kScrambleKey[] = {0xC7, 0xDA, 0x39, 0x6B};
constexpr std::size_t kPasswordOffset = 0x42;
constexpr std::size_t kJet3PasswordLength = 20;
// Where Access 2007 and later keep the size of their encryption header.
constexpr std::size_t kAceCryptInfoOffset = 0x299;

// The header bytes from `start` on, unscrambled.
std::vector<unsigned char> unscrambledHeader(const unsigned char* page) {
    std::vector<unsigned char> bytes(page + kScrambledStart,
                                     page + kScrambledStart + kScrambledLength);
    unsigned char state[256];
    for (int i = 0; i < 256; ++i) state[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + kScrambleKey[i % sizeof kScrambleKey]) & 0xFF;
        std::swap(state[i], state[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < bytes.size(); ++n) {
        i = (i + 1) & 0xFF;
        j = (j + state[i]) & 0xFF;
        std::swap(state[i], state[j]);
        bytes[n] ^= state[(state[i] + state[j]) & 0xFF];
    }
    return bytes;
}

// Whether the file is encrypted or carries a database password: Access
// 2007 and later name their encryption in the header; an Access 97 file
// keeps its password in the scrambled part of it; an Access 2000 file
// masks its password once more with a value of its own, so any password
// bytes that differ from that mask mean a password.
bool protectedByPassword(const unsigned char* page, unsigned version) {
    if (version >= MDB_VER_ACCDB_2007)
        return page[kAceCryptInfoOffset] != 0 || page[kAceCryptInfoOffset + 1] != 0;
    const std::vector<unsigned char> header = unscrambledHeader(page);
    const unsigned char* password = header.data() + (kPasswordOffset - kScrambledStart);
    if (version == MDB_VER_JET3)
        return std::any_of(password, password + kJet3PasswordLength,
                           [](unsigned char b) { return b != 0; });
    // Access 2000: the first character, unmasked as Access does it.
    constexpr unsigned kFirstMask = 0x6ABA;
    constexpr unsigned kDateMaskXor = 0x24AE;
    const unsigned first = (page[kPasswordOffset] | page[kPasswordOffset + 1] << 8) ^ kFirstMask;
    const unsigned dateMask = (page[0x66] | page[0x67] << 8) ^ kDateMaskXor;
    return (first > 0xFF ? first ^ dateMask : first) != 0;
}

struct TableDefDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

}  // namespace

struct MdbReader::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle() {
        if (mdb)
            mdb_close(mdb);
    }
};

MdbReader::MdbReader(const QString& path, int codePage)
    : m_path(path), m_file(path), m_handle(std::make_unique<Handle>()) {
    const unsigned char* bytes = m_file.data();
    const std::size_t size = m_file.size();
    static const char kSignature[] = "Standard Jet DB";
    static const char kAceSignature[] = "Standard ACE DB";
    if (size < kJet3PageSize || (std::memcmp(bytes + 4, kSignature, sizeof kSignature) != 0 &&
                                 std::memcmp(bytes + 4, kAceSignature, sizeof kAceSignature) != 0))
        throw FamilyFileError(path, QStringLiteral("is not an Access database"));
    const unsigned version = bytes[0x14];
    if (version > MDB_VER_ACCDB_2019)
        throw FamilyFileError(path,
                              QStringLiteral("is an Access database of an unknown version (%1)")
                                  .arg(version));
    const std::size_t pageSize = version == MDB_VER_JET3 ? kJet3PageSize : kJet4PageSize;
    const bool password = size >= pageSize && protectedByPassword(bytes, version);
    const QString passwordReason = QStringLiteral(
        "is protected by a password (encrypted): Kinmora reads only files without one");
    if (password && version >= MDB_VER_ACCDB_2007) throw FamilyFileError(path, passwordReason);
    if (size % pageSize != 0)
        throw FamilyFileError(path, QStringLiteral("is truncated or damaged: its size (%1 bytes) "
                                                   "is not a whole number of %2-byte pages")
                                        .arg(size)
                                        .arg(pageSize));

    if (codePage != code_page::kByFile && !code_page::isKnown(codePage))
        throw FamilyFileError(path, QStringLiteral("cannot be read in code page %1, which is not "
                                                   "known here")
                                        .arg(codePage));
    clearLibmdbEnvironment();
    // libmdb takes the code page of Access 97 text from this variable when it
    // opens a file; Thai text is decoded here, not by libmdb.
    const bool otherCodePage = codePage != code_page::kByFile && codePage != code_page::kThai;
    if (otherCodePage) ::setenv("MDB_JET3_CHARSET", code_page::iconvName(codePage).constData(), 1);
    // libmdb opens the buffer with fmemopen(..., "r"): it only ever reads it.
    m_handle->mdb = mdb_open_buffer(const_cast<unsigned char*>(bytes), size, MDB_NOFLAGS);
    clearLibmdbEnvironment();
    if (!m_handle->mdb)
        throw FamilyFileError(path, QStringLiteral("cannot be opened as an Access database"));
    if (!IS_JET3(m_handle->mdb))
        m_thaiText = false;  // Unicode text: no code page
    else if (codePage != code_page::kByFile)
        m_thaiText = codePage == code_page::kThai;
    else if (m_handle->mdb->f->code_page == code_page::kThai)
        m_thaiText = true;
    mdb_set_bind_size(m_handle->mdb, kBindSize);
    mdb_set_date_fmt(m_handle->mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(m_handle->mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(m_handle->mdb);
    // A password set in Access hides nothing from libmdb, but one that came
    // with encryption leaves the catalog unreadable: that is no damage.
    if (!mdb_read_catalog(m_handle->mdb, MDB_TABLE))
        throw FamilyFileError(path, password ? passwordReason
                                             : QStringLiteral("is damaged: its table catalog "
                                                              "cannot be read"));
}

MdbReader::~MdbReader() = default;

// A memo too long for the fetch buffer, converted again from the row's page
// with room for the longest memo the program accepts.
Value MdbReader::longMemo(const void* mdbColumn) const {
    const auto* column = static_cast<const MdbColumn*>(mdbColumn);
    MdbHandle* mdb = m_handle->mdb;
    mdb_set_bind_size(mdb, kLongMemoSize);
    char* text = mdb_col_to_string(mdb, mdb->pg_buf, column->cur_value_start, MDB_MEMO,
                                   column->cur_value_len);
    mdb_set_bind_size(mdb, kBindSize);
    if (!text)
        return Value::null();
    Value value = Value::text(compactText(text));
    g_free(text);
    return value;
}

MdbReader::Decoding MdbReader::decodingOf(int mdbType, bool thaiJet3) {
    switch (mdbType) {
    case MDB_BOOL:
        return Decoding::Bool;
    case MDB_BYTE:
        return Decoding::Byte;
    case MDB_INT:
        return Decoding::Int16;
    case MDB_LONGINT:
        return Decoding::Int32;
    case MDB_FLOAT:
        return Decoding::Float;
    case MDB_DOUBLE:
        return Decoding::Double;
    case MDB_DATETIME:
        return Decoding::Date;
    case MDB_TEXT:
        return thaiJet3 ? Decoding::Cp874Text : Decoding::Bound;
    case MDB_MEMO:
        return thaiJet3 ? Decoding::Cp874Memo : Decoding::Bound;
    case MDB_MONEY:
    case MDB_NUMERIC:
        return Decoding::Bound;
    default:
        return Decoding::None;
    }
}

QStringList MdbReader::tableNames() const {
    QStringList names;
    MdbHandle* mdb = m_handle->mdb;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !mdb_is_system_table(entry))
            names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

bool MdbReader::readTable(const QString& name, TableSink& sink) {
    MdbHandle* mdb = m_handle->mdb;
    MdbCatalogEntry* found = nullptr;
    for (unsigned i = 0; i < mdb->num_catalog && !found; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE &&
            QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            found = entry;
    }
    if (!found)
        return false;

    const QString tableName = QString::fromUtf8(found->object_name);
    std::unique_ptr<MdbTableDef, TableDefDeleter> table(mdb_read_table(found));
    if (!table || !mdb_read_columns(table.get()))
        throw FamilyFileError(m_path, QStringLiteral("is damaged: the definition of table %1 "
                                                     "cannot be read")
                                          .arg(tableName));

    // Thai text of an Access 97 file is decoded here straight from the page;
    // libmdb converts only what this reader does not (other code pages, Jet 4
    // text, currency and decimal numbers). A header naming another code page
    // is what that copy of Access had, not a promise about the bytes.
    if (!m_thaiText) m_thaiText = guessThai(table.get());
    const bool thaiJet3 = m_thaiText.value_or(false);
    TableSchema schema;
    schema.name = tableName;
    const unsigned columnCount = table->num_cols;
    std::vector<MdbColumn*> columns(columnCount);
    std::vector<Decoding> decodings(columnCount);
    std::vector<std::unique_ptr<char, decltype(&std::free)>> buffers;
    std::vector<int> lengths(columnCount, 0);
    for (unsigned i = 0; i < columnCount; ++i) {
        columns[i] = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        schema.columns.push_back({QString::fromUtf8(columns[i]->name),
                                  columnTypeOf(columns[i]->col_type),
                                  wholeNumberSize(columns[i]->col_type)});
        decodings[i] = decodingOf(columns[i]->col_type, thaiJet3);
        if (decodings[i] != Decoding::Bound)
            continue;
        buffers.emplace_back(static_cast<char*>(std::calloc(1, kBindSize)), &std::free);
        if (!buffers.back())
            throw FamilyFileError(m_path, QStringLiteral("cannot be read: out of memory"));
        mdb_bind_column(table.get(), static_cast<int>(i) + 1, buffers.back().get(), &lengths[i]);
    }

    sink.beginTable(schema);
    sink.expectRows(table->num_rows);
    mdb_rewind_table(table.get());
    std::vector<Value> values(columnCount);
    unsigned rowsRead = 0;
    while (mdb_fetch_row(table.get())) {
        for (unsigned i = 0; i < columnCount; ++i) {
            const MdbColumn* column = columns[i];
            if (decodings[i] == Decoding::Bound) {
                const bool cutShort = schema.columns[i].type == ColumnType::Memo &&
                                      static_cast<std::size_t>(lengths[i]) + 1 >= kBindSize;
                values[i] = cutShort ? longMemo(column)
                                     : valueOf(schema.columns[i].type, column->bind_ptr
                                                   ? static_cast<const char*>(column->bind_ptr)
                                                   : "",
                                               lengths[i]);
            } else {
                values[i] = storedValue(column, decodings[i]);
            }
        }
        sink.row(values);
        ++rowsRead;
    }
    // The count in the definition is not kept up to date by every writer: a
    // file not compacted after a crash counts fewer rows than it holds, and
    // those rows are read all the same. Fewer rows than counted is damage
    // that still shows what is left, unless nothing is left.
    if (rowsRead == 0 && table->num_rows > 0)
        throw FamilyFileError(m_path,
                              QStringLiteral("is truncated or damaged: table %1 should hold %2 "
                                             "rows but none could be read")
                                  .arg(tableName)
                                  .arg(table->num_rows));
    sink.endTable();
    if (rowsRead < table->num_rows)
        sink.damaged(QStringLiteral("table %1 should hold %2 rows but only %3 could be read")
                         .arg(tableName)
                         .arg(table->num_rows)
                         .arg(rowsRead));
    return true;
}

// Samples the raw bytes of the table's text, and of the memos kept in their
// rows, until the guess is sure or the rows run out; leaves the table rewound.
std::optional<bool> MdbReader::guessThai(void* mdbTable) const {
    auto* table = static_cast<MdbTableDef*>(mdbTable);
    const MdbHandle* mdb = m_handle->mdb;
    std::vector<const MdbColumn*> texts;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (column->col_type == MDB_TEXT || column->col_type == MDB_MEMO) texts.push_back(column);
    }
    ThaiTextGuess guess;
    if (texts.empty()) return guess.verdict();
    mdb_rewind_table(table);
    for (unsigned rows = 0; !guess.sure() && rows < kMaxSampledRows && mdb_fetch_row(table); ++rows)
        for (const MdbColumn* column : texts) {
            int start = column->cur_value_start;
            int length = column->cur_value_len;
            if (length <= 0 || start < 0 || start + length > mdb->fmt->pg_size) continue;
            if (column->col_type == MDB_MEMO) {
                // Only a memo whose text follows its header in the row.
                if (length <= kMemoHeader || !(mdb->pg_buf[start + 3] & 0x80)) continue;
                start += kMemoHeader;
                length -= kMemoHeader;
            }
            guess.add(mdb->pg_buf + start, static_cast<std::size_t>(length));
        }
    mdb_rewind_table(table);
    return guess.verdict();
}

// A value read straight from the row's page, where libmdb has just located it
// (cur_value_start and cur_value_len; a Yes/No value is the null bit itself).
Value MdbReader::storedValue(const void* mdbColumn, Decoding decoding) const {
    const auto* column = static_cast<const MdbColumn*>(mdbColumn);
    const MdbHandle* mdb = m_handle->mdb;
    if (decoding == Decoding::Bool)
        return Value::boolean(column->cur_value_len == 0);
    if (decoding == Decoding::None)
        return Value::null();
    const int start = column->cur_value_start;
    const int length = column->cur_value_len;
    if (length <= 0 || start < 0 || start + length > mdb->fmt->pg_size)
        return Value::null();
    const unsigned char* bytes = mdb->pg_buf + start;
    const auto fixed = [&](int size) { return length == size; };
    switch (decoding) {
    case Decoding::Byte:
        return fixed(1) ? Value::integer(bytes[0]) : Value::null();
    case Decoding::Int16:
        return fixed(2) ? Value::integer(static_cast<std::int16_t>(littleEndian(bytes, 2)))
                        : Value::null();
    case Decoding::Int32:
        return fixed(4) ? Value::integer(static_cast<std::int32_t>(littleEndian(bytes, 4)))
                        : Value::null();
    case Decoding::Float: {
        if (!fixed(4))
            return Value::null();
        float f = 0;
        std::memcpy(&f, bytes, sizeof f);
        return Value::real(f);
    }
    case Decoding::Double:
    case Decoding::Date: {
        if (!fixed(8))
            return Value::null();
        double d = 0;
        std::memcpy(&d, bytes, sizeof d);
        if (decoding == Decoding::Double)
            return Value::real(d);
        // libmdb formats dates before 1900 as garbage; the stored number is exact.
        if (!std::isfinite(d) || std::fabs(d) > kMaxStoredDate)
            return Value::null();
        return Value::date(jetDateFromStored(d));
    }
    case Decoding::Cp874Text:
        return Value::text(decodeCp874(bytes, static_cast<std::size_t>(length)));
    case Decoding::Cp874Memo:
        return cp874Memo(bytes, length);
    default:
        return Value::null();
    }
}

// A memo field holds a 12-byte header: the length with two flags, then where
// the text lies. Inline text follows the header; otherwise it lies on long
// value pages, in one row or in a chain of rows each naming the next.
Value MdbReader::cp874Memo(const unsigned char* field, int fieldLength) const {
    if (fieldLength < kMemoHeader)
        return Value::null();
    const std::uint32_t header = static_cast<std::uint32_t>(littleEndian(field, 4));
    const std::size_t length = std::min<std::size_t>(header & 0x3FFFFFFF, kMaxMemoBytes);
    if (header & 0x80000000) {
        const std::size_t inlineLength = std::min<std::size_t>(length, fieldLength - kMemoHeader);
        return Value::text(decodeCp874(field + kMemoHeader, inlineLength));
    }
    MdbHandle* mdb = m_handle->mdb;
    QByteArray text;
    text.reserve(static_cast<qsizetype>(std::min<std::size_t>(length, kBindSize)));
    std::uint32_t pageRow = static_cast<std::uint32_t>(littleEndian(field + 4, 4));
    const bool chained = !(header & 0x40000000);
    // Every hop adds text, so a chain longer than the length is a loop.
    for (std::size_t hops = 0; pageRow && static_cast<std::size_t>(text.size()) < length &&
                               hops <= length;
         ++hops) {
        void* page = nullptr;
        int offset = 0;
        std::size_t rowLength = 0;
        if (mdb_find_pg_row(mdb, static_cast<int>(pageRow), &page, &offset, &rowLength) != 0 ||
            offset < 0 || offset + rowLength > static_cast<std::size_t>(mdb->fmt->pg_size))
            break;
        const auto* row = static_cast<const unsigned char*>(page) + offset;
        if (!chained) {
            text.append(reinterpret_cast<const char*>(row), static_cast<qsizetype>(rowLength));
            break;
        }
        if (rowLength < 4)
            break;
        pageRow = static_cast<std::uint32_t>(littleEndian(row, 4));
        text.append(reinterpret_cast<const char*>(row + 4), static_cast<qsizetype>(rowLength - 4));
    }
    const std::size_t kept = std::min<std::size_t>(length, static_cast<std::size_t>(text.size()));
    return Value::text(decodeCp874(reinterpret_cast<const unsigned char*>(text.constData()), kept));
}

}  // namespace kinmora
