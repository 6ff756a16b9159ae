#include <map>

#include "Icons.h"

namespace mox::art {

IconPainter FindIconPainter(const QString& key) {
    static const std::map<QString, IconPainter> painters = {
        {"NewFile", PaintNewFile},
        {"OpenFile", PaintOpenFile},
        {"SaveFile", PaintSaveFile},
        {"Print", PaintPrint},
        {"ReadRadio", PaintReadRadio},
        {"CommSet", PaintCommSet},
        {"WriteRadio", PaintWriteRadio},
        {"BtnCHCut", PaintChannelCut},
        {"BtnCHCopy", PaintChannelCopy},
        {"BtnCHPaste", PaintChannelPaste},
        {"BtnCHInsert", PaintChannelInsert},
        {"BtnCHDelete", PaintChannelDelete},
        {"BtnCHMoveUp", PaintChannelMoveUp},
        {"BtnCHMoveDown", PaintChannelMoveDown},
        {"About", PaintAbout},
        {"EditUndo", PaintEditUndo},
        {"EditRedo", PaintEditRedo},
        {"Tree1", PaintTreeRoot},
        {"Tree2", PaintTreePage},
        {"PaneClose", PaintPaneClose},
        {"App", PaintApp},
    };
    const auto found = painters.find(key);
    return found == painters.end() ? nullptr : found->second;
}

}  // namespace mox::art
