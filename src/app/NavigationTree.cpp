#include "app/NavigationTree.h"

#include "image/Models.h"
#include "services/Texts.h"

namespace mox {

namespace {

struct EditorNode {
    const char* Key;
    int Text;
};

constexpr EditorNode kEditorNodes[] = {
    {"N1", 12001},   // texts
    {"N2", 12002},   // texts
    {"N4", 12004},   // texts
    {"N8", 12010},   // texts
    {"N9", 12011},   // texts
    {"N10", 12012},  // texts
    {"N11", 12013},  // texts
    {"N6", 12006},   // texts
    {"N7", 12007},   // texts
};

}  // namespace

std::vector<TreeNode> NavigationNodes(const AppState& state) {
    std::vector<TreeNode> nodes;
    nodes.push_back({"N0", ModelDisplayName(state.Model.ModelCode), 1});
    for (const EditorNode& node : kEditorNodes) {
        if (std::string(node.Key) == "N11" && !state.FactoryTestMode)
            continue;
        nodes.push_back({node.Key, GetLanguageText(state, node.Text), 2});
    }
    return nodes;
}

std::optional<int> DraggedPaneWidth(int paneWidthTwips, int offsetTwips, int innerWidthTwips) {
    const int width = paneWidthTwips + offsetTwips;
    if (width < kMinPaneWidthTwips || width > innerWidthTwips)
        return std::nullopt;
    return width;
}

}  // namespace mox
