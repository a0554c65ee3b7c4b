// The tidy placement on many random forests: order kept, no overlaps,
// parents centred, and a few cases whose exact answer is known.
#include "picture/tidy_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace kinmora {
namespace {

constexpr double kSibling = 10;
constexpr double kCousin = 24;
constexpr double kEps = 1e-6;

struct Forest {
    std::vector<int> parent;
    std::vector<std::vector<int>> children;
};

// Boxes of each depth from left to right as they were added depth first.
std::map<int, std::vector<int>> rowsInOrder(const TidyTree& tree, const Forest& forest) {
    std::map<int, std::vector<int>> rows;
    std::vector<int> stack;
    for (int b = static_cast<int>(forest.parent.size()) - 1; b >= 0; --b)
        if (forest.parent[static_cast<std::size_t>(b)] < 0) stack.push_back(b);
    while (!stack.empty()) {
        const int b = stack.back();
        stack.pop_back();
        rows[tree.depth(b)].push_back(b);
        const auto& kids = forest.children[static_cast<std::size_t>(b)];
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) stack.push_back(*it);
    }
    return rows;
}

TEST(TidyTreeTest, RandomForestsKeepOrderNeverOverlapAndCentreParents) {
    std::mt19937 random(13);
    for (int round = 0; round < 300; ++round) {
        TidyTree tree(kSibling, kCousin);
        Forest forest;
        const int boxes = 1 + static_cast<int>(random() % 120);
        for (int b = 0; b < boxes; ++b) {
            // Mostly deep, bushy trees; now and then a new top-level box.
            const int parent = b == 0 || random() % 10 == 0 ? -1 : static_cast<int>(random() % b);
            const double width = 20 + random() % 200;
            ASSERT_EQ(tree.add(parent, width), b);
            forest.parent.push_back(parent);
            forest.children.emplace_back();
            if (parent >= 0) forest.children[static_cast<std::size_t>(parent)].push_back(b);
        }
        tree.layOut();

        double left = 1e300, right = -1e300;
        for (const auto& [depth, row] : rowsInOrder(tree, forest))
            for (std::size_t i = 0; i < row.size(); ++i) {
                const int b = row[i];
                left = std::min(left, tree.centreX(b) - tree.width(b) / 2);
                right = std::max(right, tree.centreX(b) + tree.width(b) / 2);
                if (i == 0) continue;
                const int a = row[i - 1];
                const bool siblings = forest.parent[static_cast<std::size_t>(a)] ==
                                      forest.parent[static_cast<std::size_t>(b)];
                const double least =
                    (tree.width(a) + tree.width(b)) / 2 + (siblings ? kSibling : kCousin);
                ASSERT_GE(tree.centreX(b) - tree.centreX(a), least - kEps)
                    << "round " << round << ", boxes " << a << " and " << b << " at depth "
                    << depth;
            }
        EXPECT_NEAR(left, 0, kEps);
        EXPECT_NEAR(right - left, tree.extent(), kEps);
        for (int b = 0; b < boxes; ++b) {
            const auto& kids = forest.children[static_cast<std::size_t>(b)];
            if (kids.empty()) continue;
            ASSERT_NEAR(tree.centreX(b),
                        (tree.centreX(kids.front()) + tree.centreX(kids.back())) / 2, kEps)
                << "round " << round << ", box " << b;
        }
    }
}

TEST(TidyTreeTest, SubtreesArePushedTogetherAsFarAsTheirContoursAllow) {
    // Two top-level boxes, the first with a wide child row: the second box
    // sits at the least distance its own row allows, not beyond the children.
    TidyTree tree(kSibling, kCousin);
    const int a = tree.add(-1, 50);
    tree.add(a, 100);
    tree.add(a, 100);
    const int b = tree.add(-1, 50);
    tree.layOut();
    // Children centres 0 and 110 (under a at 55); b must clear a only.
    EXPECT_NEAR(tree.centreX(b) - tree.centreX(a), 50 + kSibling, kEps);
    EXPECT_NEAR(tree.extent(), 210, kEps);

    // Two leaves with a deep tree on each side: the small middle subtrees
    // spread evenly in the room the big ones leave (Walker's correction).
    TidyTree spread(kSibling, kCousin);
    const int root = spread.add(-1, 10);
    const int big1 = spread.add(root, 10);
    const int mid1 = spread.add(root, 10);
    const int mid2 = spread.add(root, 10);
    const int big2 = spread.add(root, 10);
    for (int big : {big1, big2}) {
        const int c = spread.add(big, 300);
        spread.add(c, 10);
    }
    spread.layOut();
    const double step1 = spread.centreX(mid1) - spread.centreX(big1);
    const double step2 = spread.centreX(mid2) - spread.centreX(mid1);
    const double step3 = spread.centreX(big2) - spread.centreX(mid2);
    EXPECT_NEAR(step1, step2, kEps);
    EXPECT_NEAR(step2, step3, kEps);
}

}  // namespace
}  // namespace kinmora
