#include "files/ui/QtFileDialogs.h"

#include <QFileDialog>

namespace mox {

QString QtFilterOf(const std::string& filter) {
    return QString::fromStdString(filter.substr(0, filter.find('|')));
}

QString DefaultSuffixOf(const std::string& filter) {
    const std::size_t star = filter.rfind("*.");
    return star == std::string::npos ? QString() : QString::fromStdString(filter.substr(star + 2));
}

QtFileDialogs::QtFileDialogs(std::function<QWidget*()> parent) : m_parent(std::move(parent)) {}

std::optional<std::string> QtFileDialogs::OpenFileName(const std::string& filter, const std::string& folder) {
    QFileDialog dialog(m_parent(), QString(), QString::fromStdString(folder), QtFilterOf(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtFileDialogs::SaveFileName(const std::string& filter,
                                                       const std::string& proposed) {
    QFileDialog dialog(m_parent(), QString(), QString::fromStdString(proposed), QtFilterOf(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(DefaultSuffixOf(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace mox
