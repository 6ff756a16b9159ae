#include "exchange/ui/ExchangeWindows.h"

#include <QDate>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <filesystem>

#include "app/ExchangeCommands.h"
#include "exchange/ImportReportText.h"
#include "exchange/ui/FrmImportOptions.h"
#include "exchange/ui/FrmTextReport.h"
#include "platform/PrintedPages.h"
#include "services/FilledText.h"
#include "services/Texts.h"
#include "widgets/UiText.h"

namespace mox {

namespace {

constexpr int kImportTitleText = 31464;
constexpr int kCompareTitleText = 31465;
constexpr int kSameText = 31466;

}  // namespace

void ImportChannelsWithReport(AppState& state, FileDialogs& dialogs, QWidget* parent) {
    const std::optional<ImportOptions> options = FrmImportOptions::Ask(state, parent);
    if (!options)
        return;
    const std::optional<ImportReport> report = ImportChannels(state, dialogs, *options);
    if (!report)
        return;
    FrmTextReport window(state, UiText(state, kImportTitleText), ImportReportLines(state, *report), parent);
    window.exec();
}

void CompareWithFileWindow(AppState& state, FileDialogs& dialogs, QWidget* parent) {
    std::string chosen;
    const std::optional<std::vector<std::string>> lines = CompareWithFile(state, dialogs, &chosen);
    if (!lines)
        return;
    const std::string title = FilledText(GetLanguageText(state, kCompareTitleText),
                                         {std::filesystem::path(chosen).filename().string()});
    FrmTextReport window(
        state, QString::fromStdString(title),
        lines->empty() ? std::vector<std::string>{GetLanguageText(state, kSameText)} : *lines, parent);
    window.exec();
}

void PrintPreview(AppState& state, QWidget* parent) {
    const std::string today =
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    const PrintedDocument document = DocumentToPrint(state, today);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(
        QString::fromStdString(std::filesystem::path(state.Document.CurrentPath).filename().string()));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("PrintPreview");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) { PaintPrintedDocument(document, *target); });
    preview.exec();
}

}  // namespace mox
