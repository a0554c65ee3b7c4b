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
#include "data/database_password.h"
#include "data/family_file_error.h"
#include "data/text_decoder.h"
#include "data/thai_text_guess.h"

namespace kinmora {
namespace {

// Where an Access file keeps what the reader checks before libmdb sees it.
namespace jet {
constexpr std::size_t kSignatureOffset = 4;   // "Standard Jet DB" or "Standard ACE DB"
constexpr std::size_t kVersionOffset = 0x14;  // 0 for Jet 3 (Access 97)
constexpr std::size_t kJet3PageSize = 2048;
constexpr std::size_t kJet4PageSize = 4096;
// A memo field: four bytes of length and flags, the long value's row pointer
// (four bytes), four unused.
constexpr int kMemoHeaderSize = 12;
constexpr int kMemoPointerOffset = 4;
constexpr std::uint32_t kMemoInline = 0x80000000;     // the text follows the header
constexpr std::uint32_t kMemoSingleRow = 0x40000000;  // else a chain of rows
constexpr std::uint32_t kMemoLengthMask = 0x3FFFFFFF;
// A long value row in a chain begins with the pointer to the next row.
constexpr int kChainPointerSize = 4;
// The catalog's table definition is page 2; a definition counts its rows here.
constexpr std::size_t kCatalogPage = 2;
constexpr std::size_t kJet3RowCountOffset = 12;
constexpr std::size_t kJet4RowCountOffset = 16;
// Where Access 2007 and later keep the size of their encryption header.
constexpr std::size_t kAceCryptInfoOffset = 0x299;
}  // namespace jet

// Room for one converted value: libmdb converts into buffers of this size
// (its own, for the catalog, too) and reads them back as if they were at
// least this long, so it stays at libmdb's own size although currency and
// decimal numbers, all it converts for this reader, are short.
constexpr std::size_t kBindSize = MDB_BIND_SIZE;

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

// How each libmdb column type is typed for the engine and read from a row.
// Text and memos are decoded here straight from the page (see
// TextDecoder); libmdb converts only currency and decimal numbers.
struct ColumnKind {
    int mdbType;
    ColumnType type;
    MdbReader::Decoding decoding;
    int size;  // bytes of a whole number; 0 for other types
};

using D = MdbReader::Decoding;
constexpr ColumnKind kColumnKinds[] = {
    {MDB_BOOL, ColumnType::Bool, D::Bool, 0},     {MDB_BYTE, ColumnType::Integer, D::Byte, 1},
    {MDB_INT, ColumnType::Integer, D::Int16, 2},  {MDB_LONGINT, ColumnType::Integer, D::Int32, 4},
    {MDB_MONEY, ColumnType::Real, D::Bound, 0},   {MDB_FLOAT, ColumnType::Real, D::Float, 0},
    {MDB_DOUBLE, ColumnType::Real, D::Double, 0}, {MDB_NUMERIC, ColumnType::Real, D::Bound, 0},
    {MDB_DATETIME, ColumnType::Date, D::Date, 0}, {MDB_TEXT, ColumnType::Text, D::Text, 0},
    {MDB_MEMO, ColumnType::Memo, D::Memo, 0},
};
// OLE objects, binary and replication ids: the program does not show them.
constexpr ColumnKind kOtherColumn = {-1, ColumnType::Other, D::None, 0};

const ColumnKind& columnKindOf(int mdbType) {
    for (const ColumnKind& kind : kColumnKinds)
        if (kind.mdbType == mdbType) return kind;
    return kOtherColumn;
}

// A number libmdb converted to text (currency and decimal numbers). An
// empty text is how it passes Null.
Value numberOf(const char* text, int length) {
    if (length <= 0) return Value::null();
    const QByteArray bytes = QByteArray::fromRawData(text, length);
    bool ok = false;
    double d = bytes.toDouble(&ok);
    if (!ok)  // a locale's decimal comma
        d = QByteArray(bytes).replace(',', '.').toDouble(&ok);
    return ok ? Value::real(d) : Value::null();
}

// Text trimmed to size: memos are kept for as long as the file is open.
Value textOf(QString text) {
    if (text.capacity() > text.size() + 32) text.squeeze();
    return Value::text(std::move(text));
}

// Access keeps a date as days since 1899-12-30 in a double whose sign belongs
// to the whole days only: -1.25 is 29 December 1899, 06:00.
JetDate jetDateFromStored(double stored) {
    const double whole = std::trunc(stored);
    return JetDate{whole + std::fabs(stored - whole)};
}

std::uint64_t littleEndian(const unsigned char* bytes, int size) {
    std::uint64_t n = 0;
    for (int i = size - 1; i >= 0; --i) n = (n << 8) | bytes[i];
    return n;
}

// No memo is believed longer than this, whatever its header says, and room
// for no more than this is made before its bytes are there.
constexpr std::size_t kMaxMemoBytes = std::size_t{64} << 20;
constexpr std::size_t kMaxReservedMemo = std::size_t{1} << 20;

struct TableDefDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

}  // namespace

struct MdbReader::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle() {
        if (mdb) mdb_close(mdb);
    }
};

