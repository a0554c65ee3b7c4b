// The family chart laid out as a top-down descendant tree: a box per chart
// node (name and surname, dates under them), spouses beside their partner,
// the couple's children below, and a heading above. Sizes are
// in points (1/72 inch); painting and writing it are left to other classes.
#pragma once

#include <QDate>
#include <QFont>
#include <QHash>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "chart/chart_tree.h"
#include "chart/family_side.h"
#include "picture/person_facts.h"
#include "picture/picture_heading.h"
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

    // What the heading says besides what the chart holds.
    struct Occasion {
        FamilySide side = FamilySide::Father;
        QDate drawn = QDate::currentDate();
    };

    // Lays out `chart`, exactly its nodes: the root tells the heading whether
    // forebears exist above the chart, and every other node becomes a box, in
    // the chart's display order. `facts` gives the surnames, sexes and dates
    // of the persons the nodes stand for.
    static ChartPicture layOut(const ChartTree& chart, const PersonFacts& facts,
                               const Occasion& occasion);
    // On the father's side, drawn today.
    static ChartPicture layOut(const ChartTree& chart, const PersonFacts& facts) {
        return layOut(chart, facts, Occasion());
    }

    // Boxes in the chart's display order (depth first, children in order).
    const std::vector<Box>& boxes() const { return m_boxes; }
    // Every line: marriage lines between partners, and the lines from a
    // couple down to their children.
    const std::vector<QLineF>& lines() const { return m_lines; }
    // The heading's title, which the file's own title repeats.
    const QString& title() const { return m_heading->title(); }
    // The title, notes and legend above the chart.
    const PictureHeading& heading() const { return *m_heading; }
    // The whole picture, margins included, from (0, 0).
    QSizeF size() const { return m_size; }

    // The fonts the texts were measured in and must be drawn in: pixel sizes
    // in points, a Thai font of the system (the TLWG fonts of Debian first).
    const QFont& font() const { return m_font; }
    // The baselines of a box's two lines, from the box's top.
    double nameBaseline() const { return m_nameBaseline; }
    double datesBaseline() const { return m_datesBaseline; }
    // Every box text shaped once, to draw without shaping again.
    const ShapedTexts& shapedTexts() const { return *m_texts; }

private:
    struct Unit;
    QString centreName() const;
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
    std::optional<PictureHeading> m_heading;
    QSizeF m_size;
    QFont m_font;
    double m_nameBaseline = 0;
    double m_datesBaseline = 0;
    std::shared_ptr<ShapedTexts> m_texts;
};

}  // namespace kinmora
