// Readers trim the spaces around a line's value, so a long text is cut where
// a space neither ends one piece nor starts the next.
#include "export/gedcom_text.h"

#include <QStringEncoder>
#include <algorithm>
#include <cmath>

#include "data/jet_date.h"

namespace kinmora {
namespace {

const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                               "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool isBlank(QChar c) {
    return c.isSpace();
}

// "@" is doubled; control characters (tab aside) would break the line.
bool needsChange(QChar c) {
    const char16_t u = c.unicode();
    return u == u'@' || (u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0);
}

void appendValueLine(QByteArray& out, int level, const char* tag, QStringView value) {
    if (std::any_of(value.begin(), value.end(), needsChange))
        GedcomText::appendLine(out, level, tag, GedcomText::oneLine(value.toString()));
    else
        GedcomText::appendLine(out, level, tag, value);
}

// Whether a grapheme cluster may end before position `i`: not before a
// combining mark (Thai vowels above and below, tone marks), nor before SARA
// AM, which clings to its consonant, nor inside a surrogate pair or around a
// joiner. A full boundary finder also runs a Thai dictionary over every text,
// which made a large export several times slower.
bool isClusterBoundary(QStringView text, qsizetype i) {
    if (i <= 0 || i >= text.size()) return true;
    const QChar c = text[i];
    if (c.isLowSurrogate() || c.unicode() == 0x200D || text[i - 1].unicode() == 0x200D)
        return false;
    if (c.unicode() == 0x0E33 || c.unicode() == 0x0EB3)  // SARA AM, Thai and Lao
        return false;
    const char32_t codePoint = c.isHighSurrogate() && i + 1 < text.size()
                                   ? QChar::surrogateToUcs4(c, text[i + 1])
                                   : c.unicode();
    return !QChar::isMark(codePoint);
}

// The end of the longest piece of `line` from `start` that takes at most
// kMaxPiece characters once "@" is doubled.
qsizetype widthLimit(QStringView line, qsizetype start) {
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
qsizetype pieceEnd(QStringView line, qsizetype start) {
    const qsizetype limit = widthLimit(line, start);
    if (limit == line.size()) return limit;
    qsizetype boundary = limit;
    while (boundary > start && !isClusterBoundary(line, boundary)) --boundary;
    if (boundary <= start) return limit;
    const qsizetype lastBoundary = boundary;
    while (boundary > start && (!isClusterBoundary(line, boundary) || isBlank(line[boundary - 1]) ||
                                isBlank(line[boundary])))
        --boundary;
    return boundary > start ? boundary : lastBoundary;
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
    if (std::none_of(value.begin(), value.end(), needsChange))
        return value;  // nearly every value: shared, not copied
    QString line;
    line.reserve(value.size() + 8);
    for (const QChar c : value) {
        if (c == QLatin1Char('@'))
            line += QLatin1String("@@");
        else if (needsChange(c))
            line += QLatin1Char(' ');
        else
            line += c;
    }
    return line;
}

void GedcomText::appendLine(QByteArray& out, int level, const char* tag, QStringView value) {
    out += static_cast<char>('0' + level);  // levels here never pass 9
    out += ' ';
    out += tag;
    if (!value.isEmpty()) {
        out += ' ';
        // Straight into the buffer: a large export writes tens of megabytes.
        const qsizetype used = out.size();
        out.resize(used + value.size() * 3);
        QStringEncoder utf8(QStringEncoder::Utf8);
        char* end = utf8.appendToBuffer(out.data() + used, value);
        out.resize(end - out.constData());
    }
    out += '\n';
}

void GedcomText::appendText(QByteArray& out, int level, const char* tag, const QString& text) {
    QString normalised = text;
    if (normalised.contains(QLatin1Char('\r'))) {
        normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    bool first = true;
    for (const QStringView line : QStringView(normalised).tokenize(u'\n')) {
        const char* lineTag = first ? tag : "CONT";
        const int lineLevel = first ? level : level + 1;
        first = false;
        if (line.size() * 2 <= kMaxPiece || widthLimit(line, 0) == line.size()) {
            appendValueLine(out, lineLevel, lineTag, line);
            continue;
        }
        for (qsizetype start = 0; start < line.size();) {
            const qsizetype end = pieceEnd(line, start);
            appendValueLine(out, start == 0 ? lineLevel : level + 1, start == 0 ? lineTag : "CONC",
                            line.mid(start, end - start));
            start = end;
        }
    }
}

}  // namespace kinmora
