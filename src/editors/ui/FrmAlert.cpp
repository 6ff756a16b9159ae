#include "editors/ui/FrmAlert.h"

#include <QComboBox>
#include <QGridLayout>
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

// The lists in two columns: the alarm itself, then its channel, cycles and mode.
constexpr int kRowsInFirstColumn = 6;

QStringList ItemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList EntriesOf(const std::vector<std::string>& entries) {
    QStringList items;
    for (const std::string& entry : entries)
        items << QString::fromStdString(entry);
    return items;
}

}  // namespace

FrmAlert::FrmAlert(const Messages& messages, RadioRecords& radio, EditorSteps steps, QWidget* parent)
    : QWidget(parent),
      m_messages(messages),
      m_records(AlertRecordsOf(radio.Data, radio.Companion)),
      m_steps(steps) {
    setObjectName("FrmAlert");
    setWindowTitle(UiText(messages, 27000));
    MakeControls(messages);
    LayOut();
    m_view = OpenAlert(messages, m_records);
    ShowView();
}

// The controls are made in the order Tab (and Enter) walks through them.
void FrmAlert::MakeControls(const Messages& messages) {
    for (int list = 0; list < kAlertListCount; ++list) {
        Label1[list] = new QLabel(UiText(messages, 27001 + list), this);
        Label1[list]->setObjectName(QString("Label1_%1").arg(list));
        Label1[list]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Combo1[list] = new QComboBox(this);
        Combo1[list]->setObjectName(QString("Combo1_%1").arg(list));
        Combo1[list]->setMinimumWidth(TwipsToPixels(1800));
        Combo1[list]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        EnterAsTab::Install(Combo1[list]);
        connect(Combo1[list], &QComboBox::currentIndexChanged, this,
                [this, list](int index) { Choose(list, index); });
    }
    const EditorButtons buttons = MakeEditorButtons(messages, this);
    CommandClose = buttons.Close;
    CommandHelp = buttons.Help;
}

// Each label ends 100 twips left of its list.
void FrmAlert::LayOut() {
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(TwipsToPixels(100));
    for (int list = 0; list < kAlertListCount; ++list) {
        const int column = list < kRowsInFirstColumn ? 0 : 2;
        const int row = list < kRowsInFirstColumn ? list : list - kRowsInFirstColumn;
        lists->addWidget(Label1[list], row, column);
        lists->addWidget(Combo1[list], row, column + 1);
    }
    lists->setColumnMinimumWidth(2, TwipsToPixels(1200));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({CommandHelp, CommandClose}));
}

void FrmAlert::Choose(int list, int index) {
    if (m_showing)
        return;
    SelectAlertEntry(m_records, m_view, AlertField(list), index);
    ShowView();
    m_steps.Changed();
}

void FrmAlert::ShowRestoredData() {
    m_view = OpenAlert(m_messages, m_records);
    ShowView();
}

void FrmAlert::ShowView() {
    m_showing = true;
    for (int list = 0; list < kAlertListCount; ++list) {
        QComboBox* combo = Combo1[list];
        const QStringList entries = EntriesOf(m_view.Entries[list]);
        if (ItemsOf(combo) != entries) {
            combo->clear();
            combo->addItems(entries);
        }
        combo->setCurrentIndex(m_view.Selected[list]);
        combo->setEnabled(m_view.Enabled[list]);
    }
    m_showing = false;
}

void FrmAlert::ReshowByCh() {
    ReshowAlertChannels(m_records, m_view);
    ShowView();
}

void FrmAlert::ReshowAutoDial() {
    ReshowAlertIdMemories(m_records, m_view);
    ShowView();
}

}  // namespace mox
