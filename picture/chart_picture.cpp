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

#include "picture/tidy_tree.h"

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

enum class NodeKind { Root, Person, Spouse, UnknownPartner };

// What a chart node stands for, told by its image key and text.
NodeKind kindOf(const ChartNode& node) {
    if (node.parentKey.isEmpty()) return NodeKind::Root;
    if (node.image == QLatin1String("wife") || node.image == QLatin1String("husband"))
        return node.code == 0 && node.text == QLatin1String("?") ? NodeKind::UnknownPartner
                                                                 : NodeKind::Spouse;
    return NodeKind::Person;
}

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

// A person's box with the couples beside it, and the children of each couple.
struct Unit {
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
QString centreName(const std::vector<ChartPicture::Box>& boxes) {
    for (const ChartPicture::Box& box : boxes)
        if (box.centre) return box.name;
    return boxes.empty() ? QString() : boxes.front().name;
}

}  // namespace

ChartPicture ChartPicture::layOut(const ChartTree& chart, const PersonFacts& facts,
                                  const Occasion& occasion) {
    ChartPicture pic;
    pic.m_font = pictureFont(kTextSize, false);
    pic.m_texts = std::make_shared<ShapedTexts>(pic.m_font);
    ShapedTexts& texts = *pic.m_texts;
    const double ascent = texts.ascent();
    const double lineHeight = ascent + texts.descent();
    const double boxHeight = 2 * kPadY + 2 * lineHeight;
    pic.m_nameBaseline = kPadY + ascent;
    pic.m_datesBaseline = kPadY + lineHeight + ascent;

    std::vector<Unit> units;
    QHash<QString, int> unitOf;  // person and partner keys to their unit
    QHash<QString, int> boxOf;   // node keys to their box
    bool upper = false;
    for (const ChartTree::Row& row : chart.rows()) {
        const ChartNode& node = *row.node;
        const NodeKind kind = kindOf(node);
        if (kind == NodeKind::Root) {
            upper = node.image == QLatin1String("upper");
            continue;
        }
        Box box;
        box.key = node.key;
        const PersonFacts::Facts* f = facts.find(node.code);
        if (kind == NodeKind::UnknownPartner) {
            box.kind = BoxKind::UnknownPartner;
            box.male = node.image == QLatin1String("husband");
            box.name = node.text;
        } else {
            box.kind = kind == NodeKind::Person ? BoxKind::Person : BoxKind::Spouse;
            if (kind == NodeKind::Person)
                box.male =
                    node.image == QLatin1String("male") || node.image == QLatin1String("cmale");
            else
                box.male = f ? f->male : node.image == QLatin1String("husband");
            box.centre =
                node.image == QLatin1String("cmale") || node.image == QLatin1String("cfemale");
            box.name =
                f && !f->surname.isEmpty() ? node.text + QLatin1Char(' ') + f->surname : node.text;
            box.dates = f ? f->dates : QString();
        }
        box.nameText = texts.add(box.name);
        box.nameWidth = texts.width(box.nameText);
        box.datesText = texts.add(box.dates);
        box.datesWidth = texts.width(box.datesText);
        const double width =
            std::max(kMinBoxWidth, std::max(box.nameWidth, box.datesWidth) + 2 * kPadX);
        box.rect = QRectF(0, 0, width, boxHeight);
        const int index = static_cast<int>(pic.m_boxes.size());
        pic.m_boxes.push_back(std::move(box));
        boxOf.insert(node.key, index);

        const auto parentUnit = unitOf.constFind(node.parentKey);
        const bool underUnit = parentUnit != unitOf.constEnd();
        if (kind == NodeKind::Person || !underUnit) {
            Unit unit;
            unit.boxes.push_back(index);
            if (kind != NodeKind::Person) unit.groups.push_back({index, {}});
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

    TidyTree tidy(kSiblingGap, kCousinGap);
    int generations = 0;
    for (Unit& unit : units) {
        unit.width = -kMarriageGap;
        for (int b : unit.boxes)
            unit.width += pic.m_boxes[static_cast<std::size_t>(b)].rect.width() + kMarriageGap;
        unit.tidyIndex =
            tidy.add(unit.parent < 0 ? -1 : units[static_cast<std::size_t>(unit.parent)].tidyIndex,
                     unit.width);
        generations = std::max(generations, unit.generation + 1);
    }
    tidy.layOut();

    pic.m_heading.emplace(
        PictureHeading::Subject{centreName(pic.m_boxes), occasion.side, upper, occasion.drawn},
        pictureFont(kTitleSize, true), texts, QPointF(kMargin, kMargin));
    const double top =
        pic.m_heading->rect().bottom() + kTitleGap + (upper ? kGenerationGap / 2 : 0);
    const double rowHeight = boxHeight + kGenerationGap;
    for (const Unit& unit : units) {
        double x = kMargin + tidy.centreX(unit.tidyIndex) - unit.width / 2;
        const double y = top + unit.generation * rowHeight;
        for (int b : unit.boxes) {
            Box& box = pic.m_boxes[static_cast<std::size_t>(b)];
            box.generation = unit.generation;
            box.rect.moveTo(x, y);
            x += box.rect.width() + kMarriageGap;
        }
    }

    auto boxAt = [&](int b) -> const QRectF& {
        return pic.m_boxes[static_cast<std::size_t>(b)].rect;
    };
    auto personOf = [&](int u) -> const QRectF& {
        return boxAt(units[static_cast<std::size_t>(u)].boxes.front());
    };
    // The top generation are brothers and sisters when forebears exist above them.
    if (upper) {
        std::vector<int> tops;
        for (std::size_t u = 0; u < units.size(); ++u)
            if (units[u].parent < 0) tops.push_back(static_cast<int>(u));
        if (!tops.empty()) {
            const double busY = top - kGenerationGap / 2;
            const double left = personOf(tops.front()).center().x();
            const double right = personOf(tops.back()).center().x();
            pic.m_lines.emplace_back((left + right) / 2, busY - kGenerationGap / 4,
                                     (left + right) / 2, busY);
            pic.m_lines.emplace_back(left, busY, right, busY);
            for (int u : tops)
                pic.m_lines.emplace_back(personOf(u).center().x(), busY, personOf(u).center().x(),
                                         top);
        }
    }
    for (const Unit& unit : units) {
        for (std::size_t i = 1; i < unit.boxes.size(); ++i) {
            const QRectF& a = boxAt(unit.boxes[i - 1]);
            const QRectF& b = boxAt(unit.boxes[i]);
            pic.m_lines.emplace_back(a.right(), a.center().y(), b.left(), b.center().y());
        }
        const int dropping = static_cast<int>(
            std::count_if(unit.groups.begin(), unit.groups.end(),
                          [](const Unit::Group& g) { return !g.children.empty(); }));
        int nth = 0;
        for (const Unit::Group& group : unit.groups) {
            if (group.children.empty()) continue;
            ++nth;
            const QRectF& first = boxAt(unit.boxes.front());
            double dropX = first.center().x();
            double dropY = first.bottom();
            if (group.partnerBox >= 0 && group.partnerBox != unit.boxes.front()) {
                const QRectF& partner = boxAt(group.partnerBox);
                dropX = partner.left() - kMarriageGap / 2;
                dropY = partner.center().y();
            }
            const QRectF& only = personOf(group.children.front());
            if (group.children.size() == 1 && dropX > only.left() + kPadX &&
                dropX < only.right() - kPadX) {
                // An only child right below the couple: one straight line.
                pic.m_lines.emplace_back(dropX, dropY, dropX, only.top());
                continue;
            }
            // Each couple's lines run at their own height, a later spouse's
            // higher, so that a line dropping from a later marriage ends above
            // the lines of the earlier ones instead of crossing them.
            const double busY =
                first.bottom() + kGenerationGap * (dropping + 1 - nth) / (dropping + 1);
            double left = dropX, right = dropX;
            for (int child : group.children) {
                const double x = personOf(child).center().x();
                left = std::min(left, x);
                right = std::max(right, x);
                pic.m_lines.emplace_back(x, busY, x, personOf(child).top());
            }
            pic.m_lines.emplace_back(dropX, dropY, dropX, busY);
            pic.m_lines.emplace_back(left, busY, right, busY);
        }
    }

    const double width = std::max(tidy.extent(), pic.m_heading->rect().width()) + 2 * kMargin;
    const double height = top + std::max(generations, 1) * rowHeight - kGenerationGap + kMargin;
    pic.m_size = QSizeF(width, height);
    return pic;
}

}  // namespace kinmora