// One table being read: its columns, how each is decoded, the buffers
// libmdb converts bound columns into, and how its text is decoded.
struct MdbReader::TableRead {
    TableSchema schema;
    std::vector<MdbColumn*> columns;
    std::vector<Decoding> decodings;
    std::vector<std::unique_ptr<char, decltype(&std::free)>> buffers;
    std::vector<int> lengths;
    std::optional<TextDecoder> text;
};

MdbReader::MdbReader(const QString& path, int codePage, const QString& password)
    : m_path(path), m_file(path), m_handle(std::make_unique<Handle>()), m_codePage(codePage) {
    using Kind = FamilyFileError::Kind;
    checkHeader(password);
    if (codePage != code_page::kByFile && !code_page::isKnown(codePage))
        throw FamilyFileError(
            Kind::BadQuery, path,
            QStringLiteral("cannot be read in code page %1, which is not known here")
                .arg(codePage));
    clearLibmdbEnvironment();
    // libmdb takes the code page of Access 97 names from this variable when
    // it opens a file; text and memos are decoded here.
    const bool otherCodePage = codePage != code_page::kByFile && codePage != code_page::kThai;
    if (otherCodePage) ::setenv("MDB_JET3_CHARSET", code_page::iconvName(codePage).constData(), 1);
    // libmdb opens the buffer with fmemopen(..., "r"): it only ever reads it.
    MdbHandle* mdb =
        mdb_open_buffer(const_cast<unsigned char*>(m_file.data()), m_file.size(), MDB_NOFLAGS);
    clearLibmdbEnvironment();
    if (!mdb)
        throw FamilyFileError(Kind::NotAccess, path,
                              QStringLiteral("cannot be opened as an Access database"));
    m_handle->mdb = mdb;
    if (!IS_JET3(mdb))
        m_thaiText = false;  // Unicode text: no code page
    else if (codePage != code_page::kByFile)
        m_thaiText = codePage == code_page::kThai;
    else if (mdb->f->code_page == code_page::kThai)
        m_thaiText = true;
    mdb_set_bind_size(mdb, kBindSize);
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb);
    if (m_file.size() / static_cast<std::size_t>(mdb->fmt->pg_size) <= jet::kCatalogPage)
        throw FamilyFileError(Kind::Damaged, path,
                              QStringLiteral("is truncated or damaged: it ends before its table "
                                             "catalog"));
    if (!mdb_read_catalog(mdb, MDB_ANY))
        throw FamilyFileError(Kind::Damaged, path,
                              QStringLiteral("is damaged: its table catalog cannot be read"));
    checkCatalog();
}

MdbReader::~MdbReader() = default;

