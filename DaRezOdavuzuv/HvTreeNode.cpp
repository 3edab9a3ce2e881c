#include "HvTreeNode.h"

HvTreeNode* HvTreeNode::initWithData(std::shared_ptr<HvMenuData> data, HvTreeNode& parent,
                                     std::vector<std::unique_ptr<HvTreeNode>> children) {
    std::unique_ptr<HvTreeNode> node(new HvTreeNode());
    node->nodeData_ = std::move(data);
    node->children_ = std::move(children);
    for (auto& child : node->children_)
        child->parent_ = node.get();
    node->parent_ = &parent;
    parent.children_.push_back(std::move(node));
    return parent.children_.back().get();
}

std::unique_ptr<HvTreeNode> HvTreeNode::makeRoot(std::shared_ptr<HvMenuData> data) {
    std::unique_ptr<HvTreeNode> root(new HvTreeNode());
    root->nodeData_ = std::move(data);
    return root;
}

void HvTreeNode::removeAllChild() {
    children_.clear();
}
