// Contours are followed by threads and subtree shifts are spread lazily
// (change/shift), which keeps the whole placement linear in the number of
// boxes. Box indexes seen by callers are one less than the internal ones:
// internal index 0 is the invisible root that joins the top-level boxes.
#include "picture/tidy_tree.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace kinmora {

TidyTree::TidyTree(double siblingGap, double cousinGap)
    : m_siblingGap(siblingGap), m_cousinGap(cousinGap) {
    m_nodes.emplace_back();
    m_nodes[0].depth = -1;
}

int TidyTree::add(int parent, double width) {
    const int p = parent + 1;
    if (p < 0 || p >= static_cast<int>(m_nodes.size()))
        throw std::out_of_range("tidy tree: no box " + std::to_string(parent));
    const int v = static_cast<int>(m_nodes.size());
    Node node;
    node.parent = p;
    node.depth = at(p).depth + 1;
    node.width = width;
    node.number = static_cast<int>(at(p).children.size());
    node.ancestor = v;
    m_nodes.push_back(std::move(node));
    at(p).children.push_back(v);
    return v - 1;
}

int TidyTree::leftSibling(int v) {
    const Node& n = at(v);
    return n.number == 0 ? -1 : at(n.parent).children[static_cast<std::size_t>(n.number - 1)];
}

int TidyTree::nextLeft(int v) {
    const Node& n = at(v);
    return n.children.empty() ? n.thread : n.children.front();
}

int TidyTree::nextRight(int v) {
    const Node& n = at(v);
    return n.children.empty() ? n.thread : n.children.back();
}

double TidyTree::distance(int left, int right) {
    const double gap = at(left).parent == at(right).parent ? m_siblingGap : m_cousinGap;
    return (at(left).width + at(right).width) / 2 + gap;
}

void TidyTree::firstWalk(int v) {
    Node& node = at(v);
    const int w = leftSibling(v);
    if (node.children.empty()) {
        node.prelim = w < 0 ? 0 : at(w).prelim + distance(w, v);
        return;
    }
    int defaultAncestor = node.children.front();
    // Copied: the recursion below must not hold references into m_nodes' children lists.
    const std::vector<int> children = node.children;
    for (int child : children) {
        firstWalk(child);
        defaultAncestor = apportion(child, defaultAncestor);
    }
    executeShifts(v);
    const double midpoint = (at(children.front()).prelim + at(children.back()).prelim) / 2;
    if (w >= 0) {
        at(v).prelim = at(w).prelim + distance(w, v);
        at(v).mod = at(v).prelim - midpoint;
    } else {
        at(v).prelim = midpoint;
    }
}

int TidyTree::apportion(int v, int defaultAncestor) {
    const int w = leftSibling(v);
    if (w < 0) return defaultAncestor;
    int vip = v, vop = v, vim = w;
    int vom = at(at(v).parent).children.front();
    double sip = at(vip).mod, sop = at(vop).mod, sim = at(vim).mod, som = at(vom).mod;
    while (nextRight(vim) >= 0 && nextLeft(vip) >= 0) {
        vim = nextRight(vim);
        vip = nextLeft(vip);
        vom = nextLeft(vom);
        vop = nextRight(vop);
        at(vop).ancestor = v;
        const double shift = (at(vim).prelim + sim) - (at(vip).prelim + sip) + distance(vim, vip);
        if (shift > 0) {
            moveSubtree(ancestorOf(vim, v, defaultAncestor), v, shift);
            sip += shift;
            sop += shift;
        }
        sim += at(vim).mod;
        sip += at(vip).mod;
        som += at(vom).mod;
        sop += at(vop).mod;
    }
    if (nextRight(vim) >= 0 && nextRight(vop) < 0) {
        at(vop).thread = nextRight(vim);
        at(vop).mod += sim - sop;
    }
    if (nextLeft(vip) >= 0 && nextLeft(vom) < 0) {
        at(vom).thread = nextLeft(vip);
        at(vom).mod += sip - som;
        defaultAncestor = v;
    }
    return defaultAncestor;
}

void TidyTree::moveSubtree(int left, int right, double shift) {
    const double subtrees = at(right).number - at(left).number;
    at(right).change -= shift / subtrees;
    at(right).shift += shift;
    at(left).change += shift / subtrees;
    at(right).prelim += shift;
    at(right).mod += shift;
}

void TidyTree::executeShifts(int v) {
    double shift = 0, change = 0;
    const std::vector<int>& children = at(v).children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Node& w = at(*it);
        w.prelim += shift;
        w.mod += shift;
        change += w.change;
        shift += w.shift + change;
    }
}

int TidyTree::ancestorOf(int vim, int v, int defaultAncestor) {
    const int a = at(vim).ancestor;
    return at(a).parent == at(v).parent ? a : defaultAncestor;
}

void TidyTree::layOut() {
    m_extent = 0;
    if (m_nodes.size() == 1) return;
    firstWalk(0);
    // Second walk without recursion, then shift so the leftmost edge is at 0.
    double left = std::numeric_limits<double>::max(), right = std::numeric_limits<double>::lowest();
    std::vector<std::pair<int, double>> stack{{0, -at(0).prelim}};
    while (!stack.empty()) {
        auto [v, m] = stack.back();
        stack.pop_back();
        Node& n = at(v);
        n.x = n.prelim + m;
        if (v != 0) {
            left = std::min(left, n.x - n.width / 2);
            right = std::max(right, n.x + n.width / 2);
        }
        for (int child : n.children) stack.emplace_back(child, m + n.mod);
    }
    for (Node& n : m_nodes) n.x -= left;
    m_extent = right - left;
}

}  // namespace kinmora
