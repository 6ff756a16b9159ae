#include "files/ui/FrmBackups.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/Backups.h"
#include "image/Models.h"
#include "services/Texts.h"
#include "widgets/ButtonRow.h"
#include "widgets/Twips.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

constexpr int kPathRole = Qt::UserRole;

QStringList Row(const DocumentContext& state, const BackupEntry& backup) {
    const std::string band = BandName(backup.BandCode);
    return {QString::fromStdString(backup.Date), QString::fromStdString(ModelDisplayName(backup.ModelCode)),
            QString::fromStdString(band.empty() ? std::to_string(backup.BandCode) : band),
            UiText(state, backup.Kind == BackupKind::Read ? 31728 : 31729),
            backup.ChannelCount < 0 ? QString() : QString::number(backup.ChannelCount)};
}

}  // namespace

FrmBackups::FrmBackups(const DocumentContext& state, const std::filesystem::path& folder, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FrmBackups");
    setWindowTitle(UiText(state, 31731));
    BackupList = new QTreeWidget(this);
    BackupList->setObjectName("BackupList");
    BackupList->setRootIsDecorated(false);
    BackupList->setUniformRowHeights(true);
    BackupList->setHeaderLabels({UiText(state, 31723), UiText(state, 31724), UiText(state, 31725),
                                 UiText(state, 31726), UiText(state, 31727)});
    for (const BackupEntry& backup : ListBackups(folder)) {
        auto* item = new QTreeWidgetItem(BackupList, Row(state, backup));
        item->setData(0, kPathRole, QString::fromStdString(backup.Path.string()));
    }
    for (int column = 0; column < BackupList->columnCount(); ++column)
        BackupList->resizeColumnToContents(column);
    if (BackupList->topLevelItemCount() > 0)
        BackupList->setCurrentItem(BackupList->topLevelItem(0));

    CommandOpen = new QPushButton(UiText(state, 31730), this);
    CommandOpen->setObjectName("CommandOpen");
    CommandOpen->setEnabled(BackupList->currentItem() != nullptr);
    CommandClose = new QPushButton(QString::fromStdString(CommandCaption(state, "CommandClose")), this);
    CommandClose->setObjectName("CommandClose");
    connect(CommandOpen, &QPushButton::clicked, this, &FrmBackups::OnOpen);
    connect(CommandClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(BackupList, &QTreeWidget::itemDoubleClicked, this, &FrmBackups::OnOpen);
    connect(BackupList, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { CommandOpen->setEnabled(current != nullptr); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BackupList);
    layout->addLayout(ButtonRow({CommandOpen, CommandClose}));
    resize(TwipsToPixels(9000), TwipsToPixels(5000));
}

void FrmBackups::OnOpen() {
    const QTreeWidgetItem* item = BackupList->currentItem();
    if (item == nullptr)
        return;
    m_chosen = item->data(0, kPathRole).toString().toStdString();
    accept();
}

}  // namespace mox
