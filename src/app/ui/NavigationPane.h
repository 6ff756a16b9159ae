#pragma once

#include <QFrame>
#include <QIcon>
#include <QWidget>
#include <filesystem>
#include <vector>

#include "app/NavigationTree.h"

class QLabel;
class QToolBar;
class QTreeWidget;

namespace mox {

// The thin bar at the pane's right edge that the user drags to resize the pane. A move counts only
// between a press and a release on the bar.
class PaneSplitter : public QFrame {
    Q_OBJECT
public:
    explicit PaneSplitter(QWidget* parent);

signals:
    // The pointer's horizontal offset from the bar, in pixels, while dragging.
    void Dragged(int offset);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_dragging = false;
};

// The navigation pane docked at the main window's left edge: the model's name, a close button and
// the tree of editors.
class NavigationPane : public QWidget {
    Q_OBJECT
public:
    NavigationPane(const std::filesystem::path& programFolder, QWidget* parent);

    void SetNodes(const std::vector<TreeNode>& nodes);
    // Gives the root node the pane title's text.
    void SetTitle(const QString& title);
    // Disables the nodes whose editor the program does not offer.
    void SetNodeEnabled(const QString& key, bool enabled);

    QFrame* Frame1;
    QLabel* Label1;
    QToolBar* Toolbar1;
    QTreeWidget* TreeView1;
    PaneSplitter* CommandMove;

private:
    QIcon m_images[2];

signals:
    void NodeClicked(const QString& key);
    void CloseClicked();
};

}  // namespace mox
