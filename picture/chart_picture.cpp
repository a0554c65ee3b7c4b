// A couple is placed as one unit: the person's box, then each spouse's box
// (and the "?" box) to the right, joined by the marriage line. The units form
// a tree, the children of every spouse of a person being that person's unit's
// children in chart order, and the tidy tree places the units. Lines to the
// children of one spouse drop from the marriage line just left of that spouse.
#include "picture/chart_picture.h"

#include <QFontDatabase>
#include <QHash>
#include <algorithm>
#include <memory>

namespace kinmora {
namespace {

constexpr double kMargin = 24;
constexpr double kPadX = 7;
constexpr double kPadY = 3;
constexpr double kMinBoxWidth = 40;
constexpr double kMarriageGap = 18;
constexpr double kSiblingGap = 10;
constexpr double kCousinGap = 24;
constexpr double kGenerationGap = 44;  // room for the lines between generations
constexpr double kTitleGap = 16;
constexpr int kTextSize = 10;
constexpr int kTitleSize = 14;

QString thaiFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Loma", "Garuda", "Norasi", "Kinnari", "Tlwg Typo"})
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    for (const QString& family : installed)
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Thai)) return family;
    return QFont().family();
}

QFont pictureFont(int pixelSize, bool bold) {
    static const QString family = thaiFamily();
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

// A person's box with the couples beside it, and the children of each couple.
struct ChartPicture::Unit {
    int parent = -1;
    int generation = 0;
    std::vector<int> boxes;  // the person's box first
    struct Group {
        int partnerBox;  // -1: children hanging from the person's box itself
        std::vector<int> children;
    };
    std::vector<Group> groups;
    double width = 0;
    int tidyIndex = -1;
};

// The centre person's name and surname: the first box the chart marks.
QString ChartPicture::centreName() const {
    for (const Box& box : m_boxes)
        if (box.centre) return box.name;
    return m_boxes.empty() ? QString() : m_boxes.front().name;
}

ChartPicture ChartPicture::layOut(const ChartTree& chart, const PersonFacts& facts,
                                  const Occasion& occasion) {
    ChartPicture pic;
    pic.setUpFonts();
    bool upper = false;
    std::vector<Unit> units = pic.addBoxes(chart, facts, upper);

    TidyTree tidy(kSiblingGap, kCousinGap);
    const int generations = pic.arrange(units, tidy);

    pic.m_heading.emplace(
        PictureHeading::Subject{pic.centreName(), occasion.side, upper, occasion.drawn},
        pictureFont(kTitleSize, true), *pic.m_texts, QPointF(kMargin, kMargin));
    const double top =
        pic.m_heading->rect().bottom() + kTitleGap + (upper ? kGenerationGap / 2 : 0);
    const double rowHeight = pic.boxHeight() + kGenerationGap;
    pic.placeBoxes(units, tidy, top, rowHeight);
    if (upper) pic.addForebearLines(units, top);
    for (const Unit& unit : units) {
        pic.addMarriageLines(unit);
        pic.addChildLines(unit, units);
    }

    const double width = std::max(tidy.extent(), pic.m_heading->rect().width()) + 2 * kMargin;
    const double height = top + std::max(generations, 1) * rowHeight - kGenerationGap + kMargin;
    pic.m_size = QSizeF(width, height);
    return pic;
}

void ChartPicture::setUpFonts() {
    m_font = pictureFont(kTextSize, false);
    m_texts = std::make_shared<ShapedTexts>(m_font);
    const double ascent = m_texts->ascent();
    const double lineHeight = ascent + m_texts->descent();
    m_nameBaseline = kPadY + ascent;
    m_datesBaseline = kPadY + lineHeight + ascent;
}

double ChartPicture::boxHeight() const {
    const double lineHeight = m_texts->ascent() + m_texts->descent();
    return 2 * kPadY + 2 * lineHeight;
}

std::vector<ChartPicture::Unit> ChartPicture::addBoxes(const ChartTree& chart,
                                                       const PersonFacts& facts, bool& upper) {
    std::vector<Unit> units;
    QHash<QString, int> unitOf;  // person and partner keys to their unit
    QHash<QString, int> boxOf;   // node keys to their box
    for (const ChartTree::Row& row : chart.rows()) {
        const ChartNode& node = *row.node;
        if (node.isRoot()) {
            upper = node.role == ChartNode::Role::RootUpper;
            continue;
        }
        const int index = static_cast<int>(m_boxes.size());
        m_boxes.push_back(boxFor(node, facts));
        boxOf.insert(node.key, index);
        joinUnit(node, index, units, unitOf, boxOf);
    }
    return units;
}

ChartPicture::Box ChartPicture::boxFor(const ChartNode& node, const PersonFacts& facts) {
    Box box;
    box.key = node.key;
    const PersonFacts::Facts* f = facts.find(node.code);
    if (node.role == ChartNode::Role::UnknownPartner) {
        box.kind = BoxKind::UnknownPartner;
        box.male = node.isMale();
        box.name = node.text;
    } else {
        const bool person = node.role == ChartNode::Role::Person;
        box.kind = person ? BoxKind::Person : BoxKind::Spouse;
        // A spouse's sex is the one the family file records, when it names them.
        box.male = person || !f ? node.isMale() : f->male;
        box.centre = node.centre;
        box.name =
            f && !f->surname.isEmpty() ? node.text + QLatin1Char(' ') + f->surname : node.text;
        box.dates = f ? f->dates : QString();
    }
    box.nameText = m_texts->add(box.name);
    box.nameWidth = m_texts->width(box.nameText);
    box.datesText = m_texts->add(box.dates);
    box.datesWidth = m_texts->width(box.datesText);
    const double width =
        std::max(kMinBoxWidth, std::max(box.nameWidth, box.datesWidth) + 2 * kPadX);
    box.rect = QRectF(0, 0, width, boxHeight());
    return box;
}

// A person starts a unit of their own, under the unit of the couple above;
// a partner joins the unit of the person they are married to.
void ChartPicture::joinUnit(const ChartNode& node, int index, std::vector<Unit>& units,
                            QHash<QString, int>& unitOf, const QHash<QString, int>& boxOf) {
    const bool person = node.role == ChartNode::Role::Person;
    const auto parentUnit = unitOf.constFind(node.parentKey);
    const bool underUnit = parentUnit != unitOf.constEnd();
    if (person || !underUnit) {
        Unit unit;
        unit.boxes.push_back(index);
        if (!person) unit.groups.push_back({index, {}});
        if (underUnit) {
            unit.parent = *parentUnit;
            unit.generation = units[static_cast<std::size_t>(*parentUnit)].generation + 1;
            Unit& up = units[static_cast<std::size_t>(*parentUnit)];
            const int partner = boxOf.value(node.parentKey);
            const int fromBox = partner == up.boxes.front() ? -1 : partner;
            if (up.groups.empty() || up.groups.back().partnerBox != fromBox)
                up.groups.push_back({fromBox, {}});
            up.groups.back().children.push_back(static_cast<int>(units.size()));
        }
        unitOf.insert(node.key, static_cast<int>(units.size()));
        units.push_back(std::move(unit));
    } else {
        Unit& unit = units[static_cast<std::size_t>(*parentUnit)];
        unit.boxes.push_back(index);
        unit.groups.push_back({index, {}});
        unitOf.insert(node.key, *parentUnit);
    }
}

int ChartPicture::arrange(std::vector<Unit>& units, TidyTree& tidy) const {
    int generations = 0;
    for (Unit& unit : units) {
        unit.width = -kMarriageGap;
        for (int b : unit.boxes) unit.width += boxRect(b).width() + kMarriageGap;
        unit.tidyIndex =
            tidy.add(unit.parent < 0 ? -1 : units[static_cast<std::size_t>(unit.parent)].tidyIndex,
                     unit.width);
        generations = std::max(generations, unit.generation + 1);
    }
    tidy.layOut();
    return generations;
}

void ChartPicture::placeBoxes(const std::vector<Unit>& units, const TidyTree& tidy, double top,
                              double rowHeight) {
    for (const Unit& unit : units) {
        double x = kMargin + tidy.centreX(unit.tidyIndex) - unit.width / 2;
        const double y = top + unit.generation * rowHeight;
        for (int b : unit.boxes) {
            Box& box = m_boxes[static_cast<std::size_t>(b)];
            box.generation = unit.generation;
            box.rect.moveTo(x, y);
            x += box.rect.width() + kMarriageGap;
        }
    }
}

const QRectF& ChartPicture::boxRect(int box) const {
    return m_boxes[static_cast<std::size_t>(box)].rect;
}

const QRectF& ChartPicture::personRect(const std::vector<Unit>& units, int unit) const {
    return boxRect(units[static_cast<std::size_t>(unit)].boxes.front());
}

// The top generation are brothers and sisters when forebears exist above them.
void ChartPicture::addForebearLines(const std::vector<Unit>& units, double top) {
    std::vector<int> tops;
    for (std::size_t u = 0; u < units.size(); ++u)
        if (units[u].parent < 0) tops.push_back(static_cast<int>(u));
    if (tops.empty()) return;
    const double busY = top - kGenerationGap / 2;
    const double left = personRect(units, tops.front()).center().x();
    const double right = personRect(units, tops.back()).center().x();
    m_lines.emplace_back((left + right) / 2, busY - kGenerationGap / 4, (left + right) / 2, busY);
    m_lines.emplace_back(left, busY, right, busY);
    for (int u : tops) {
        const double x = personRect(units, u).center().x();
        m_lines.emplace_back(x, busY, x, top);
    }
}

void ChartPicture::addMarriageLines(const Unit& unit) {
    for (std::size_t i = 1; i < unit.boxes.size(); ++i) {
        const QRectF& a = boxRect(unit.boxes[i - 1]);
        const QRectF& b = boxRect(unit.boxes[i]);
        m_lines.emplace_back(a.right(), a.center().y(), b.left(), b.center().y());
    }
}

void ChartPicture::addChildLines(const Unit& unit, const std::vector<Unit>& units) {
    const int dropping =
        static_cast<int>(std::count_if(unit.groups.begin(), unit.groups.end(),
                                       [](const Unit::Group& g) { return !g.children.empty(); }));
    int nth = 0;
    for (const Unit::Group& group : unit.groups) {
        if (group.children.empty()) continue;
        ++nth;
        const QRectF& first = boxRect(unit.boxes.front());
        double dropX = first.center().x();
        double dropY = first.bottom();
        if (group.partnerBox >= 0 && group.partnerBox != unit.boxes.front()) {
            const QRectF& partner = boxRect(group.partnerBox);
            dropX = partner.left() - kMarriageGap / 2;
            dropY = partner.center().y();
        }
        const QRectF& only = personRect(units, group.children.front());
        if (group.children.size() == 1 && dropX > only.left() + kPadX &&
            dropX < only.right() - kPadX) {
            // An only child right below the couple: one straight line.
            m_lines.emplace_back(dropX, dropY, dropX, only.top());
            continue;
        }
        // Each couple's lines run at their own height, a later spouse's
        // higher, so that a line dropping from a later marriage ends above
        // the lines of the earlier ones instead of crossing them.
        const double busY = first.bottom() + kGenerationGap * (dropping + 1 - nth) / (dropping + 1);
        double left = dropX, right = dropX;
        for (int child : group.children) {
            const double x = personRect(units, child).center().x();
            left = std::min(left, x);
            right = std::max(right, x);
            m_lines.emplace_back(x, busY, x, personRect(units, child).top());
        }
        m_lines.emplace_back(dropX, dropY, dropX, busY);
        m_lines.emplace_back(left, busY, right, busY);
    }
}

}  // namespace kinmora