// What libmdb would misread or crash on is refused before it sees the file,
// and so is a file whose password was not given.
void MdbReader::checkHeader(const QString& password) const {
    using Kind = FamilyFileError::Kind;
    const unsigned char* bytes = m_file.data();
    const std::size_t size = m_file.size();
    static const char kSignature[] = "Standard Jet DB";
    static const char kAceSignature[] = "Standard ACE DB";
    const auto signedAs = [&](const char* signature, std::size_t length) {
        return std::memcmp(bytes + jet::kSignatureOffset, signature, length) == 0;
    };
    if (size < jet::kJet3PageSize || (!signedAs(kSignature, sizeof kSignature) &&
                                      !signedAs(kAceSignature, sizeof kAceSignature)))
        throw FamilyFileError(Kind::NotAccess, m_path, QStringLiteral("is not an Access database"));
    const unsigned version = bytes[jet::kVersionOffset];
    if (version > MDB_VER_ACCDB_2019)
        throw FamilyFileError(
            Kind::UnknownVersion, m_path,
            QStringLiteral("is an Access database of an unknown version (%1)").arg(version));
    const std::size_t pageSize = version == MDB_VER_JET3 ? jet::kJet3PageSize : jet::kJet4PageSize;
    if (size < pageSize || size % pageSize != 0)
        throw FamilyFileError(Kind::Damaged, m_path,
                              QStringLiteral("is truncated or damaged: its size (%1 bytes) "
                                             "is not a whole number of %2-byte pages")
                                  .arg(size)
                                  .arg(pageSize));
    // Access 2007 and later name their encryption in the header.
    if (version >= MDB_VER_ACCDB_2007 &&
        (bytes[jet::kAceCryptInfoOffset] != 0 || bytes[jet::kAceCryptInfoOffset + 1] != 0))
        throw FamilyFileError(Kind::Encrypted, m_path,
                              QStringLiteral("is protected by a password (encrypted): Kinmora "
                                             "reads only files without one"));
    const DatabasePassword stored(bytes, version == MDB_VER_JET3);
    if (!stored.isSet()) return;
    if (password.isEmpty())
        throw FamilyFileError(Kind::PasswordNeeded, m_path,
                              QStringLiteral("is protected by a database password: it opens only "
                                             "with that password"));
    if (!stored.matches(password))
        throw FamilyFileError(Kind::PasswordWrong, m_path,
                              QStringLiteral("is protected by a database password, and the "
                                             "password given is not it"));
}

// A catalog that holds fewer objects than it counts belongs to a file cut
// short or damaged. That is only worth a word when a table asked for is not
// there: a sound file without the family's tables is another matter, and a
// stale count with every table there harms nothing.
void MdbReader::checkCatalog() {
    const MdbHandle* mdb = m_handle->mdb;
    const std::size_t pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    const unsigned char* catalog = m_file.data() + jet::kCatalogPage * pageSize;
    const std::uint64_t counted = littleEndian(
        catalog + (IS_JET3(mdb) ? jet::kJet3RowCountOffset : jet::kJet4RowCountOffset), 4);
    if (mdb->num_catalog >= counted) return;
    m_catalogShortfall =
        QStringLiteral("its table catalog counts %1 objects but %2")
            .arg(counted)
            .arg(mdb->num_catalog == 0
                     ? QStringLiteral("none could be read")
                     : QStringLiteral("only %1 could be read").arg(mdb->num_catalog));
}

FamilyFileError MdbReader::truncated(const QString& what) const {
    return FamilyFileError(FamilyFileError::Kind::Damaged, m_path,
                           QStringLiteral("is truncated or damaged: %1").arg(what));
}

void* MdbReader::findTable(const QString& name) const {
    MdbHandle* mdb = m_handle->mdb;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE &&
            QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return nullptr;
}

