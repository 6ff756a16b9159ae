#include "editors/ui/FrmOptFeatures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"
#include "widgets/EditorButtons.h"
#include "widgets/EnterAsTab.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

// The lists in the order the window shows them, column by column: the sound, then the timers and VOX.
constexpr int kListColumns[2][6] = {{0, 1, 11, 2, 3, 10}, {4, 5, 6, 7, 8, 9}};
constexpr int kCheckTexts[kOptionCheckCount] = {16020, 16021, 16022, 16023, 16024, 16025, 16036};  // texts

}  // namespace

FrmOptFeatures::FrmOptFeatures(const Messages& messages, FunctionSettings& settings, EditorSteps steps,
                               QWidget* parent)
    : QWidget(parent), m_settings(settings), m_steps(steps) {
    setObjectName("FrmOptFeatures");
    setWindowTitle(UiText(messages, 16000));
    MakeControls(messages);
    LayOut();
    ShowValues();
}

// The controls are made in the order Tab (and Enter) walks through them.
void FrmOptFeatures::MakeControls(const Messages& messages) {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    for (const auto& column : kListColumns) {
        for (int id : column) {
            Label1[id] = new QLabel(UiText(messages, 16001 + id), Frame1);
            Label1[id]->setObjectName(QString("Label1_%1").arg(id));
            Label1[id]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Combo1[id] = new QComboBox(Frame1);
            Combo1[id]->setObjectName(QString("Combo1_%1").arg(id));
            Combo1[id]->setMinimumWidth(TwipsToPixels(1500));
            for (const std::string& entry : OptionListEntries(messages, id))
                Combo1[id]->addItem(QString::fromStdString(entry));
            EnterAsTab::Install(Combo1[id]);
        }
    }
    for (int box = 0; box < kOptionCheckCount; ++box) {
        Check1[box] = new QCheckBox(UiText(messages, kCheckTexts[box]), Frame2);
        Check1[box]->setObjectName(QString("Check1_%1").arg(box));
        EnterAsTab::Install(Check1[box]);
    }
    const EditorButtons buttons = MakeEditorButtons(messages, this);
    CommandClose = buttons.Close;
    CommandHelp = buttons.Help;
}

// Each label ends 100 twips left of its list.
void FrmOptFeatures::LayOut() {
    auto* lists = new QGridLayout(Frame1);
    lists->setHorizontalSpacing(TwipsToPixels(100));
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 6; ++row) {
            const int id = kListColumns[column][row];
            lists->addWidget(Label1[id], row, column * 2);
            lists->addWidget(Combo1[id], row, column * 2 + 1);
        }
    }
    auto* checks = new QGridLayout(Frame2);
    for (int box = 0; box < kOptionCheckCount; ++box)
        checks->addWidget(Check1[box], box / 2, box % 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(ButtonRow({CommandHelp, CommandClose}));
}

// The values are shown, and written back, by the core; the controls then report only the user's choices.
void FrmOptFeatures::ShowValues() {
    ShowView();
    for (int id = 0; id < kOptionListCount; ++id) {
        connect(Combo1[id], &QComboBox::currentIndexChanged, this,
                [this, id](int index) { SaveOptFeat(id, index); });
    }
    for (int box = 0; box < kOptionCheckCount; ++box) {
        connect(Check1[box], &QCheckBox::toggled, this,
                [this, box](bool ticked) { SaveOptFeat(kFirstOptionCheckId + box, ticked ? 1 : 0); });
    }
}

void FrmOptFeatures::ShowView() {
    const OptFeaturesView view = OpenOptFeatures(m_settings);
    for (int id = 0; id < kOptionListCount; ++id) {
        const QSignalBlocker quiet(Combo1[id]);
        Combo1[id]->setCurrentIndex(view.ListIndex[id]);
    }
    for (int box = 0; box < kOptionCheckCount; ++box) {
        const QSignalBlocker quiet(Check1[box]);
        Check1[box]->setChecked(view.Ticked[box]);
    }
    EnableVoxControls();
}

void FrmOptFeatures::ShowRestoredData() {
    ShowView();
}

void FrmOptFeatures::SaveOptFeat(int id, int value) {
    if (value < 0)
        return;
    mox::SaveOptFeat(m_settings, id, value);
    m_steps.Changed();
    if (id == kFirstOptionCheckId + kVoxCheck)
        EnableVoxControls();
}

void FrmOptFeatures::EnableVoxControls() {
    for (int id = 0; id < kOptionListCount; ++id)
        Combo1[id]->setEnabled(OptionControlEnabled(m_settings, id));
    for (int box = 0; box < kOptionCheckCount; ++box)
        Check1[box]->setEnabled(OptionControlEnabled(m_settings, kFirstOptionCheckId + box));
}

}  // namespace mox
