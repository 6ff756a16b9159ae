// The channel list: opening, texts, activation and closing.
#include "channels/ui/frmCommChInfo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "services/Texts.h"
#include "widgets/ButtonRow.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// The window's outer size, in twips.
constexpr int kWindowWidth = 11800;
constexpr int kWindowHeight = 6400;
// The group chooser's label stands this far left of it.
constexpr int kLabelGap = 100;

}  // namespace

frmCommChInfo::frmCommChInfo(AppState& state, ChannelListHost& host, QWidget* parent)
    : QWidget(parent), m_state(state), m_host(host) {
    setObjectName("frmCommChInfo");
    TimerCHEdit.setSingleShot(true);
    ScrollTimer.setSingleShot(true);
    Form_Load();
}

// The controls go after this window's own part is gone: none of them may call back into it then (a
// focused text box, for one, loses the focus as it goes).
frmCommChInfo::~frmCommChInfo() {
    for (QObject* control : findChildren<QObject*>()) {
        control->removeEventFilter(this);
        disconnect(control, nullptr, this, nullptr);
    }
    m_state.ChannelEdit.ChannelListOpen = false;
}

bool frmCommChInfo::Guarded(const char* routine, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception&) {
        ShowText(m_state, std::string("frmCommChInfo_") + routine);
        return false;
    }
}

void frmCommChInfo::Form_Load() {
    m_settingTexts = true;
    Guarded("Form_Load", [this] {
        BuildGrid();
        BuildEditors();
        LabelGroup = new QLabel(this);
        LabelGroup->setObjectName("LabelGroup");
        ComboGroup = new QComboBox(this);
        ComboGroup->setObjectName("ComboGroup");
        for (int group = 1; group <= kGroupCount; ++group)
            ComboGroup->addItem(QString::number(group));
        CommandCHInfoEdit = new QPushButton(this);
        CommandCHInfoEdit->setObjectName("CommandCHInfoEdit");
        CommandClose = new QPushButton(this);
        CommandClose->setObjectName("CommandClose");
        CommandHelp = new QPushButton(this);
        CommandHelp->setObjectName("CommandHelp");
        CommandHelp->hide();

        auto* chooser = new QHBoxLayout;
        chooser->setSpacing(TwipsToPixels(kLabelGap));
        chooser->addWidget(LabelGroup);
        chooser->addWidget(ComboGroup);
        auto* foot = ButtonRow({CommandCHInfoEdit, CommandHelp, CommandClose});
        foot->insertLayout(0, chooser);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(TwipsToPixels(60), TwipsToPixels(60), TwipsToPixels(60),
                                   TwipsToPixels(60));
        layout->addWidget(MSFlexGrid1, 1, Qt::AlignLeft);
        layout->addLayout(foot);

        connect(ComboGroup, &QComboBox::currentIndexChanged, this, [this] { InitShowGrid(); });
        connect(CommandCHInfoEdit, &QPushButton::clicked, this, [this] {
            CommitCellEdit();
            OpenChannelEditor();
        });
        connect(CommandClose, &QPushButton::clicked, this, &QWidget::close);

        ChangShowByLanguage();
        const QSignalBlocker quiet(ComboGroup);
        ComboGroup->setCurrentIndex(std::clamp(m_state.ChannelEdit.CurrentGroup, 0, kGroupCount - 1));
    });
    InitShowGrid();
    m_host.LoadTree();
    SelectCell(1, GridColumn::Rx);
    // The commands follow the first row at once, not only from the first move on.
    UpdateCommandEnabling();
    m_state.ChannelEdit.ChannelListOpen = true;
    m_settingTexts = false;
}

void frmCommChInfo::ChangShowByLanguage() {
    const bool wasSettingTexts = m_settingTexts;
    m_settingTexts = true;
    Guarded("ChangShowByLanguage", [this] {
        for (int column = 0; column < kGridColumnCount; ++column) {
            MSFlexGrid1->horizontalHeaderItem(column)->setText(
                UiText(m_state, GridColumnTitle(column, m_state.Habit.ShowTxAsShift)));
        }
        m_lists = GridListEntries([this](int number) { return GetLanguageText(m_state, number); });
        for (int column = GridColumn::RxTone; column <= GridColumn::Spacing; ++column) {
            Combo1[column]->clear();
            for (const std::string& entry : m_lists[column])
                Combo1[column]->addItem(QString::fromStdString(entry));
        }
        LabelGroup->setText(UiText(m_state, 14050));
        CommandCHInfoEdit->setText(UiText(m_state, 14023));
        CommandClose->setText(QString::fromStdString(CommandCaption(m_state, "CommandClose")));
        CommandHelp->setText(QString::fromStdString(CommandCaption(m_state, "CommandHelp")));
        ShowCaption();
    });
    m_settingTexts = wasSettingTexts;
}

void frmCommChInfo::ReShowChInfoByLanguage() {
    ChangShowByLanguage();
    InitShowGrid();
}

void frmCommChInfo::ShowCaption() {
    setWindowTitle(
        QString::fromStdString(GridCaption([this](int number) { return GetLanguageText(m_state, number); },
                                           m_state.ChannelEdit.CurrentGroup, m_currentRow)));
}

QSize frmCommChInfo::sizeHint() const {
    const QSize outer(TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight));
    if (const auto* frame = qobject_cast<const QMdiSubWindow*>(parentWidget()))
        return outer.shrunkBy(frame->contentsMargins());
    return outer;
}

void frmCommChInfo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_followsActivation)
        return;
    m_followsActivation = true;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->resize(TwipsToPixels(kWindowWidth), TwipsToPixels(kWindowHeight));
        connect(frame, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    if ((before ^ now) & Qt::WindowActive)
                        OnActivation(now & Qt::WindowActive);
                });
        if (frame->windowState() & Qt::WindowActive)
            OnActivation(true);
    }
}

// The channel commands are offered while the channel list is the active window. The first activation
// opens the receive-frequency editor of position 1.
void frmCommChInfo::OnActivation(bool active) {
    m_host.ShowCHInfo(active);
    if (active && !m_activatedOnce) {
        m_activatedOnce = true;
        SetShowEditData();
    }
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
    CommitEdit();
    m_host.ShowCHInfo(false);
    event->accept();
}

}  // namespace mox
