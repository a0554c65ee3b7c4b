// The heading reads as a Thai title page would: the title, a line of notes,
// then the legend, each a line of its own.
#include "picture/picture_heading.h"

#include <algorithm>
#include <array>

namespace kinmora {
namespace {

constexpr double kLineGap = 4;
constexpr double kSwatchWidth = 16;
constexpr double kSwatchGap = 4;  // between a swatch and its label
constexpr double kKeyGap = 14;    // between one key and the next

}  // namespace

QString PictureHeading::thaiDate(QDate date) {
    static const std::array<const char*, 12> kMonths = {"มกราคม",  "กุมภาพันธ์", "มีนาคม",    "เมษายน",
                                                        "พฤษภาคม", "มิถุนายน",  "กรกฎาคม",  "สิงหาคม",
                                                        "กันยายน",  "ตุลาคม",   "พฤศจิกายน", "ธันวาคม"};
    return QStringLiteral("%1 %2 พ.ศ. %3")
        .arg(date.day())
        .arg(QString::fromUtf8(kMonths[static_cast<std::size_t>(date.month() - 1)]))
        .arg(date.year() + 543);
}

PictureHeading::PictureHeading(const Subject& subject, const QFont& titleFont, ShapedTexts& texts,
                               QPointF topLeft)
    : m_titleTexts(std::make_shared<ShapedTexts>(titleFont)) {
    m_title =
        QStringLiteral("ผังเครือญาติของ %1 · %2")
            .arg(subject.person, subject.side == FamilySide::Father ? QStringLiteral("ฝ่ายบิดา")
                                                                    : QStringLiteral("ฝ่ายมารดา"));
    const QString note = (subject.forebears ? QStringLiteral("มีบรรพบุรุษอยู่เหนือผังนี้")
                                            : QStringLiteral("ไม่มีบรรพบุรุษเหนือผังนี้")) +
                         QStringLiteral(" · วาดเมื่อ ") + thaiDate(subject.drawn);

    double y = topLeft.y() + m_titleTexts->ascent();
    m_titleLine = {m_titleTexts->add(m_title), QPointF(topLeft.x(), y)};
    double width = m_titleTexts->width(m_titleLine.text);
    y += m_titleTexts->descent() + kLineGap + texts.ascent();
    m_noteLine = {texts.add(note), QPointF(topLeft.x(), y)};
    width = std::max(width, texts.width(m_noteLine.text));
    y += texts.descent() + kLineGap + texts.ascent();

    const std::pair<Look, QString> keys[] = {
        {Look::Male, QStringLiteral("ชาย")},
        {Look::Female, QStringLiteral("หญิง")},
        {Look::Centre, QStringLiteral("คนที่ผังนี้วาดรอบ และผู้มีชื่อเดียวกัน")},
        {Look::UnknownPartner, QStringLiteral("คู่ครองที่ไม่รู้จัก (?)")},
    };
    double x = topLeft.x();
    const double swatchHeight = texts.ascent() * 0.8;
    for (const auto& [look, label] : keys) {
        const QRectF swatch(x, y - swatchHeight, kSwatchWidth, swatchHeight);
        x += kSwatchWidth + kSwatchGap;
        const Line line{texts.add(label), QPointF(x, y)};
        x += texts.width(line.text);
        m_keys.push_back({look, swatch, line});
        width = std::max(width, x - topLeft.x());
        x += kKeyGap;
    }
    y += texts.descent();
    m_rect = QRectF(topLeft, QPointF(topLeft.x() + width, y));
}

}  // namespace kinmora
