#include "grid/model/ExtentList.h"

#include <climits>
#include <utility>

struct ExtentList::Node {
    int index = 0;
    int size = 0;
    std::uint32_t priority = 0;
    std::int64_t own = 0;   // the size less the default
    std::int64_t delta = 0; // of the sizes in this subtree
    std::size_t count = 1;
    Tree left;
    Tree right;
};

ExtentList::ExtentList(int defaultSize) : default_(defaultSize) {}
ExtentList::~ExtentList() = default;
ExtentList::ExtentList(ExtentList&&) noexcept = default;
ExtentList& ExtentList::operator=(ExtentList&&) noexcept = default;

void ExtentList::update(Node& node) {
    // The differences are kept against the default the node was made with; a new default
    // drops every node, so that is always the current one.
    node.count = 1;
    node.delta = node.own;
    for (const Tree* child : {&node.left, &node.right}) {
        if (*child) {
            node.count += (*child)->count;
            node.delta += (*child)->delta;
        }
    }
}

void ExtentList::split(Tree tree, int index, Tree& below, Tree& rest) {
    if (!tree) {
        below.reset();
        rest.reset();
        return;
    }
    if (tree->index < index) {
        Tree right;
        split(std::move(tree->right), index, right, rest);
        tree->right = std::move(right);
        below = std::move(tree);
        update(*below);
    } else {
        Tree left;
        split(std::move(tree->left), index, below, left);
        tree->left = std::move(left);
        rest = std::move(tree);
        update(*rest);
    }
}

ExtentList::Tree ExtentList::merge(Tree left, Tree right) {
    if (!left) {
        return right;
    }
    if (!right) {
        return left;
    }
    if (left->priority > right->priority) {
        left->right = merge(std::move(left->right), std::move(right));
        update(*left);
        return left;
    }
    right->left = merge(std::move(left), std::move(right->left));
    update(*right);
    return right;
}

std::uint32_t ExtentList::nextPriority() {
    // xorshift32: the same tree shape on every run.
    random_ ^= random_ << 13;
    random_ ^= random_ >> 17;
    random_ ^= random_ << 5;
    return random_;
}

const ExtentList::Node* ExtentList::find(int index) const {
    const Node* node = root_.get();
    while (node && node->index != index) {
        node = index < node->index ? node->left.get() : node->right.get();
    }
    return node;
}

bool ExtentList::setDefaultSize(int size) {
    if (size == default_ && !root_) {
        return false;
    }
    default_ = size;
    root_.reset();
    return true;
}

int ExtentList::size(int index) const {
    const Node* node = find(index);
    return node ? node->size : default_;
}

bool ExtentList::setSize(int index, int size) {
    if (this->size(index) == size) {
        return false;
    }
    Tree below;
    Tree rest;
    split(std::move(root_), index, below, rest);
    Tree at;
    Tree above;
    if (index == INT_MAX) {
        at = std::move(rest);
    } else {
        split(std::move(rest), index + 1, at, above);
    }
    if (size != default_) {
        if (!at) {
            at = std::make_unique<Node>();
            at->index = index;
            at->priority = nextPriority();
        }
        at->size = size;
        at->own = static_cast<std::int64_t>(size) - default_;
        update(*at);
    } else {
        at.reset();
    }
    root_ = merge(merge(std::move(below), std::move(at)), std::move(above));
    return true;
}

void ExtentList::truncate(int count) {
    Tree rest;
    split(std::move(root_), count, root_, rest);
}

std::int64_t ExtentList::deltaBelow(int index) const {
    std::int64_t sum = 0;
    const Node* node = root_.get();
    while (node) {
        if (node->index < index) {
            sum += node->delta - (node->right ? node->right->delta : 0);
            node = node->right.get();
        } else {
            node = node->left.get();
        }
    }
    return sum;
}

std::int64_t ExtentList::sumBetween(int from, int to) const {
    if (to <= from) {
        return 0;
    }
    return (static_cast<std::int64_t>(to) - from) * default_ + deltaBelow(to) - deltaBelow(from);
}

std::size_t ExtentList::individualCount() const {
    return root_ ? root_->count : 0;
}