bool MdbReader::readTable(const QString& name, TableSink& sink) {
    auto* found = static_cast<MdbCatalogEntry*>(findTable(name));
    if (!found) {
        if (!m_catalogShortfall.isEmpty()) throw truncated(m_catalogShortfall);
        return false;
    }
    const QString tableName = QString::fromUtf8(found->object_name);
    const std::size_t pages = m_file.size() / static_cast<std::size_t>(m_handle->mdb->fmt->pg_size);
    if (found->table_pg >= pages)
        throw truncated(QStringLiteral("table %1 is defined on page %2, past its end (%3 pages)")
                            .arg(tableName)
                            .arg(found->table_pg)
                            .arg(pages));
    std::unique_ptr<MdbTableDef, TableDefDeleter> table(mdb_read_table(found));
    if (!table || !mdb_read_columns(table.get()))
        throw FamilyFileError(
            FamilyFileError::Kind::Damaged, m_path,
            QStringLiteral("is damaged: the definition of table %1 cannot be read").arg(tableName));

    // A header naming another code page is what that copy of Access had,
    // not a promise about the bytes: without a choice, the text tells.
    if (!m_thaiText) m_thaiText = guessThai(table.get());
    TableRead read;
    read.schema.name = tableName;
    read.text = textDecoder();
    bindColumns(table.get(), read);
    sink.beginTable(read.schema);
    // The count in the definition is not kept up to date by every writer: a
    // file not compacted after a crash counts fewer rows than it holds, and
    // one cut short counts more. Either way the rows there are what is read;
    // the receiver tells a shortfall.
    sink.expectRows(table->num_rows);
    readRows(table.get(), read, sink);
    sink.endTable();
    return true;
}

// Access 2000 and later keep Unicode; Access 97 text is Thai when the
// choice or the bytes say so, else in the chosen code page, else the
// header's (code page 1252 where the header names none iconv knows).
TextDecoder MdbReader::textDecoder() const {
    const MdbHandle* mdb = m_handle->mdb;
    if (!IS_JET3(mdb)) return TextDecoder::unicode();
    if (m_thaiText.value_or(false)) return TextDecoder::codePage(code_page::kThai);
    int codePage = m_codePage != code_page::kByFile ? m_codePage : mdb->f->code_page;
    if (!code_page::isKnown(codePage)) codePage = 1252;
    return TextDecoder::codePage(codePage);
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
                if (length <= jet::kMemoHeaderSize ||
                    !(littleEndian(mdb->pg_buf + start, 4) & jet::kMemoInline))
                    continue;
                start += jet::kMemoHeaderSize;
                length -= jet::kMemoHeaderSize;
            }
            guess.add(mdb->pg_buf + start, static_cast<std::size_t>(length));
        }
    mdb_rewind_table(table);
    return guess.verdict();
}

// Fills in the schema and a decoding for every column; a column libmdb
// converts is bound to a buffer of its own.
void MdbReader::bindColumns(void* mdbTable, TableRead& read) const {
    auto* table = static_cast<MdbTableDef*>(mdbTable);
    const unsigned columnCount = table->num_cols;
    read.lengths.assign(columnCount, 0);
    for (unsigned i = 0; i < columnCount; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        const ColumnKind& kind = columnKindOf(column->col_type);
        read.columns.push_back(column);
        read.schema.columns.push_back({QString::fromUtf8(column->name), kind.type, kind.size});
        read.decodings.push_back(kind.decoding);
        if (kind.decoding != Decoding::Bound) continue;
        read.buffers.emplace_back(static_cast<char*>(std::calloc(1, kBindSize)), &std::free);
        if (!read.buffers.back())
            throw FamilyFileError(FamilyFileError::Kind::Damaged, m_path,
                                  QStringLiteral("cannot be read: out of memory"));
        mdb_bind_column(table, static_cast<int>(i) + 1, read.buffers.back().get(),
                        &read.lengths[i]);
    }
}

// Hands every row to `sink`.
void MdbReader::readRows(void* mdbTable, TableRead& read, TableSink& sink) const {
    auto* table = static_cast<MdbTableDef*>(mdbTable);
    mdb_rewind_table(table);
    std::vector<Value> values(read.columns.size());
    while (mdb_fetch_row(table)) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            const MdbColumn* column = read.columns[i];
            values[i] =
                read.decodings[i] == Decoding::Bound
                    ? numberOf(column->bind_ptr ? static_cast<const char*>(column->bind_ptr) : "",
                               read.lengths[i])
                    : storedValue(column, read.decodings[i], *read.text);
        }
        sink.row(values);
    }
}

