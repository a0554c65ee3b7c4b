// QPdfWriter writes each glyph run as "BT", a font line, then one
// "x y Td <glyph> Tj" line per glyph (twice over for a font made bold by
// drawing twice) and "ET". A span around the glyph lines gives a reader the
// whole run's text in place of what the glyphs map to one by one.
#include "picture/pdf_actual_text.h"

#include <QFile>
#include <QSaveFile>
#include <optional>

#include "picture/pdf_file.h"

namespace kinmora {
namespace {

QByteArray utf16Hex(const QString& text) {
    QByteArray hex = "FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
    return hex;
}

}  // namespace

void PdfActualText::add(qsizetype glyphs, const QString& text) {
    m_pages.back().push_back({glyphs, text});
}

std::optional<QByteArray> PdfActualText::spanned(const QByteArray& content,
                                                 const std::vector<Run>& runs) {
    QByteArray out;
    out.reserve(content.size() + content.size() / 4);
    qsizetype from = 0;
    std::size_t next = 0;
    for (qsizetype begin = content.indexOf("BT\n"); begin >= 0;
         begin = content.indexOf("BT\n", from)) {
        const qsizetype end = content.indexOf("ET\n", begin);
        if (end < 0 || next == runs.size()) return std::nullopt;
        const qsizetype first = content.indexOf("> Tj\n", begin);
        if (first < 0 || first > end) return std::nullopt;
        const qsizetype firstLine = content.lastIndexOf('\n', first) + 1;
        const qsizetype lastLine = content.lastIndexOf("> Tj\n", end) + 5;
        qsizetype glyphs = 0;
        for (qsizetype i = first; i >= 0 && i < end; i = content.indexOf("> Tj\n", i + 5)) ++glyphs;
        const Run& run = runs[next++];
        if (glyphs != run.glyphs && glyphs != 2 * run.glyphs) return std::nullopt;
        out += content.mid(from, firstLine - from);
        out += "/Span<</ActualText<" + utf16Hex(run.text) + ">>>BDC\n";
        out += content.mid(firstLine, lastLine - firstLine);
        out += "EMC\n";
        from = lastLine;
    }
    if (next != runs.size()) return std::nullopt;
    out += content.mid(from);
    return out;
}

int PdfActualText::applyTo(QByteArray& pdf) const {
    std::optional<PdfFile> file = PdfFile::read(pdf);
    if (!file) return 0;
    const std::vector<int> contents = file->pageContents();
    int given = 0;
    for (std::size_t page = 0; page < contents.size() && page < m_pages.size(); ++page) {
        if (m_pages[page].empty()) continue;
        const std::optional<QByteArray> content = file->streamData(contents[page]);
        if (!content) continue;
        const std::optional<QByteArray> withText = spanned(*content, m_pages[page]);
        if (!withText) continue;
        file->setStreamData(contents[page], *withText);
        given += static_cast<int>(m_pages[page].size());
    }
    if (given > 0) pdf = file->bytes();
    return given;
}

bool PdfActualText::applyToFile(const QString& path) const {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QByteArray pdf = in.readAll();
    in.close();
    if (applyTo(pdf) == 0) return true;
    QSaveFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size() && out.commit();
}

}  // namespace kinmora
