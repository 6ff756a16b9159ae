#include "exchange/ui/FrmImportOptions.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "services/Texts.h"
#include "widgets/ButtonRow.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

constexpr int kTitleText = 31464;
constexpr int kOptionTexts[] = {31467, 31468};

QPushButton* Button(const Messages& messages, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromStdString(CommandCaption(messages, name)), parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

FrmImportOptions::FrmImportOptions(const Messages& messages, QWidget* parent) : QDialog(parent) {
    setObjectName("FrmImportOptions");
    setWindowTitle(UiText(messages, kTitleText));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 2; ++i) {
        Check1[i] = new QCheckBox(UiText(messages, kOptionTexts[i]), this);
        Check1[i]->setObjectName(QString("Check1_%1").arg(i));
        layout->addWidget(Check1[i]);
    }
    CommandOK = Button(messages, "CommandOK", this);
    CommandOK->setDefault(true);
    CommandCancel = Button(messages, "CommandCancel", this);
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(ButtonRow({CommandOK, CommandCancel}));
}

std::optional<ImportOptions> FrmImportOptions::Ask(const Messages& messages, QWidget* parent) {
    FrmImportOptions dialog(messages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ImportOptions{dialog.Check1[0]->isChecked(), dialog.Check1[1]->isChecked()};
}

}  // namespace mox
