#pragma once

#include <QColor>

namespace mox::art {

// One set of colours for every picture, so the splash, the background and the icons look alike.
inline const QColor kNavy{10, 37, 64};
inline const QColor kBlue{31, 111, 178};
inline const QColor kSky{111, 179, 232};
inline const QColor kIce{207, 230, 255};
inline const QColor kGreen{46, 158, 79};
inline const QColor kRed{214, 69, 65};
inline const QColor kOrange{240, 140, 26};
inline const QColor kFolder{242, 193, 78};
inline const QColor kFolderDark{214, 158, 43};
inline const QColor kInk{52, 60, 72};
inline const QColor kSlate{138, 148, 160};
inline const QColor kMist{232, 237, 242};
inline const QColor kPaper{255, 255, 255};
inline const QColor kRadioBody{44, 49, 57};
inline const QColor kRadioEdge{22, 25, 30};
inline const QColor kDisplay{150, 206, 238};

// The font of every text: it holds Latin and Chinese glyphs of one design.
inline constexpr const char* kFontFamily = "Noto Sans CJK SC";

}  // namespace mox::art
