// libFuzzer target: the bytes as the CSV of a family table and of a married
// table (split at the first NUL byte, when there is one); when both read, they
// are written as a family file on tmpfs, read back through MdbReader, and
// every whole number and text must come back as the CSV gave it.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "cell_value.h"
#include "data/cp874.h"
#include "data/family_file_error.h"
#include "data/mdb_reader.h"
#include "family_writer.h"
#include "table_reader.h"

namespace {

using kinmora::mkfamily::CellValue;
using kinmora::mkfamily::TableContent;

// Keeps every row MdbReader hands over.
class CollectingSink : public kinmora::TableSink {
public:
    void beginTable(const kinmora::TableSchema&) override {}
    void row(std::span<const kinmora::Value> values) override {
        rows.emplace_back(values.begin(), values.end());
    }
    void endTable() override {}

    std::vector<std::vector<kinmora::Value>> rows;
};

[[noreturn]] void finding(const std::string& table, std::size_t row, std::size_t column,
                          const char* what) {
    std::fprintf(stderr, "table %s, row %zu, column %zu: %s\n", table.c_str(), row, column, what);
    std::abort();
}

bool sameCell(const CellValue& written, const kinmora::Value& read) {
    if (const auto* n = std::get_if<std::int32_t>(&written))
        return read.kind() == kinmora::Value::Kind::Integer &&
               read.toInteger(INT64_MIN, INT64_MAX) == *n;
    if (const auto* text = std::get_if<std::string>(&written)) {
        // An empty text reads back as Null: Access keeps no empty string apart from it.
        if (text->empty()) return read.isNull();
        return read.kind() == kinmora::Value::Kind::Text &&
               read.toText() ==
                   kinmora::decodeCp874(reinterpret_cast<const unsigned char*>(text->data()),
                                        text->size());
    }
    if (std::holds_alternative<std::monostate>(written))
        return read.isNull() || read.kind() == kinmora::Value::Kind::Bool;
    return true;  // Yes/No and doubles (numbers and dates) are checked by the unit tests.
}

void checkReadBack(const TableContent& table, const QString& path) {
    kinmora::MdbReader reader(path);
    CollectingSink sink;
    if (!reader.readTable(QString::fromStdString(table.name), sink))
        finding(table.name, 0, 0, "the written table is missing");
    if (sink.rows.size() != table.rows.size())
        finding(table.name, sink.rows.size(), 0, "a different number of rows came back");
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (sink.rows[r].size() != table.columns.size())
            finding(table.name, r, sink.rows[r].size(), "a different number of columns came back");
        for (std::size_t c = 0; c < table.columns.size(); ++c)
            if (!sameCell(table.rows[r][c], sink.rows[r][c]))
                finding(table.name, r, c, "a value came back changed");
    }
}

QTemporaryDir* g_scratch = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // tmpfs when there is one: the written files never reach a disk.
    const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                             ? QStringLiteral("/dev/shm")
                             : QDir::tempPath();
    g_scratch = new QTemporaryDir(base + QStringLiteral("/kinmora-fuzz-csv-XXXXXX"));
    if (!g_scratch->isValid()) std::abort();
    std::atexit([] { delete g_scratch; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const kinmora::mkfamily::TableCsv family{"family", input.substr(0, split), "family.csv"};
    const kinmora::mkfamily::TableCsv married{
        "married", split == std::string::npos ? input : input.substr(split + 1), "married.csv"};
    std::vector<TableContent> tables;
    try {
        tables.push_back(kinmora::mkfamily::TableReader::read(family));
        tables.push_back(kinmora::mkfamily::TableReader::read(married));
    } catch (const std::runtime_error&) {
        return 0;  // InputError: the tool names the line and stops.
    }
    const std::filesystem::path out =
        g_scratch->filePath(QStringLiteral("family.mdb")).toStdString();
    try {
        kinmora::mkfamily::writeFamilyFile({family, married}, out);
    } catch (const std::runtime_error&) {
        return 0;  // more than an Access 97 file holds
    }
    const QString path = QString::fromStdString(out.string());
    try {
        for (const TableContent& table : tables) checkReadBack(table, path);
    } catch (const kinmora::FamilyFileError& e) {
        std::fprintf(stderr, "the written file cannot be read back: %s\n", e.what());
        std::abort();
    }
    std::filesystem::remove(out);
    return 0;
}
