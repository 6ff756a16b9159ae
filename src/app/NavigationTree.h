#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/AppState.h"

namespace mox {

struct TreeNode {
    std::string Key;  // "N0" is the root, every other node is its child
    std::string Text;
    int Image = 2;  // 1 for the root, 2 for its children
};

// The navigation tree in display order: the root with the model's display name, then the editors;
// the test data node only in factory test mode.
std::vector<TreeNode> NavigationNodes(const AppState& state);

// The narrowest the navigation pane may be dragged, in twips.
constexpr int kMinPaneWidthTwips = 300;

// The pane width after the splitter moved by `offsetTwips`, or nothing when the new width would be
// below 300 twips or wider than the main window's inner width (that move is then ignored).
std::optional<int> DraggedPaneWidth(int paneWidthTwips, int offsetTwips, int innerWidthTwips);

}  // namespace mox
