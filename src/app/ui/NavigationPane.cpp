#include "app/ui/NavigationPane.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/ProgramIcons.h"
#include "widgets/Twips.h"

namespace mox {

namespace {

constexpr int kKeyRole = Qt::UserRole;

}  // namespace

PaneSplitter::PaneSplitter(QWidget* parent) : QFrame(parent) {
    setObjectName("CommandMove");
    setFrameShape(QFrame::VLine);
    setFrameShadow(QFrame::Raised);
    setFixedWidth(TwipsToPixels(75));
    setCursor(Qt::SizeHorCursor);
    setMouseTracking(true);
}

void PaneSplitter::mousePressEvent(QMouseEvent* event) {
    m_dragging = true;
    event->accept();
}

void PaneSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging)
        emit Dragged(static_cast<int>(event->position().x()));
    event->accept();
}

void PaneSplitter::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    event->accept();
}

NavigationPane::NavigationPane(const std::filesystem::path& programFolder, QWidget* parent)
    : QWidget(parent) {
    setObjectName("Picture1");
    m_images[0] = ProgramIcon(programFolder, "Tree1", style()->standardIcon(QStyle::SP_ComputerIcon));
    m_images[1] =
        ProgramIcon(programFolder, "Tree2", style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Label1 = new QLabel(Frame1);
    Label1->setObjectName("Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    Toolbar1 = new QToolBar(Frame1);
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setIconSize(QSize(14, 14));
    QAction* close = Toolbar1->addAction(
        ProgramIcon(programFolder, "PaneClose", style()->standardIcon(QStyle::SP_TitleBarCloseButton)),
        QString());
    close->setObjectName(QString::fromUtf8("删除"));
    close->setToolTip(QString::fromUtf8("关闭"));
    connect(close, &QAction::triggered, this, &NavigationPane::CloseClicked);

    TreeView1 = new QTreeWidget(Frame1);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    connect(TreeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item->flags() & Qt::ItemIsEnabled)
            emit NodeClicked(item->data(0, kKeyRole).toString());
    });

    auto* title = new QHBoxLayout;
    title->setContentsMargins(4, 0, 0, 0);
    title->addWidget(Label1, 1);
    title->addWidget(Toolbar1);
    auto* frame = new QVBoxLayout(Frame1);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addLayout(title);
    frame->addWidget(TreeView1, 1);

    CommandMove = new PaneSplitter(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Frame1, 1);
    layout->addWidget(CommandMove);
}

void NavigationPane::SetNodes(const std::vector<TreeNode>& nodes) {
    TreeView1->clear();
    QTreeWidgetItem* root = nullptr;
    for (const TreeNode& node : nodes) {
        auto* item = root == nullptr ? new QTreeWidgetItem(TreeView1) : new QTreeWidgetItem(root);
        item->setText(0, QString::fromStdString(node.Text));
        item->setData(0, kKeyRole, QString::fromStdString(node.Key));
        item->setIcon(0, m_images[node.Image == 1 ? 0 : 1]);
        if (root == nullptr)
            root = item;
    }
    if (root != nullptr)
        root->setExpanded(true);
}

void NavigationPane::SetTitle(const QString& title) {
    Label1->setText(title);
    if (QTreeWidgetItem* root = TreeView1->topLevelItem(0))
        root->setText(0, title);
}

void NavigationPane::SetNodeEnabled(const QString& key, bool enabled) {
    QTreeWidgetItem* root = TreeView1->topLevelItem(0);
    if (root == nullptr)
        return;
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem* item = root->child(i);
        if (item->data(0, kKeyRole).toString() == key)
            item->setDisabled(!enabled);
    }
}

}  // namespace mox
