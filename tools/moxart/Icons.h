#pragma once

#include <QPainter>
#include <QString>

namespace mox::art {

// An icon drawn on a 32 by 32 unit canvas with a transparent background.
using IconPainter = void (*)(QPainter&);

// The painter of the icon with this key (a tool bar key such as "NewFile", "Tree1" and "Tree2" for
// the two tree images, "PaneClose" for the tree pane's close button, "App" for the program icon);
// nullptr for any other key.
IconPainter FindIconPainter(const QString& key);

// File, radio and window icons.
void PaintNewFile(QPainter& p);
void PaintOpenFile(QPainter& p);
void PaintSaveFile(QPainter& p);
void PaintPrint(QPainter& p);
void PaintReadRadio(QPainter& p);
void PaintWriteRadio(QPainter& p);
void PaintCommSet(QPainter& p);
void PaintAbout(QPainter& p);
void PaintTreeRoot(QPainter& p);
void PaintTreePage(QPainter& p);
void PaintPaneClose(QPainter& p);
void PaintApp(QPainter& p);

// Channel command icons.
void PaintChannelCut(QPainter& p);
void PaintChannelCopy(QPainter& p);
void PaintChannelPaste(QPainter& p);
void PaintChannelInsert(QPainter& p);
void PaintChannelDelete(QPainter& p);
void PaintChannelMoveUp(QPainter& p);
void PaintChannelMoveDown(QPainter& p);

// Undo and redo.
void PaintEditUndo(QPainter& p);
void PaintEditRedo(QPainter& p);

}  // namespace mox::art
