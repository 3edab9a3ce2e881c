#pragma once

#include "HvMenuData.h"

#include <memory>
#include <vector>

// A node of a one-level menu tree. A node owns its children and its data; the data is shared
// (std::shared_ptr) because lookups hand entries out to callers that may outlive a rebuild.
class HvTreeNode {
public:
    // Makes a node carrying data and appends it to the parent's children; the parent owns it,
    // and the returned pointer stays valid while the parent lives.
    static HvTreeNode* initWithData(std::shared_ptr<HvMenuData> data, HvTreeNode& parent,
                                    std::vector<std::unique_ptr<HvTreeNode>> children = {});
    // A root without a parent, owned by the caller.
    static std::unique_ptr<HvTreeNode> makeRoot(std::shared_ptr<HvMenuData> data = nullptr);

    const std::vector<std::unique_ptr<HvTreeNode>>& children() const { return children_; }
    const std::shared_ptr<HvMenuData>& nodeData() const { return nodeData_; }
    HvTreeNode* parent() const { return parent_; }
    void removeAllChild();
    int numberOfChildren() const { return static_cast<int>(children_.size()); }

private:
    HvTreeNode() = default;

    std::shared_ptr<HvMenuData> nodeData_;
    HvTreeNode* parent_ = nullptr;
    std::vector<std::unique_ptr<HvTreeNode>> children_;
};
