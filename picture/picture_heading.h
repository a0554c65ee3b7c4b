// The heading over a chart picture, all in Thai: whose chart it is and on
// which side, whether forebears exist above it, the day it was drawn in the
// Buddhist era, and a legend of the boxes' looks.
#pragma once

#include <QDate>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

#include "chart/family_side.h"
#include "picture/shaped_texts.h"

namespace kinmora {

class PictureHeading {
public:
    // The looks a box can have, as the legend shows them.
    enum class Look { Male, Female, Centre, UnknownPartner };

    struct Subject {
        QString person;  // the centre person's name and surname
        FamilySide side = FamilySide::Father;
        bool forebears = false;  // forebears exist above the chart
        QDate drawn;
    };
    // One line of text: its index in the texts it was shaped in, and its
    // baseline's start.
    struct Line {
        int text = -1;
        QPointF origin;
    };
    struct Key {
        Look look;
        QRectF swatch;
        Line label;
    };

    // Lays the heading out from `topLeft` down: the title in `titleFont`,
    // the rest shaped into `texts` (the boxes' texts).
    PictureHeading(const Subject& subject, const QFont& titleFont, ShapedTexts& texts,
                   QPointF topLeft);

    // "ผังเครือญาติของ ภูมิ ใจดี · ฝ่ายบิดา"
    const QString& title() const { return m_title; }
    // The title, shaped in titleTexts().
    Line titleLine() const { return m_titleLine; }
    // Forebears and the day, shaped in the boxes' texts.
    Line noteLine() const { return m_noteLine; }
    const std::vector<Key>& keys() const { return m_keys; }
    const ShapedTexts& titleTexts() const { return *m_titleTexts; }
    // From the top left corner given, to the bottom of the legend.
    QRectF rect() const { return m_rect; }

    // "7 ธันวาคม พ.ศ. 2569"
    static QString thaiDate(QDate date);

private:
    QString m_title;
    std::shared_ptr<ShapedTexts> m_titleTexts;
    Line m_titleLine;
    Line m_noteLine;
    std::vector<Key> m_keys;
    QRectF m_rect;
};

}  // namespace kinmora
