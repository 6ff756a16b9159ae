#include "link/ui/FrmSetComm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/PortChoiceText.h"
#include "widgets/ButtonRow.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

constexpr int kOptionColumns = 4;

}  // namespace

FrmSetComm::FrmSetComm(AppState& state, PortMap& ports, QWidget* parent)
    : QDialog(parent), m_state(state), m_ports(ports) {
    const auto Tr = [&state](int number) { return UiText(state, number); };
    setObjectName("FrmSetComm");
    setWindowTitle(Tr(22000));
    Frame1 = new QGroupBox(Tr(22001), this);
    Frame1->setObjectName("Frame1");
    m_group = new QButtonGroup(this);
    auto* grid = new QGridLayout(Frame1);
    const QString portText = Tr(22002);
    for (int i = 0; i < kPortOptionCount; ++i) {
        Option1[i] = new QRadioButton(portText + QString::number(i + 1), Frame1);
        Option1[i]->setObjectName(QString("Option1_%1").arg(i));
        m_group->addButton(Option1[i], i);
        grid->addWidget(Option1[i], i / kOptionColumns, i % kOptionColumns);
    }
    Label1 = new QLabel(Frame1);
    Label1->setObjectName("Label1");
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(Label1, (kPortOptionCount + kOptionColumns - 1) / kOptionColumns, 0, 1, kOptionColumns);
    connect(m_group, &QButtonGroup::idToggled, this, [this] { ShowChosenDevice(); });
    ShowAvailability();
    if (const int selected = SelectedPortOption(state.Link); selected >= 0)
        Option1[selected]->setChecked(true);

    CommandOK = new QPushButton(Tr(9017), this);
    CommandOK->setObjectName("CommandOK");
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(Tr(9018), this);
    CommandCancel->setObjectName("CommandCancel");
    connect(CommandOK, &QPushButton::clicked, this, [this] {
        ChoosePortOption(m_state.Link, m_state.Paths.SetupFile, m_group->checkedId());
        accept();
    });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = ButtonRow({CommandOK, CommandCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(&ReCommTimer, &QTimer::timeout, this, &FrmSetComm::ShowAvailability);
    ReCommTimer.start(1000);
}

// A selected option whose port disappears stays selected, disabled.
void FrmSetComm::ShowAvailability() {
    m_entries = m_ports.PortEntries();
    std::vector<int> numbers;
    for (const PortEntry& entry : m_entries)
        numbers.push_back(entry.Number);
    const auto available = AvailablePortOptions(m_state.VistaFlag, numbers);
    for (int i = 0; i < kPortOptionCount; ++i) {
        Option1[i]->setEnabled(available[i]);
        Option1[i]->setToolTip(QString::fromStdString(PortChoiceText(i + 1, m_entries)));
    }
    ShowChosenDevice();
}

void FrmSetComm::ShowChosenDevice() {
    const int chosen = m_group->checkedId();
    Label1->setText(chosen < 0 ? QString() : QString::fromStdString(PortChoiceText(chosen + 1, m_entries)));
}

void FrmSetComm::done(int result) {
    ReCommTimer.stop();
    QDialog::done(result);
}

}  // namespace mox
