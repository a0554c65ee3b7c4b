// Texts are shaped at ten times their size and scaled down, so widths and
// glyph positions keep the font's design proportions on every device.
#include "picture/shaped_texts.h"

#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <algorithm>

namespace kinmora {
namespace {

constexpr int kScale = 10;

}  // namespace

ShapedTexts::ShapedTexts(const QFont& font)
    : m_font(font), m_big(font), m_pixelSize(font.pixelSize()) {
    m_big.setPixelSize(m_pixelSize * kScale);
    m_metrics.emplace(m_big);
}

int ShapedTexts::add(const QString& text) {
    const auto found = m_index.constFind(text);
    if (found != m_index.constEnd()) return *found;
    Text shaped;
    shaped.text = text;
    QTextLayout layout(text, m_big);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(text.size() + 1);  // one line, never wrapped
    layout.endLayout();
    shaped.width = line.naturalTextWidth() / kScale;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    shaped.runTexts = runTexts(layout, runs);
    for (QGlyphRun run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions) p = QPointF(p.x() / kScale, (p.y() - line.ascent()) / kScale);
        run.setRawFont(smallFont(run.rawFont()));
        run.setPositions(positions);
        shaped.runs.append(run);
    }
    const int index = static_cast<int>(m_texts.size());
    m_texts.push_back(std::move(shaped));
    m_index.insert(text, index);
    return index;
}

QStringList ShapedTexts::runTexts(const QTextLayout& layout, const QList<QGlyphRun>& runs) {
    if (runs.size() <= 1) return {layout.text()};
    // Runs in several fonts: the characters of each grapheme go with the
    // run of its font, in order.
    QStringList texts;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, layout.text());
    qsizetype from = 0;
    QRawFont last;
    for (qsizetype to = graphemes.toNextBoundary(); to > 0; to = graphemes.toNextBoundary()) {
        const QList<QGlyphRun> own =
            layout.glyphRuns(static_cast<int>(from), static_cast<int>(to - from));
        if (own.size() != 1) return {};
        const QString part = layout.text().mid(from, to - from);
        if (texts.isEmpty() || !(own.front().rawFont() == last))
            texts << part;
        else
            texts.back() += part;
        last = own.front().rawFont();
        from = to;
    }
    return texts.size() == runs.size() ? texts : QStringList();
}

QRawFont ShapedTexts::smallFont(const QRawFont& big) {
    // A font at a new size is a new font engine: make each one once.
    for (const auto& [from, to] : m_smallFonts)
        if (from == big) return to;
    QRawFont small = big;
    small.setPixelSize(m_pixelSize);
    m_smallFonts.emplace_back(big, small);
    return small;
}

QRectF ShapedTexts::tallest() const {
    return m_metrics->tightBoundingRect(QStringLiteral("ปู่ทวด ญึ่ง ฎุ้ ฐู๋ Äg"));
}

double ShapedTexts::ascent() const {
    return std::max(m_metrics->ascent(), -tallest().top()) / kScale;
}

double ShapedTexts::descent() const {
    return std::max(m_metrics->descent(), tallest().bottom()) / kScale;
}

}  // namespace kinmora
