// Readers trim the spaces around a line's value, so a long text is cut where
// a space neither ends one piece nor starts the next.
#include "export/gedcom_text.h"

#include <QTextBoundaryFinder>
#include <cmath>

#include "data/jet_date.h"

namespace kinmora {
namespace {

const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                               "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool isBlank(QChar c) {
    return c.isSpace();
}

// The end of the longest piece of `line` from `start` that takes at most
// kMaxPiece characters once "@" is doubled.
qsizetype widthLimit(const QString& line, qsizetype start) {
    qsizetype width = 0;
    qsizetype end = start;
    while (end < line.size()) {
        const qsizetype next = width + (line[end] == QLatin1Char('@') ? 2 : 1);
        if (next > GedcomText::kMaxPiece) break;
        width = next;
        ++end;
    }
    return end;
}

// Where to end a piece of `line` that starts at `start` and does not fit:
// the last grapheme boundary within the limit with no space on either side;
// failing that, the last grapheme boundary; failing that (one cluster longer
// than a line), the limit itself.
qsizetype pieceEnd(const QString& line, QTextBoundaryFinder& graphemes, qsizetype start) {
    const qsizetype limit = widthLimit(line, start);
    if (limit == line.size()) return limit;
    graphemes.setPosition(limit);
    qsizetype boundary = graphemes.isAtBoundary() ? limit : graphemes.toPreviousBoundary();
    if (boundary <= start) return limit;
    const qsizetype lastBoundary = boundary;
    while (boundary > start && (isBlank(line[boundary - 1]) || isBlank(line[boundary]))) {
        graphemes.setPosition(boundary);
        boundary = graphemes.toPreviousBoundary();
    }
    return boundary > start ? boundary : lastBoundary;
}

void appendLine(QByteArray& out, int level, const char* tag, QStringView value) {
    out += QByteArray::number(level);
    out += ' ';
    out += tag;
    if (!value.isEmpty()) {
        out += ' ';
        out += value.toUtf8();
    }
    out += '\n';
}

}  // namespace

QString GedcomText::date(JetDate date) {
    const QDate day = jetDateToDateTime(JetDate{std::floor(date.days)}).date();
    return QStringLiteral("%1 %2 %3")
        .arg(day.day())
        .arg(QLatin1String(kMonths[day.month() - 1]))
        .arg(day.year());
}

QString GedcomText::oneLine(const QString& value) {
    QString line;
    line.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('@'))
            line += QLatin1String("@@");
        else if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            line += QLatin1Char(' ');
        else
            line += c;
    }
    return line;
}

void GedcomText::appendText(QByteArray& out, int level, const char* tag, const QString& text) {
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        const char* lineTag = n == 0 ? tag : "CONT";
        const int lineLevel = n == 0 ? level : level + 1;
        if (line.size() * 2 <= kMaxPiece || widthLimit(line, 0) == line.size()) {
            appendLine(out, lineLevel, lineTag, oneLine(line));
            continue;
        }
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
        for (qsizetype start = 0; start < line.size();) {
            const qsizetype end = pieceEnd(line, graphemes, start);
            appendLine(out, start == 0 ? lineLevel : level + 1, start == 0 ? lineTag : "CONC",
                       oneLine(line.mid(start, end - start)));
            start = end;
        }
    }
}

}  // namespace kinmora
