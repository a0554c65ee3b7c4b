// Places a forest of boxes of different widths as a tidy tree, in linear time
// (Walker's algorithm as improved by Buchheim, Jünger and Leipert): boxes of
// one depth never overlap and keep their order, each parent is centred over
// its first and last child, and subtrees are pushed together as far as that allows.
#pragma once

#include <vector>

namespace kinmora {

class TidyTree {
public:
    // Gaps between neighbouring boxes of one depth: between siblings, and
    // between boxes of different parents.
    TidyTree(double siblingGap, double cousinGap);

    // Adds a box `width` wide as the last child of box `parent` (-1: a top-level
    // box) and returns its index; a parent must be added before its children.
    int add(int parent, double width);

    // Places every box; afterwards centreX() holds each box's centre, the
    // leftmost box edge lying at 0.
    void layOut();

    double centreX(int box) const { return m_nodes[static_cast<std::size_t>(box) + 1].x; }
    int depth(int box) const { return m_nodes[static_cast<std::size_t>(box) + 1].depth; }
    double width(int box) const { return m_nodes[static_cast<std::size_t>(box) + 1].width; }
    int size() const { return static_cast<int>(m_nodes.size()) - 1; }
    // The width of the whole placed forest.
    double extent() const { return m_extent; }

private:
    struct Node {
        int parent = -1;
        int depth = 0;
        double width = 0;
        std::vector<int> children;
        int number = 0;  // position among its siblings
        double prelim = 0, mod = 0, shift = 0, change = 0, x = 0;
        int thread = -1;
        int ancestor = 0;
    };

    Node& at(int i) { return m_nodes[static_cast<std::size_t>(i)]; }
    int leftSibling(int v);
    int nextLeft(int v);
    int nextRight(int v);
    double distance(int left, int right);
    void firstWalk(int v);
    int apportion(int v, int defaultAncestor);
    void moveSubtree(int left, int right, double shift);
    void executeShifts(int v);
    int ancestorOf(int vim, int v, int defaultAncestor);

    double m_siblingGap;
    double m_cousinGap;
    double m_extent = 0;
    std::vector<Node> m_nodes;  // index 0 is an invisible root above the forest
};

}  // namespace kinmora
