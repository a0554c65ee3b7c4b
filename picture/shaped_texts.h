// The texts of a chart picture shaped once each: their widths and their
// glyphs, ready to draw without shaping them again for every device.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <optional>
#include <vector>

namespace kinmora {

class ShapedTexts {
public:
    // `font` has its pixel size in points.
    explicit ShapedTexts(const QFont& font);

    // The index of `text`, shaped on first sight; names and surnames repeat a
    // great deal, so most texts are shaped once for many boxes.
    int add(const QString& text);
    // The text `index` stands for.
    const QString& text(int index) const { return m_texts[static_cast<std::size_t>(index)].text; }
    // The font the texts were shaped for, its pixel size in points.
    const QFont& font() const { return m_font; }
    // The width of text `index` in points.
    double width(int index) const { return m_texts[static_cast<std::size_t>(index)].width; }
    // The glyphs of text `index`, in points, the baseline's start at (0, 0).
    const QList<QGlyphRun>& runs(int index) const {
        return m_texts[static_cast<std::size_t>(index)].runs;
    }
    // The characters run `run` of text `index` stands for; empty where the
    // text's runs could not be told apart.
    const QString& runText(int index, int run) const {
        const Text& text = m_texts[static_cast<std::size_t>(index)];
        static const QString none;
        return run < text.runTexts.size() ? text.runTexts[run] : none;
    }

    // Room above and below the baseline for Thai with marks stacked over and
    // under the consonants (at least the font's own ascent and descent).
    double ascent() const;
    double descent() const;

private:
    struct Text {
        QString text;
        double width = 0;
        QList<QGlyphRun> runs;
        QStringList runTexts;
    };
    static QStringList runTexts(const QTextLayout& layout, const QList<QGlyphRun>& runs);
    QRectF tallest() const;
    QRawFont smallFont(const QRawFont& big);

    QFont m_font;
    QFont m_big;  // the font at ten times its size, where hinting rounds nothing
    std::optional<QFontMetricsF> m_metrics;
    int m_pixelSize;
    QHash<QString, int> m_index;
    std::vector<Text> m_texts;
    std::vector<std::pair<QRawFont, QRawFont>> m_smallFonts;
};

}  // namespace kinmora
