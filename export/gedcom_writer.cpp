// A person keeps the code the family file gives it (@I12@) wherever that code
// is a positive number nobody else has, so that a later export of the same
// file names the same persons alike.
#include "export/gedcom_writer.h"

#include <QIODevice>
#include <cmath>
#include <unordered_map>

#include "data/family_columns.h"
#include "data/family_database.h"
#include "data/family_file_error.h"
#include "data/jet_date.h"
#include "export/gedcom_text.h"

#ifndef KINMORA_VERSION
#error "KINMORA_VERSION must be defined by the build"
#endif

namespace kinmora {
namespace {

constexpr int kProgressEvery = 256;
constexpr qsizetype kFlushSize = 1 << 16;

// A code as the chart reads it: a number, or a text field's digits; a
// fraction is no code.
std::optional<std::int64_t> wholeNumber(const Value& v) {
    if (v.kind() == Value::Kind::Integer || v.kind() == Value::Kind::Text)
        return v.wholeNumber(INT64_MIN, INT64_MAX);
    if (v.kind() == Value::Kind::Real) {
        const double d = v.toReal();
        if (std::trunc(d) == d && std::fabs(d) < 9.0e15) return static_cast<std::int64_t>(d);
    }
    return std::nullopt;
}

std::optional<JetDate> dateOf(const Value& v) {
    if (v.kind() == Value::Kind::Date) return v.toDate();
    return std::nullopt;
}

int columnOf(const QStringList& columns, const char* name) {
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns[i].compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void line(QByteArray& out, int level, const char* tag, const QString& value = {}) {
    GedcomText::appendLine(out, level, tag, value);
}

void record(QByteArray& out, const QByteArray& reference, const char* tag) {
    out += "0 ";
    out += reference;
    out += ' ';
    out += tag;
    out += '\n';
}

void link(QByteArray& out, const char* tag, const QByteArray& reference) {
    out += "1 ";
    out += tag;
    out += ' ';
    out += reference;
    out += '\n';
}

QByteArray familyReference(int index) {
    return "@F" + QByteArray::number(index + 1) + '@';
}

class Output {
public:
    explicit Output(QIODevice& device) : m_device(device) { m_buffer.reserve(2 * kFlushSize); }
    QByteArray& buffer() { return m_buffer; }
    void flushIfFull() {
        if (m_buffer.size() >= kFlushSize) flush();
    }
    void flush() {
        if (m_device.write(m_buffer) != m_buffer.size())
            throw std::runtime_error("cannot write the GEDCOM file: " +
                                     m_device.errorString().toStdString());
        m_buffer.resize(0);  // keeps the capacity: clear() would give it back
    }

private:
    QIODevice& m_device;
    QByteArray m_buffer;
};

}  // namespace

GedcomWriter::GedcomWriter(FamilyDatabase& database, const LivingRule& living)
    : m_lineage(readLineage(database, m_persons)) {
    assignReferences();
    // Children keep the order of their births; only the written record loses the dates.
    for (Person& p : m_persons)
        if (living.hides(p.still, p.die, p.born)) p.born = p.die = p.biography = Value::null();
}

FamilyLineage GedcomWriter::readLineage(FamilyDatabase& database, std::vector<Person>& persons) {
    std::vector<LineagePerson> lineage;
    std::vector<LineageCouple> couples;
    try {
        RecordSet& rs = database.persons();
        const int code = rs.fieldIndex(QLatin1String(family_field::kCode));
        const int name = rs.fieldIndex(QLatin1String(family_field::kName));
        const int surname = rs.fieldIndex(QLatin1String(family_field::kSurname));
        const int sex = rs.fieldIndex(QLatin1String(family_field::kSex));
        const int born = rs.fieldIndex(QLatin1String(family_field::kBorn));
        const int die = rs.fieldIndex(QLatin1String(family_field::kDied));
        const int still = rs.fieldIndex(QLatin1String(family_field::kDeceased));
        const int biography = rs.fieldIndex(QLatin1String(family_field::kBiography));
        const int father = rs.fieldIndex(QLatin1String(family_field::kFatherCode));
        const int mother = rs.fieldIndex(QLatin1String(family_field::kMotherCode));
        persons.reserve(static_cast<std::size_t>(rs.recordCount()));
        lineage.reserve(static_cast<std::size_t>(rs.recordCount()));
        for (rs.first(); !rs.atEnd(); rs.next()) {
            Person p{wholeNumber(rs.value(code)),
                     rs.value(name),
                     rs.value(surname),
                     rs.value(sex),
                     rs.value(born),
                     rs.value(die),
                     rs.value(still),
                     rs.value(biography)};
            lineage.push_back({p.code, wholeNumber(rs.value(father)).value_or(0),
                               wholeNumber(rs.value(mother)).value_or(0), dateOf(p.born)});
            persons.push_back(std::move(p));
        }
        rs.first();

        // A person's marriages come in the order of the married table's third column.
        const auto married =
            database.db().query(QStringLiteral("Select * from married order by 3"));
        const int husband = columnOf(married->columns, family_field::kFatherCode);
        const int wife = columnOf(married->columns, family_field::kMotherCode);
        couples.reserve(static_cast<std::size_t>(married->rowCount()));
        for (int r = 0; r < married->rowCount(); ++r)
            couples.push_back({wholeNumber(married->at(r, husband)).value_or(0),
                               wholeNumber(married->at(r, wife)).value_or(0)});
    } catch (const FamilyFileError& e) {
        throw FamilyFileError(FamilyFileError::Kind::Damaged, database.path(),
                              QStringLiteral("cannot be read: %1").arg(e.reason()));
    }
    return FamilyLineage(lineage, couples);
}

void GedcomWriter::assignReferences() {
    std::unordered_map<std::int64_t, int> uses;
    for (const Person& p : m_persons)
        if (p.code) ++uses[*p.code];
    m_references.reserve(m_persons.size());
    int others = 0;
    for (const Person& p : m_persons) {
        if (p.code && *p.code > 0 && uses[*p.code] == 1)
            m_references.push_back("@I" + QByteArray::number(*p.code) + '@');
        else
            m_references.push_back("@X" + QByteArray::number(++others) + '@');
    }
}

void GedcomWriter::write(QIODevice& device, const QString& sourceName, const QDateTime& exportedAt,
                         const ExportProgress& progress) const {
    Output output(device);
    QByteArray& out = output.buffer();
    const qint64 total = personCount() + familyCount();
    const auto report = [&](qint64 done) {
        if (progress && !progress(done, total)) throw ExportCancelled();
    };
    report(0);

    out += "0 HEAD\n";
    line(out, 1, "SOUR", QStringLiteral("KINMORA"));
    line(out, 2, "VERS", QStringLiteral(KINMORA_VERSION));
    line(out, 2, "NAME", QStringLiteral("Kinmora"));
    line(out, 2, "DATA", GedcomText::oneLine(sourceName));
    line(out, 1, "DATE", GedcomText::date(jetDateFromDateTime(exportedAt)));
    line(out, 2, "TIME", exportedAt.time().toString(QStringLiteral("HH:mm:ss")));
    line(out, 1, "SUBM", QStringLiteral("@U1@"));
    line(out, 1, "GEDC");
    line(out, 2, "VERS", QStringLiteral("5.5.1"));
    line(out, 2, "FORM", QStringLiteral("LINEAGE-LINKED"));
    line(out, 1, "CHAR", QStringLiteral("UTF-8"));
    line(out, 1, "LANG", QStringLiteral("Thai"));
    out += "0 @U1@ SUBM\n";
    line(out, 1, "NAME", QStringLiteral("Kinmora"));

    qint64 done = 0;
    for (int i = 0; i < personCount(); ++i) {
        writePerson(out, i);
        output.flushIfFull();
        if (++done % kProgressEvery == 0) report(done);
    }
    for (int f = 0; f < familyCount(); ++f) {
        writeFamily(out, f);
        output.flushIfFull();
        if (++done % kProgressEvery == 0) report(done);
    }
    out += "0 TRLR\n";
    output.flush();
    report(total);
}

void GedcomWriter::writePerson(QByteArray& out, int index) const {
    const Person& p = m_persons[static_cast<std::size_t>(index)];
    record(out, m_references[static_cast<std::size_t>(index)], "INDI");
    const QString given = GedcomText::oneLine(p.name.toText());
    const QString surname = GedcomText::oneLine(p.surname.toText());
    const QString slashed = QLatin1Char('/') + surname + QLatin1Char('/');
    line(out, 1, "NAME", given.isEmpty() ? slashed : given + QLatin1Char(' ') + slashed);
    if (!given.isEmpty()) line(out, 2, "GIVN", given);
    if (!surname.isEmpty()) line(out, 2, "SURN", surname);
    line(out, 1, "SEX",
         p.sex.isNull()   ? QStringLiteral("U")
         : p.sex.isTrue() ? QStringLiteral("M")
                          : QStringLiteral("F"));
    if (const auto born = dateOf(p.born)) {
        line(out, 1, "BIRT");
        line(out, 2, "DATE", GedcomText::date(*born));
    }
    if (const auto died = dateOf(p.die)) {
        line(out, 1, "DEAT");
        line(out, 2, "DATE", GedcomText::date(*died));
    } else if (p.still.isTrue()) {
        line(out, 1, "DEAT", QStringLiteral("Y"));
    }
    if (const int family = m_lineage.childOf(index); family >= 0)
        link(out, "FAMC", familyReference(family));
    for (const int family : m_lineage.partnerIn(index)) link(out, "FAMS", familyReference(family));
    if (const QString biography = p.biography.toText(); !biography.isEmpty())
        GedcomText::appendText(out, 1, "NOTE", biography);
}

void GedcomWriter::writeFamily(QByteArray& out, int index) const {
    const FamilyLineage::Family& family = m_lineage.families()[static_cast<std::size_t>(index)];
    record(out, familyReference(index), "FAM");
    if (family.husband >= 0)
        link(out, "HUSB", m_references[static_cast<std::size_t>(family.husband)]);
    if (family.wife >= 0) link(out, "WIFE", m_references[static_cast<std::size_t>(family.wife)]);
    for (const int child : family.children)
        link(out, "CHIL", m_references[static_cast<std::size_t>(child)]);
}

}  // namespace kinmora
