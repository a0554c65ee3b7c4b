// The tidy placement where its exact answer is known: subtrees as close as
// their contours allow, small ones spread evenly between big ones. Order,
// overlaps and centring are checked on generated families in chart_picture_test.
#include "picture/tidy_tree.h"

#include <gtest/gtest.h>

namespace kinmora {
namespace {

constexpr double kSibling = 10;
constexpr double kCousin = 24;
constexpr double kEps = 1e-6;

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
    int kids[4];  // big, small, small, big
    for (int& kid : kids) kid = spread.add(root, 10);
    for (int big : {kids[0], kids[3]}) spread.add(spread.add(big, 300), 10);
    spread.layOut();
    const double step = spread.centreX(kids[1]) - spread.centreX(kids[0]);
    for (int i = 1; i < 3; ++i)
        EXPECT_NEAR(spread.centreX(kids[i + 1]) - spread.centreX(kids[i]), step, kEps);
}

}  // namespace
}  // namespace kinmora
