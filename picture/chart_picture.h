// The family chart laid out as a top-down descendant tree: a box per chart
// node (name and surname, dates under them), spouses beside their partner,
// the couple's children below, and the root's mark as a title line. Sizes are
// in points (1/72 inch); painting and writing it are left to other classes.
#pragma once

#include <QFont>
#include <QHash>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

#include "chart/chart_tree.h"
#include "picture/person_facts.h"
#include "picture/shaped_texts.h"
#include "picture/tidy_tree.h"

namespace kinmora {

class ChartPicture {
public:
    enum class BoxKind { Person, Spouse, UnknownPartner };

    struct Box {
        QString key;  // the chart node's key
        BoxKind kind = BoxKind::Person;
        bool male = false;
        bool centre = false;  // the centre person or a namesake, as the chart marks them
        QString name;         // the first line: name and surname
        QString dates;        // the second line, "" when both dates are unknown
        double nameWidth = 0;
        double datesWidth = 0;
        int nameText = -1;  // the shaped name and dates in shapedTexts()
        int datesText = -1;
        int generation = 0;  // 0 for the top generation
        QRectF rect;
    };

    // Lays out `chart`, exactly its nodes: the root becomes the title line, and
    // every other node a box, in the chart's display order. `facts` gives the
    // surnames, sexes and dates of the persons the nodes stand for.
    static ChartPicture layOut(const ChartTree& chart, const PersonFacts& facts);

    // Boxes in the chart's display order (depth first, children in order).
    const std::vector<Box>& boxes() const { return m_boxes; }
    // Every line: marriage lines between partners, and the lines from a
    // couple down to their children.
    const std::vector<QLineF>& lines() const { return m_lines; }
    const QString& title() const { return m_title; }
    // The title's baseline origin.
    QPointF titleOrigin() const { return m_titleOrigin; }
    // The whole picture, margins included, from (0, 0).
    QSizeF size() const { return m_size; }

    // The fonts the texts were measured in and must be drawn in: pixel sizes
    // in points, a Thai font of the system (the TLWG fonts of Debian first).
    const QFont& font() const { return m_font; }
    const QFont& titleFont() const { return m_titleFont; }
    // The baselines of a box's two lines, from the box's top.
    double nameBaseline() const { return m_nameBaseline; }
    double datesBaseline() const { return m_datesBaseline; }
    // Every box text shaped once, to draw without shaping again.
    const ShapedTexts& shapedTexts() const { return *m_texts; }

private:
    struct Unit;
    // The steps of layOut, in order.
    void setUpFonts();
    double boxHeight() const;
    std::vector<Unit> addBoxes(const ChartTree& chart, const PersonFacts& facts, bool& upper);
    Box boxFor(const ChartNode& node, const PersonFacts& facts);
    void joinUnit(const ChartNode& node, int index, std::vector<Unit>& units,
                  QHash<QString, int>& unitOf, const QHash<QString, int>& boxOf);
    int arrange(std::vector<Unit>& units, TidyTree& tidy) const;
    void placeBoxes(const std::vector<Unit>& units, const TidyTree& tidy, double top,
                    double rowHeight);
    void addForebearLines(const std::vector<Unit>& units, double top);
    void addMarriageLines(const Unit& unit);
    void addChildLines(const Unit& unit, const std::vector<Unit>& units);
    const QRectF& boxRect(int box) const;
    const QRectF& personRect(const std::vector<Unit>& units, int unit) const;

    std::vector<Box> m_boxes;
    std::vector<QLineF> m_lines;
    QString m_title;
    QPointF m_titleOrigin;
    QSizeF m_size;
    QFont m_font;
    QFont m_titleFont;
    double m_nameBaseline = 0;
    double m_datesBaseline = 0;
    std::shared_ptr<ShapedTexts> m_texts;
};

}  // namespace kinmora
