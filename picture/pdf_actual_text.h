// The text that each text object of a PDF stands for, recorded while the
// picture is painted and written into the file afterwards as ActualText, so
// that a reader's search and copy give the Thai that was written whatever
// glyphs the font drew it with (ำ as two glyphs, marks moved aside).
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace kinmora {

class PdfActualText {
public:
    // The next glyph run painted on the current page: `glyphs` glyphs that
    // stand for `text`.
    void add(qsizetype glyphs, const QString& text);
    // Later runs are on the next page.
    void newPage() { m_pages.emplace_back(); }

    // Wraps every text object of `pdf` (as QPdfWriter writes it, one text
    // object per glyph run painted) in a span whose ActualText is the text
    // recorded for it. A page whose text objects do not match the runs
    // recorded for it, in number or in glyphs, is left as it is. Returns
    // the number of text objects given their text.
    int applyTo(QByteArray& pdf) const;
    // The same for the PDF file at `path`, such as one a printer wrote.
    // Returns false when the file cannot be read or written back.
    bool applyToFile(const QString& path) const;

private:
    struct Run {
        qsizetype glyphs;
        QString text;
    };
    static std::optional<QByteArray> spanned(const QByteArray& content,
                                             const std::vector<Run>& runs);

    std::vector<std::vector<Run>> m_pages{1};
};

}  // namespace kinmora
