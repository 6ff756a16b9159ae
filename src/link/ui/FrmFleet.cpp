#include "link/ui/FrmFleet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "exchange/FleetReport.h"
#include "link/PortChoiceText.h"
#include "services/FilledText.h"
#include "services/Texts.h"
#include "widgets/ButtonRow.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

enum Column { kPort, kModel, kBand, kVersion, kProgress, kResult, kTime, kColumns };
// How often the window looks whether the run has ended.
constexpr int kWatchMs = 50;

int StateText(FleetPortState state) {
    switch (state) {
        case FleetPortState::WaitingForRadio:
            return 32113;
        case FleetPortState::WaitingForRemoval:
            return 32114;
        case FleetPortState::Searching:
            return 32121;
        case FleetPortState::Verifying:
            return 32116;
        case FleetPortState::Reading:
            return 32117;
        default:
            return 32115;
    }
}

bool StartsARadio(FleetPortState before, FleetPortState now) {
    const bool busyBefore = before == FleetPortState::Writing || before == FleetPortState::Searching ||
                            before == FleetPortState::Verifying;
    return now == FleetPortState::Writing && !busyBefore;
}

}  // namespace

FrmFleet::FrmFleet(const LinkContext& document, Devices devices, TransferOptions options,
                   std::function<void(bool)> lock, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_devices(devices),
      m_options(std::move(options)),
      m_lock(std::move(lock)) {
    setObjectName("FrmFleet");
    setWindowTitle(UiText(document, 32101));
    auto* portFrame = new QGroupBox(UiText(document, 32102), this);
    auto* portLayout = new QVBoxLayout(portFrame);
    const std::vector<PortEntry> entries = m_devices.Ports.PortEntries();
    for (const PortEntry& entry : entries) {
        auto* check = new QCheckBox(QString::fromStdString(PortChoiceText(entry.Number, entries)), portFrame);
        check->setObjectName(QString("PortCheck_%1").arg(entry.Number));
        portLayout->addWidget(check);
        PortChecks.push_back(check);
        m_portNumbers.push_back(entry.Number);
    }
    CheckRepeat = new QCheckBox(UiText(document, 32103), this);
    CheckRepeat->setObjectName("CheckRepeat");
    CommandStart = new QPushButton(UiText(document, 32104), this);
    CommandStart->setObjectName("CommandStart");
    CommandStop = new QPushButton(UiText(document, 32105), this);
    CommandStop->setObjectName("CommandStop");
    CommandStop->setEnabled(false);
    RadioRows = new QTableWidget(0, kColumns, this);
    RadioRows->setObjectName("RadioRows");
    RadioRows->setHorizontalHeaderLabels(
        {UiText(document, 32106), UiText(document, 32107), UiText(document, 32108), UiText(document, 32109),
         UiText(document, 32110), UiText(document, 32111), UiText(document, 32112)});
    RadioRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RadioRows->verticalHeader()->hide();
    // The reason of a failure takes what room there is; the other columns only what they hold.
    RadioRows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    RadioRows->horizontalHeader()->setSectionResizeMode(kProgress, QHeaderView::Fixed);
    RadioRows->horizontalHeader()->setSectionResizeMode(kResult, QHeaderView::Stretch);
    connect(CommandStart, &QPushButton::clicked, this, &FrmFleet::OnStart);
    connect(CommandStop, &QPushButton::clicked, this, &FrmFleet::OnStop);
    m_watchTimer = m_devices.Timers.Create([this] { WatchRun(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(portFrame);
    layout->addWidget(CheckRepeat);
    layout->addLayout(ButtonRow({CommandStart, CommandStop}));
    layout->addWidget(RadioRows, 1);
    resize(TwipsToPixels(11000), TwipsToPixels(7000));
}

FrmFleet::~FrmFleet() {
    m_watchTimer->Stop();
    if (m_run && m_lock)
        m_lock(false);
}

bool FrmFleet::IsRunning() const {
    return m_run != nullptr;
}

void FrmFleet::OnStart() {
    if (m_run)
        return;
    FleetPlan plan;
    for (std::size_t i = 0; i < PortChecks.size(); ++i) {
        if (PortChecks[i]->isChecked())
            plan.Ports.push_back(m_portNumbers[i]);
    }
    if (plan.Ports.empty()) {
        ShowMessage(m_document, 32123, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    // The write question, once for all radios.
    if (ShowMessage(m_document, 9005, MsgButtons::OkCancel, MsgIcon::Question) != MsgAnswer::Ok)
        return;
    plan.Repeat = CheckRepeat->isChecked();
    plan.Options = m_options;
    RadioRows->setRowCount(0);
    m_currentRow.clear();
    m_lastState.clear();
    m_run = std::make_unique<FleetRun>(m_document, plan, m_devices.MakePort, m_devices.Timers,
                                       m_devices.RunClock, m_devices.Ports, *this);
    for (QCheckBox* check : PortChecks)
        check->setEnabled(false);
    CheckRepeat->setEnabled(false);
    CommandStart->setEnabled(false);
    CommandStop->setEnabled(true);
    if (m_lock)
        m_lock(true);
    m_run->Start();
    m_watchTimer->Start(kWatchMs);
}

void FrmFleet::OnStop() {
    if (m_run)
        m_run->Stop();
    CommandStop->setEnabled(false);
}

void FrmFleet::WatchRun() {
    if (!m_run)
        return;
    if (m_run->IsRunning()) {
        m_watchTimer->Start(kWatchMs);
        return;
    }
    EndRun();
}

void FrmFleet::EndRun() {
    m_run.reset();
    for (QCheckBox* check : PortChecks)
        check->setEnabled(true);
    CheckRepeat->setEnabled(true);
    CommandStart->setEnabled(true);
    CommandStop->setEnabled(false);
    if (m_lock)
        m_lock(false);
}

// Closing waits for the radios being written: a radio left half written does not work.
void FrmFleet::closeEvent(QCloseEvent* event) {
    if (m_run) {
        OnStop();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FrmFleet::PortChanged(const FleetPortStatus& status) {
    const FleetPortState before =
        m_lastState.count(status.PortNumber) != 0 ? m_lastState[status.PortNumber] : FleetPortState::Idle;
    m_lastState[status.PortNumber] = status.State;
    if (StartsARadio(before, status.State))
        m_currentRow[status.PortNumber] = AddRow(status.PortNumber);
    auto row = m_currentRow.find(status.PortNumber);
    if (row == m_currentRow.end() || status.State == FleetPortState::Finished ||
        status.State == FleetPortState::WaitingForRemoval || status.State == FleetPortState::WaitingForRadio)
        return;
    auto* bar = static_cast<QProgressBar*>(RadioRows->cellWidget(row->second, kProgress));
    bar->setValue(status.Percent);
    SetCell(row->second, kResult, UiText(m_document, StateText(status.State)));
}

void FrmFleet::RadioFinished(const FleetRadioResult& result) {
    auto found = m_currentRow.find(result.PortNumber);
    const int row = found != m_currentRow.end() ? found->second : AddRow(result.PortNumber);
    m_currentRow.erase(result.PortNumber);
    const bool answered = !result.Identity.ModelCode.empty();
    SetCell(row, kModel, answered ? QString::fromStdString(result.Identity.ModelCode) : QString());
    SetCell(row, kBand, answered ? QString::number(result.Identity.BandCode) : QString());
    SetCell(row, kVersion, QString::fromStdString(result.Identity.Version));
    SetCell(row, kTime, QString::number(static_cast<double>(result.Milliseconds) / 1000.0, 'f', 2) + " s");
    auto* bar = static_cast<QProgressBar*>(RadioRows->cellWidget(row, kProgress));
    QString text;
    switch (result.Outcome) {
        case FleetOutcome::Written:
            text = UiText(m_document, 32118);
            bar->setValue(100);
            break;
        case FleetOutcome::Verified:
            text = UiText(m_document, 32119);
            bar->setValue(100);
            break;
        default:
            text = QString::fromStdString(FilledText(GetLanguageText(m_document, 32120), result.Reason));
            break;
    }
    SetCell(row, kResult, text);
    RadioRows->item(row, kResult)->setToolTip(text);
}

int FrmFleet::AddRow(int portNumber) {
    const int row = RadioRows->rowCount();
    RadioRows->insertRow(row);
    SetCell(row, kPort, QString::fromStdString(FleetPortName(portNumber)));
    auto* bar = new QProgressBar(RadioRows);
    bar->setRange(0, 100);
    bar->setValue(0);
    RadioRows->setCellWidget(row, kProgress, bar);
    RadioRows->scrollToBottom();
    return row;
}

void FrmFleet::SetCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = RadioRows->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        RadioRows->setItem(row, column, item);
    }
    item->setText(text);
}

}  // namespace mox
