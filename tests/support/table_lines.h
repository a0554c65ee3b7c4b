// A table sink that keeps every table as text lines, for comparing what two
// ways of reading give.
#pragma once

#include <QStringList>
#include <stdexcept>

#include "data/table_sink.h"

namespace kinmora::testing {

// "name|column:type,...", then "kind=text|..." per row, then "end".
class TableLines : public TableSink {
public:
    void beginTable(const TableSchema& schema) override {
        QStringList names;
        for (const ColumnInfo& c : schema.columns)
            names << c.name + QLatin1Char(':') + QString::number(static_cast<int>(c.type));
        lines << schema.name + QLatin1Char('|') + names.join(QLatin1Char(','));
    }
    void row(std::span<const Value> values) override {
        QStringList cells;
        for (const Value& v : values)
            cells << QString::number(static_cast<int>(v.kind())) + QLatin1Char('=') + v.toText();
        lines << cells.join(QLatin1Char('|'));
        if (++rows == failAfter) throw std::runtime_error("the sink gave up");
    }
    void endTable() override { lines << QStringLiteral("end"); }

    QStringList lines;
    int rows = 0;
    int failAfter = -1;  // throws on that row, as a sink that fails midway
};

}  // namespace kinmora::testing
