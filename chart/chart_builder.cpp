// The build is one pass over the generations with fresh queries at every
// step, exactly as the chart has always been drawn; only the failure cases
// differ: a missing centre person leaves the old chart, an unknown spouse
// shows "?", and the key counter has no 16-bit limit.
#include "chart/chart_builder.h"

#include <optional>

#include "chart/chart_texts.h"
#include "chart/person_lookup.h"
#include "data/family_queries.h"

namespace kinmora {
namespace {

constexpr int kPasses = 4;

// A person code as the queries use it. Null, and numbers outside the 16-bit
// range a code lives in, stand for nobody (0).
std::int16_t codeOf(const Value& v) {
    if (v.isNull()) return 0;
    try {
        return v.toInt16();
    } catch (const std::runtime_error&) {
        return 0;
    }
}

// A person's own code, for the queries on their marriages and children:
// nothing when it is Null, not a number, or not positive (0 means nobody, and
// would match every person whose parent is unknown).
std::optional<std::int64_t> personCode(const Value& v) {
    if (v.isNull()) return std::nullopt;
    try {
        const std::int64_t n = v.toInteger(1, INT32_MAX);
        return n;
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

// Ends the busy cursor however the build ends.
class BusyScope {
public:
    explicit BusyScope(ChartView& view) : m_view(view) { m_view.setBusy(true); }
    ~BusyScope() { m_view.setBusy(false); }

private:
    ChartView& m_view;
};

}  // namespace

ChartBuilder::ChartBuilder(FamilyDatabase& database, ChartView& view)
    : m_database(database), m_view(view) {}

QString ChartBuilder::nextKey() {
    return QLatin1Char('M') + QString::number(m_keyCounter++);
}

QString ChartBuilder::personImage(const RecordSet& row) const {
    const bool centre = row.field(QStringLiteral("name")).toText() == m_centerName;
    if (row.field(QStringLiteral("sex")).isTrue())
        return centre ? QStringLiteral("cmale") : QStringLiteral("male");
    return centre ? QStringLiteral("cfemale") : QStringLiteral("female");
}

ChartBuilder::GenerationEntry ChartBuilder::entryFor(const RecordSet& row,
                                                     const QString& parentKey) {
    GenerationEntry entry;
    entry.parentKey = parentKey;
    entry.nodeKey = nextKey();
    entry.code = row.field(QStringLiteral("code"));
    entry.name = row.field(QStringLiteral("name")).toText();
    entry.image = personImage(row);
    return entry;
}

void ChartBuilder::addNode(const QString& parentKey, const QString& key, const QString& text,
                           const QString& image, std::int64_t code) {
    m_view.addNode(ChartNode{key, text, image, parentKey, code});
    ++m_count;
    m_view.setStatusText(chart_texts::progress(m_centerName, m_count));
}

void ChartBuilder::addPerson(const GenerationEntry& entry) {
    addNode(entry.parentKey, entry.nodeKey, entry.name, entry.image,
            personCode(entry.code).value_or(0));
}

ChartBuilder::Outcome ChartBuilder::calac(const QString& center_name, FamilySide side) {
    RecordSet& rs_family = m_database.rs_family();
    rs_family.findFirst(criteria::nameEquals(center_name));
    if (rs_family.noMatch()) return Outcome::NotFound;

    m_centerName = center_name;
    m_count = 0;
    m_keyCounter = 1;
    m_view.setStatusText(chart_texts::starting());
    m_view.clearNodes();
    BusyScope busy(m_view);

    const bool father = side == FamilySide::Father;
    const QString parentField =
        father ? QStringLiteral("Fathercode") : QStringLiteral("Mothercode");
    const QString selector = father ? QStringLiteral("Father") : QStringLiteral("Mother");

    // The root says whether forebears exist above the top generation.
    QString top;
    bool upper = false;
    const std::int16_t p = codeOf(rs_family.field(parentField));
    const std::int16_t c = codeOf(rs_family.field(QStringLiteral("code")));
    if (p == 0) {
        top = queries::personByCode(c);
    } else {
        const std::int16_t g = codeOf(find_no(rs_family, selector, p));
        if (rs_family.noMatch()) {
            // The parent's code names nobody: the person stands alone.
            top = queries::personByCode(c);
        } else if (g == 0) {
            top = queries::personByCode(p);
        } else {
            upper = true;
            top = father ? queries::childrenOfFather(g) : queries::childrenOfMother(g);
        }
    }
    m_view.addNode(upper ? ChartNode{QStringLiteral("Root"), QStringLiteral("upper"),
                                     QStringLiteral("upper"), QString(), 0}
                         : ChartNode{QStringLiteral("Root"), QStringLiteral("no upper"),
                                     QStringLiteral("noupper"), QString(), 0});

    std::vector<GenerationEntry> current;
    RecordSet topRows = m_database.db().openRecordset(top);
    for (; !topRows.eof(); topRows.moveNext())
        current.push_back(entryFor(topRows, QStringLiteral("Root")));
    for (const GenerationEntry& entry : current) {
        addPerson(entry);
        m_view.makeVisible(entry.nodeKey);
    }

    for (int pass = 0; pass < kPasses; ++pass) {
        std::vector<GenerationEntry> next;
        for (const GenerationEntry& entry : current) {
            addMarriages(entry, next);
            addOneParentChildren(entry, next);
        }
        if (next.empty()) break;
        current = std::move(next);
    }

    m_view.setStatusText(chart_texts::total(m_count));
    return Outcome::Built;
}

void ChartBuilder::addMarriages(const GenerationEntry& person, std::vector<GenerationEntry>& next) {
    const std::optional<std::int64_t> code = personCode(person.code);
    if (!code) return;
    RecordSet marriages = m_database.db().openRecordset(queries::marriagesOf(*code));
    for (; !marriages.eof(); marriages.moveNext()) {
        const QString spouseKey = nextKey();
        const bool husband = personCode(marriages.field(QStringLiteral("fathercode"))) == code;
        const std::optional<std::int64_t> s = personCode(
            marriages.field(husband ? QStringLiteral("mothercode") : QStringLiteral("fathercode")));
        RecordSet& rs_family = m_database.rs_family();
        const Value spouseName =
            find_name(rs_family, s && *s <= INT16_MAX ? static_cast<std::int16_t>(*s) : 0);
        // A spouse code that names nobody shows as a marker, not as whoever
        // the cursor happens to stand on.
        const QString text = rs_family.noMatch() ? QStringLiteral("?") : spouseName.toText();
        addNode(person.nodeKey, spouseKey, text,
                husband ? QStringLiteral("wife") : QStringLiteral("husband"),
                rs_family.noMatch() ? 0 : s.value_or(0));
        if (!rs_family.noMatch() && text == m_centerName) m_view.makeVisible(spouseKey);

        if (!s) continue;  // no spouse code: the couple's children cannot be told apart
        RecordSet children = m_database.db().openRecordset(queries::childrenOfCouple(*code, *s));
        addChildren(children, spouseKey, next);
    }
}

void ChartBuilder::addOneParentChildren(const GenerationEntry& person,
                                        std::vector<GenerationEntry>& next) {
    const std::optional<std::int64_t> code = personCode(person.code);
    if (!code) return;
    RecordSet children = m_database.db().openRecordset(queries::childrenOfOneParent(*code));
    if (children.recordCount() == 0) return;
    const QString key = QLatin1Char('M') + QString::number(m_keyCounter);
    const bool male =
        person.image == QLatin1String("male") || person.image == QLatin1String("cmale");
    addNode(person.nodeKey, key, QStringLiteral("?"),
            male ? QStringLiteral("wife") : QStringLiteral("husband"), 0);
    ++m_keyCounter;
    addChildren(children, key, next);
}

void ChartBuilder::addChildren(RecordSet& children, const QString& parentKey,
                               std::vector<GenerationEntry>& next) {
    for (; !children.eof(); children.moveNext()) {
        next.push_back(entryFor(children, parentKey));
        const GenerationEntry& child = next.back();
        addPerson(child);
        if (child.name == m_centerName) m_view.makeVisible(child.nodeKey);
    }
}

}  // namespace kinmora