// A value read straight from the row's page, where libmdb has just located it
// (cur_value_start and cur_value_len; a Yes/No value is the null bit itself).
Value MdbReader::storedValue(const void* mdbColumn, Decoding decoding,
                             const TextDecoder& text) const {
    const auto* column = static_cast<const MdbColumn*>(mdbColumn);
    const MdbHandle* mdb = m_handle->mdb;
    if (decoding == Decoding::Bool) return Value::boolean(column->cur_value_len == 0);
    if (decoding == Decoding::None) return Value::null();
    const int start = column->cur_value_start;
    const int length = column->cur_value_len;
    if (length <= 0 || start < 0 || start + length > mdb->fmt->pg_size) return Value::null();
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
            if (!fixed(4)) return Value::null();
            float f = 0;
            std::memcpy(&f, bytes, sizeof f);
            return Value::real(f);
        }
        case Decoding::Double:
        case Decoding::Date: {
            if (!fixed(8)) return Value::null();
            double d = 0;
            std::memcpy(&d, bytes, sizeof d);
            if (decoding == Decoding::Double) return Value::real(d);
            // libmdb formats dates before 1900 as garbage; the stored number is exact.
            if (!std::isfinite(d) || std::fabs(d) > kMaxStoredDate) return Value::null();
            return Value::date(jetDateFromStored(d));
        }
        case Decoding::Text:
            return textOf(text.decode(bytes, static_cast<std::size_t>(length)));
        case Decoding::Memo: {
            const QByteArray stored = memoBytes(bytes, length);
            return textOf(text.decode(reinterpret_cast<const unsigned char*>(stored.constData()),
                                      static_cast<std::size_t>(stored.size())));
        }
        default:
            return Value::null();
    }
}

// A memo field holds a 12-byte header: the length with two flags, then where
// the text lies. Inline text follows the header; otherwise it lies on long
// value pages, in one row or in a chain of rows each naming the next.
// Returns the stored bytes, however many pages they span.
QByteArray MdbReader::memoBytes(const unsigned char* field, int fieldLength) const {
    if (fieldLength < jet::kMemoHeaderSize) return {};
    const std::uint32_t header = static_cast<std::uint32_t>(littleEndian(field, 4));
    const std::size_t length = std::min<std::size_t>(header & jet::kMemoLengthMask, kMaxMemoBytes);
    if (header & jet::kMemoInline) {
        const std::size_t inlineLength =
            std::min<std::size_t>(length, fieldLength - jet::kMemoHeaderSize);
        return QByteArray(reinterpret_cast<const char*>(field + jet::kMemoHeaderSize),
                          static_cast<qsizetype>(inlineLength));
    }
    MdbHandle* mdb = m_handle->mdb;
    QByteArray text;
    text.reserve(static_cast<qsizetype>(std::min<std::size_t>(length, kMaxReservedMemo)));
    std::uint32_t pageRow =
        static_cast<std::uint32_t>(littleEndian(field + jet::kMemoPointerOffset, 4));
    const bool chained = !(header & jet::kMemoSingleRow);
    // Every hop adds text, so a chain longer than the length is a loop.
    for (std::size_t hops = 0;
         pageRow && static_cast<std::size_t>(text.size()) < length && hops <= length; ++hops) {
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
        if (rowLength < jet::kChainPointerSize) break;
        pageRow = static_cast<std::uint32_t>(littleEndian(row, jet::kChainPointerSize));
        text.append(reinterpret_cast<const char*>(row + jet::kChainPointerSize),
                    static_cast<qsizetype>(rowLength - jet::kChainPointerSize));
    }
    if (static_cast<std::size_t>(text.size()) > length)
        text.truncate(static_cast<qsizetype>(length));
    return text;
}

}  // namespace kinmora
