// The spelling of values in a GEDCOM file: dates, one-line values and long
// texts broken into CONT and CONC lines.
#pragma once

#include <QByteArray>
#include <QString>

#include "data/value.h"

namespace kinmora {

class GedcomText {
public:
    // The most characters a CONC piece carries, so that "n CONC " and the
    // piece fit the 255 characters of a GEDCOM line.
    static constexpr int kMaxPiece = 248;

    // The calendar day of `date` as GEDCOM writes it ("8 FEB 1880"); the time
    // of day is dropped.
    static QString date(JetDate date);

    // A value for one line: "@" doubled as GEDCOM asks, line breaks and other
    // control characters (tab aside) turned into spaces.
    static QString oneLine(const QString& value);

    // Appends "level tag text" to `out` as UTF-8 lines: each line break of
    // `text` starts a "level+1 CONT" line, and lines longer than kMaxPiece
    // characters go on in "level+1 CONC" lines. A piece never ends inside a
    // grapheme cluster (a Thai consonant keeps its vowels and tone marks) and,
    // where the text allows, never starts or ends with a space, which readers
    // drop. "@" is doubled.
    static void appendText(QByteArray& out, int level, const char* tag, const QString& text);

    // Appends "level tag value" and a line break to `out`, UTF-8, the value
    // as it stands (nothing after the tag when it is empty).
    static void appendLine(QByteArray& out, int level, const char* tag, QStringView value);
};

}  // namespace kinmora
