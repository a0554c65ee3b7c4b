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
const QString kRootKey = QStringLiteral("Root");

// A person code as the queries use it. Null, and numbers outside the 16-bit
// range a code lives in, stand for nobody (0).
std::int16_t codeOf(const Value& v) {
    return static_cast<std::int16_t>(v.wholeNumber(INT16_MIN, INT16_MAX).value_or(0));
}

// A person's own code, for the queries on their marriages and children:
// nothing when it is Null, not a number, or not positive (0 means nobody, and
// would match every person whose parent is unknown).
std::optional<std::int64_t> personCode(const Value& v) {
    return v.wholeNumber(1, INT32_MAX);
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

ChartBuilder::GenerationEntry ChartBuilder::entryFor(const RecordSet& row,
                                                     const QString& parentKey) {
    GenerationEntry entry;
    entry.parentKey = parentKey;
    entry.nodeKey = nextKey();
    entry.code = row.field(QStringLiteral("code"));
    entry.name = row.field(QStringLiteral("name")).toText();
    entry.male = row.field(QStringLiteral("sex")).isTrue();
    return entry;
}

void ChartBuilder::addNode(const ChartNode& node) {
    m_view.addNode(node);
    ++m_count;
    m_view.setStatusText(chart_texts::progress(m_centerName, m_count));
}

void ChartBuilder::addPerson(const GenerationEntry& entry) {
    const bool centre = entry.name == m_centerName;
    const QString image = entry.male
                              ? (centre ? QStringLiteral("cmale") : QStringLiteral("male"))
                              : (centre ? QStringLiteral("cfemale") : QStringLiteral("female"));
    addNode(ChartNode{entry.nodeKey, entry.name, image, entry.parentKey, ChartNode::Kind::Person,
                      personCode(entry.code).value_or(0)});
}

ChartBuilder::Outcome ChartBuilder::build(const QString& centreName, FamilySide side) {
    RecordSet& persons = m_database.persons();
    if (!persons.findFirst(criteria::nameEquals(centreName))) return Outcome::NotFound;

    m_centerName = centreName;
    m_count = 0;
    m_keyCounter = 1;
    m_view.setStatusText(chart_texts::starting());
    m_view.clearNodes();
    BusyScope busy(m_view);

    const TopGeneration top = topGeneration(side);
    m_view.addNode(top.upper
                       ? ChartNode{kRootKey, QStringLiteral("upper"), QStringLiteral("upper"),
                                   QString(), ChartNode::Kind::RootUpper}
                       : ChartNode{kRootKey, QStringLiteral("no upper"), QStringLiteral("noupper"),
                                   QString(), ChartNode::Kind::RootNoUpper});
    std::vector<GenerationEntry> current = addTopGeneration(top.query);
    for (int pass = 0; pass < kPasses && !current.empty(); ++pass) current = addGeneration(current);

    m_view.setStatusText(chart_texts::total(m_count));
    return Outcome::Built;
}

// The persons the chart starts from, persons standing on the centre
// person: the centre's grandparent's children on `side` when the
// grandparent is known, else the parent, else the centre alone.
ChartBuilder::TopGeneration ChartBuilder::topGeneration(FamilySide side) {
    RecordSet& persons = m_database.persons();
    const std::int16_t p = codeOf(persons.field(parentCodeField(side)));
    const std::int16_t c = codeOf(persons.field(QStringLiteral("code")));
    if (p == 0) return {queries::personByCode(c), false};
    const std::optional<Value> grandparent = parentCodeOf(persons, side, p);
    if (!grandparent)  // the parent's code names nobody: the person stands alone
        return {queries::personByCode(c), false};
    const std::int16_t g = codeOf(*grandparent);
    if (g == 0) return {queries::personByCode(p), false};
    return {
        side == FamilySide::Father ? queries::childrenOfFather(g) : queries::childrenOfMother(g),
        true};
}

std::vector<ChartBuilder::GenerationEntry> ChartBuilder::addTopGeneration(const Query& query) {
    std::vector<GenerationEntry> top;
    RecordSet rows = m_database.db().recordSet(query);
    for (; !rows.atEnd(); rows.next()) top.push_back(entryFor(rows, kRootKey));
    for (const GenerationEntry& entry : top) {
        addPerson(entry);
        m_view.makeVisible(entry.nodeKey);
    }
    return top;
}

std::vector<ChartBuilder::GenerationEntry> ChartBuilder::addGeneration(
    const std::vector<GenerationEntry>& current) {
    std::vector<GenerationEntry> next;
    for (const GenerationEntry& entry : current) {
        addMarriages(entry, next);
        addOneParentChildren(entry, next);
    }
    return next;
}

void ChartBuilder::addMarriages(const GenerationEntry& person, std::vector<GenerationEntry>& next) {
    const std::optional<std::int64_t> code = personCode(person.code);
    if (!code) return;
    RecordSet marriages = m_database.db().recordSet(queries::marriagesOf(*code));
    for (; !marriages.atEnd(); marriages.next()) {
        const QString spouseKey = nextKey();
        const bool husband = personCode(marriages.field(QStringLiteral("fathercode"))) == code;
        const std::optional<std::int64_t> s = personCode(
            marriages.field(husband ? QStringLiteral("mothercode") : QStringLiteral("fathercode")));
        const std::optional<Value> spouseName = nameOfCode(
            m_database.persons(), s && *s <= INT16_MAX ? static_cast<std::int16_t>(*s) : 0);
        // A spouse code that names nobody shows as a marker, not as whoever
        // the cursor happens to stand on.
        const QString text = spouseName ? spouseName->toText() : QStringLiteral("?");
        addNode(ChartNode{
            spouseKey, text, husband ? QStringLiteral("wife") : QStringLiteral("husband"),
            person.nodeKey, spouseName ? ChartNode::Kind::Spouse : ChartNode::Kind::Unknown,
            spouseName ? s.value_or(0) : 0});
        if (spouseName && text == m_centerName) m_view.makeVisible(spouseKey);

        if (!s) continue;  // no spouse code: the couple's children cannot be told apart
        RecordSet children = m_database.db().recordSet(queries::childrenOfCouple(*code, *s));
        addChildren(children, spouseKey, next);
    }
}

void ChartBuilder::addOneParentChildren(const GenerationEntry& person,
                                        std::vector<GenerationEntry>& next) {
    const std::optional<std::int64_t> code = personCode(person.code);
    if (!code) return;
    RecordSet children = m_database.db().recordSet(queries::childrenOfOneParent(*code));
    if (children.recordCount() == 0) return;
    const QString key = nextKey();
    addNode(ChartNode{key, QStringLiteral("?"),
                      person.male ? QStringLiteral("wife") : QStringLiteral("husband"),
                      person.nodeKey, ChartNode::Kind::Unknown});
    addChildren(children, key, next);
}

void ChartBuilder::addChildren(RecordSet& children, const QString& parentKey,
                               std::vector<GenerationEntry>& next) {
    for (; !children.atEnd(); children.next()) {
        next.push_back(entryFor(children, parentKey));
        const GenerationEntry& child = next.back();
        addPerson(child);
        if (child.name == m_centerName) m_view.makeVisible(child.nodeKey);
    }
}

}  // namespace kinmora
