#include "channels/ui/FrmHabits.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ChannelCommand.h"
#include "channels/HabitsFile.h"
#include "widgets/ButtonRow.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

constexpr int kFirstHabitText = 28007;

}  // namespace

FrmHabits::FrmHabits(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName("FrmHabits");
    setWindowTitle(UiText(state, 28006));
    auto* layout = new QVBoxLayout(this);
    const std::array<bool, 5> habits = HabitList(state.Habit);
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i] = new QCheckBox(UiText(state, kFirstHabitText + static_cast<int>(i)), this);
        Check1[i]->setObjectName(QString("Check1_%1").arg(i));
        Check1[i]->setChecked(habits[i]);
        layout->addWidget(Check1[i]);
    }
    CommandOK = new QPushButton(UiText(state, 9017), this);
    CommandOK->setObjectName("CommandOK");
    CommandCancel = new QPushButton(UiText(state, 9018), this);
    CommandCancel->setObjectName("CommandCancel");
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));
    connect(CommandOK, &QPushButton::clicked, this, [this] {
        std::array<bool, 5> chosen{};
        for (std::size_t i = 0; i < Check1.size(); ++i)
            chosen[i] = Check1[i]->isChecked();
        ChooseHabits(m_state, HabitsOf(chosen));
        accept();
    });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace mox
