// Builds the family chart around one person: the root node, the top
// generation, then up to four passes of spouses, couples' children and
// children with one unknown parent.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "chart/chart_view.h"
#include "chart/family_side.h"
#include "data/family_database.h"
#include "data/query.h"
#include "data/value.h"

namespace kinmora {

class ChartBuilder {
public:
    enum class Outcome { Built, NotFound };

    ChartBuilder(FamilyDatabase& database, ChartView& view);

    // Rebuilds the chart around the first person of persons named exactly
    // `centreName` (letter case aside), on `side`. Returns NotFound, leaving
    // the view as it was, when nobody has that name. A database error ends
    // the build: the nodes added so far stay, the busy cursor is ended, and
    // the error (FamilyFileError) reaches the caller.
    Outcome build(const QString& centreName, FamilySide side);

    // The number of nodes besides the root that the last build added.
    std::int64_t nodeCount() const { return m_count; }

private:
    // One person waiting for the next pass.
    struct GenerationEntry {
        QString parentKey;
        QString nodeKey;
        Value code;
        QString name;
        bool male = false;
    };
    struct TopGeneration {
        Query query;
        bool upper;  // forebears exist above it
    };

    QString nextKey();
    GenerationEntry entryFor(const RecordSet& row, const QString& parentKey);
    void addNode(const ChartNode& node);
    void addPerson(const GenerationEntry& entry);
    TopGeneration topGeneration(FamilySide side);
    std::vector<GenerationEntry> addTopGeneration(const Query& query);
    std::vector<GenerationEntry> addGeneration(const std::vector<GenerationEntry>& current);
    void addMarriages(const GenerationEntry& person, std::vector<GenerationEntry>& next);
    void addOneParentChildren(const GenerationEntry& person, std::vector<GenerationEntry>& next);
    void addChildren(RecordSet& children, const QString& parentKey,
                     std::vector<GenerationEntry>& next);

    FamilyDatabase& m_database;
    ChartView& m_view;
    QString m_centerName;
    std::int64_t m_keyCounter = 1;
    std::int64_t m_count = 0;
};

}  // namespace kinmora
