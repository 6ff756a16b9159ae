#include "link/ui/FrmLink.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"
#include "widgets/Twips.h"

namespace mox {

FrmLink::FrmLink(AppState& state, SerialPort& port, TimerFactory& timers, PortMap& ports, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FrmLink");
    setWindowTitle("Initial Setup");
    Label1 = new QLabel("Com Port", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setMinimumWidth(TwipsToPixels(1800));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setPlainText(QString::fromStdString(FirstRunSearch::Instructions(state)).remove('\r'));
    CommandOK = new QPushButton("&OK", this);
    CommandOK->setObjectName("CommandOK");
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton("&Cancel", this);
    CommandCancel->setObjectName("CommandCancel");

    auto* field = new QHBoxLayout;
    field->addWidget(Label1);
    field->addWidget(Combo1);
    field->addStretch();
    auto* buttons = ButtonRow({CommandOK, CommandCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addWidget(Text1, 1);
    layout->addLayout(buttons);
    resize(TwipsToPixels(7000), TwipsToPixels(4500));

    m_search = std::make_unique<FirstRunSearch>(state, state.Link, port, timers, ports, *this);
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling)
            m_search->SelectEntry(index);
    });
    connect(CommandOK, &QPushButton::clicked, this, [this] { m_search->OkClicked(); });
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_search->Load();
}

FrmLink::~FrmLink() = default;

void FrmLink::ShowPortEntries(const std::vector<std::string>& entries, int selected) {
    m_filling = true;
    Combo1->clear();
    for (const std::string& entry : entries)
        Combo1->addItem(QString::fromStdString(entry));
    Combo1->setCurrentIndex(selected);
    m_filling = false;
}

void FrmLink::CloseWindow() {
    accept();
}

// Closing the window in any way stops the search and closes its port.
void FrmLink::done(int result) {
    m_search->Closed();
    QDialog::done(result);
}

void LoadFrmLink(AppState& state, SerialPort& port, TimerFactory& timers, PortMap& ports) {
    FrmLink window(state, port, timers, ports);
    window.exec();
}

}  // namespace mox
