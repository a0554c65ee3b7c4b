// libFuzzer target: the bytes as a family file, opened the way the program
// opens one (the reader in its own child process) and then used the way the
// windows use it. Nothing may reach standard output: the command line
// program's output is there.
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "data/family_queries.h"
#include "data/name_search.h"
#include "data/person_particulars.h"
#include "fuzz/memory_file.h"

namespace kinmora::fuzz {
namespace {

// The reader child guard: a sanitizer report of our own code in the reader
// program must not go unseen, though the reader silences its standard error;
// libmdb's own faults there are the reader's to contain.
QTemporaryDir* g_reports = nullptr;

// Adds `options` to the sanitizer options in the environment variable `name`.
void addOptions(const char* name, const QByteArray& options) {
    const QByteArray value = qgetenv(name);
    qputenv(name, value.isEmpty() ? options : value + ':' + options);
}

// Before the first open: every reader program started afterwards (they inherit
// the environment; this process read its options when it started) writes its
// sanitizer reports into a private folder, and an allocation past its memory
// limit fails as it does in the program. No leak check: the reader's end frees
// everything, and the checker gives a report without a stack where it cannot.
void installReaderChildGuard() {
    g_reports = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/kinmora-fuzz-XXXXXX"));
    if (!g_reports->isValid()) {
        std::fprintf(stderr, "cannot make a folder for the reader's reports\n");
        std::abort();
    }
    std::atexit([] { delete g_reports; });
    const QByteArray prefix = QFile::encodeName(g_reports->path() + QStringLiteral("/child"));
    addOptions("ASAN_OPTIONS",
               "log_path=" + prefix + ":allocator_may_return_null=1:detect_leaks=0");
    addOptions("UBSAN_OPTIONS", "log_path=" + prefix);
}

// True when the report's first frame outside the sanitizer runtime and the C
// library lies in libmdb or GLib.
bool faultInLibmdb(const QString& report) {
    static const QRegularExpression frame(QStringLiteral(R"(^\s*#\d+ 0x[0-9a-f]+ (.*)$)"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression runtime(QStringLiteral(
        R"(compiler-rt|libclang_rt|/libc\.so|libc-|libstdc\+\+|in __asan|in __ubsan|in __sanitizer|in __interceptor_)"));
    static const QRegularExpression libmdb(QStringLiteral(R"(libmdb\.so|libglib-2\.0\.so)"));
    for (auto match = frame.globalMatch(report); match.hasNext();) {
        const QString where = match.next().captured(1);
        if (runtime.match(where).hasMatch()) continue;
        return libmdb.match(where).hasMatch();
    }
    return false;
}

// After each open: a report whose fault lies outside libmdb and the libraries it
// calls is printed and makes the input a finding. Removes the reports either way.
void checkReaderReports() {
    QDir folder(g_reports->path());
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        QString report;
        if (file.open(QIODevice::ReadOnly)) report = QString::fromUtf8(file.readAll());
        file.remove();
        if (!faultInLibmdb(report)) {
            std::fprintf(stderr, "The reader child stopped on a fault outside libmdb:\n%s\n",
                         report.toLocal8Bit().constData());
            std::abort();
        }
    }
}

// A step catches only what the windows catch (FamilyFileError, from the file, a
// query or a value of the wrong kind), so anything else is still a finding.
template <typename Work>
void step(Work&& work) {
    try {
        work();
    } catch (const std::runtime_error&) {
    }
}

// Reads every field of every row, as the windows show them.
void walk(Engine& db, RecordSet& rows, const QString& table) {
    const TableSchema* schema = db.schema(table);
    if (!schema) return;
    step([&] {
        for (rows.first(); !rows.atEnd(); rows.next())
            for (const ColumnInfo& column : schema->columns) {
                const Value value = rows.field(column.name);
                (void)value.toText();
                if (value.kind() == Value::Kind::Date) (void)dateText(value.toDate());
            }
    });
}

// Does with an open family file what the program's windows do: every query
// text, the finds, both charts of a person, the personal particulars and the
// name search, so that a fuzzed file reaches all of the code behind them.
void exercise(FamilyDatabase& database) {
    // Persons whose codes and names drive the queries and finds: enough to
    // reach every query shape, few enough for many inputs a second.
    constexpr int kMaxPersons = 50;
    Engine& db = database.db();
    RecordSet& persons = database.persons();
    std::vector<std::int64_t> codes;
    QStringList names;
    step([&] {
        persons.first();
        for (int i = 0; i < kMaxPersons && !persons.atEnd(); ++i, persons.next()) {
            names << persons.field(QStringLiteral("name")).toText();
            step([&] {
                codes.push_back(
                    persons.field(QStringLiteral("code")).toInteger(INT64_MIN, INT64_MAX));
            });
        }
    });

    // Every query text.
    const QString family = QStringLiteral("family");
    step([&] {
        RecordSet all = db.recordSet(queries::allPersons());
        walk(db, all, family);
    });
    step([&] {
        RecordSet all = db.recordSet(queries::allMarriages());
        walk(db, all, QStringLiteral("married"));
    });
    for (const std::int64_t code : codes) {
        for (const Query& query :
             {queries::personByCode(code), queries::childrenOfFather(code),
              queries::childrenOfMother(code), queries::childrenOfOneParent(code)})
            step([&] {
                RecordSet rows = db.recordSet(query);
                walk(db, rows, family);
            });
        step([&] {
            RecordSet marriages = db.recordSet(queries::marriagesOf(code));
            for (; !marriages.atEnd(); marriages.next())
                step([&] {
                    const std::int64_t father = marriages.field(QStringLiteral("fathercode"))
                                                    .toInteger(INT64_MIN, INT64_MAX);
                    const std::int64_t mother = marriages.field(QStringLiteral("mothercode"))
                                                    .toInteger(INT64_MIN, INT64_MAX);
                    RecordSet children = db.recordSet(queries::childrenOfCouple(father, mother));
                    walk(db, children, family);
                });
        });
    }

    // The finds. A name with an apostrophe, ending in one or nothing else, is
    // found as any other.
    QStringList finds = names;
    finds << QStringLiteral("O'Brien") << QStringLiteral("'") << QStringLiteral("''") << QString();
    if (!names.isEmpty())
        finds << names.front() + QLatin1Char('\'') << QLatin1Char('\'') + names.front();
    for (const QString& name : finds) {
        bool found = false;
        step([&] { found = persons.findFirst(criteria::nameEquals(name)); });
        if (found) step([&] { (void)persons.field(QStringLiteral("name")); });
    }
    for (const std::int64_t code : codes) {
        step([&] { persons.findFirst(criteria::codeEquals(code)); });
        step([&] { database.couples().findFirst(criteria::codeEquals(code)); });
    }

    // Both charts of the first person.
    if (!names.isEmpty())
        for (const FamilySide side : {FamilySide::Father, FamilySide::Mother})
            step([&] {
                ChartTree tree;
                ChartBuilder builder(database, tree);
                builder.build(names.front(), side);
                for (const ChartTree::Row& row : tree.rows()) (void)tree.childKeys(row.node->key);
            });

    // The particulars, at a fixed moment that keeps an input's path the same from run to run.
    const QDateTime now(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);
    for (const QString& name : names.mid(0, 5))
        step([&] { (void)loadParticulars(persons, name, now); });

    for (const QString& text :
         {QString(), QStringLiteral("a"), QStringLiteral("สม"), QStringLiteral("'")})
        step([&] { (void)searchHits(persons, text); });
}

// Standard output goes to a memfd, unbuffered so that a reader child's
// writes arrive even though it never flushes. libFuzzer reports on standard error.
int g_output = -1;

}  // namespace
}  // namespace kinmora::fuzz

using namespace kinmora::fuzz;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    installReaderChildGuard();
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    g_output = ::memfd_create("kinmora-fuzz-stdout", 0);
    if (g_output < 0 || ::dup2(g_output, STDOUT_FILENO) < 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryFile file({data, size});
    try {
        const auto database = kinmora::FamilyDatabase::open(file.path());
        exercise(*database);
    } catch (const std::runtime_error&) {
        // FamilyFileError: the program tells the user the file cannot be read.
    }
    checkReaderReports();
    struct stat output {};
    if (::fstat(g_output, &output) != 0 || output.st_size != 0) {
        std::fprintf(stderr, "something was printed on standard output\n");
        std::abort();
    }
    if (!file.unchanged()) {
        std::fprintf(stderr, "the family file was changed by reading it\n");
        std::abort();
    }
    return 0;
}
