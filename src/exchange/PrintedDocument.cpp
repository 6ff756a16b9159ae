#include "exchange/PrintedDocument.h"

#include "channels/ChannelGrid.h"
#include "exchange/NamedSettings.h"
#include "image/ChannelTable.h"
#include "image/Models.h"
#include "services/FilledText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kGroupText = 14050;
constexpr int kHeadingText = 31450;
constexpr int kSettingsTitleText = 31451;
constexpr int kSettingText = 31452;
constexpr int kValueText = 31453;
constexpr int kPageNumberText = 31454;

// The channel list's columns that show a value; the hidden column and the editor button are left out.
constexpr int kPrintedColumns[] = {GridColumn::Position, GridColumn::Rx,         GridColumn::Tx,
                                   GridColumn::RxTone,   GridColumn::TxTone,     GridColumn::Power,
                                   GridColumn::Skip,     GridColumn::Signalling, GridColumn::Spacing};

PrintedPage GroupPage(const Messages& messages, const PrintSource& source, const GridLists& lists,
                      int group) {
    const auto text = [&messages](int number) { return GetLanguageText(messages, number); };
    PrintedPage page;
    page.Title = text(kGroupText) + " " + std::to_string(group + 1);
    std::vector<std::string>& titles = page.Rows.emplace_back();
    for (int column : kPrintedColumns)
        titles.push_back(text(GridColumnTitle(column, false)));
    for (int row = 1; row <= kGridRowCount; ++row) {
        const ChannelRecord* channel = FindChannel(source.Data.Channels, GridChannelNumber(group, row));
        GridRowTexts cells = ChannelRowTexts(source.Model, messages, channel, lists, false);
        cells[GridColumn::Position] = std::to_string(row);
        std::vector<std::string>& printed = page.Rows.emplace_back();
        for (int column : kPrintedColumns)
            printed.push_back(cells[static_cast<std::size_t>(column)]);
    }
    return page;
}

std::vector<PrintedPage> SettingsPages(const Messages& messages, const PrintSource& source) {
    const std::vector<NamedValue> settings = NamedSettings(source.Data, source.Companion);
    const std::size_t perPage = 2 * kSettingRowsPerPage;
    std::vector<PrintedPage> pages;
    for (std::size_t first = 0; first < settings.size(); first += perPage) {
        PrintedPage& page = pages.emplace_back();
        page.Title = GetLanguageText(messages, kSettingsTitleText);
        const std::string setting = GetLanguageText(messages, kSettingText);
        const std::string value = GetLanguageText(messages, kValueText);
        page.Rows.push_back({setting, value, setting, value});
        const std::size_t count = std::min(perPage, settings.size() - first);
        const std::size_t rows = (count + 1) / 2;
        for (std::size_t r = 0; r < rows; ++r) {
            const NamedValue& left = settings[first + r];
            std::vector<std::string> row = {left.first, left.second, "", ""};
            if (r + rows < count) {
                row[2] = settings[first + r + rows].first;
                row[3] = settings[first + r + rows].second;
            }
            page.Rows.push_back(std::move(row));
        }
    }
    return pages;
}

}  // namespace

PrintedDocument BuildPrintedDocument(const Messages& messages, const PrintSource& source) {
    PrintedDocument document;
    document.Heading = FilledText(
        GetLanguageText(messages, kHeadingText),
        {source.FileName, ModelDisplayName(source.Model.ModelCode), source.Model.BandName, source.Date});
    document.PageNumberText = GetLanguageText(messages, kPageNumberText);
    const GridLists lists =
        GridListEntries([&messages](int number) { return GetLanguageText(messages, number); });
    for (int group = 0; group < kGroupCount; ++group)
        document.Pages.push_back(GroupPage(messages, source, lists, group));
    for (PrintedPage& page : SettingsPages(messages, source))
        document.Pages.push_back(std::move(page));
    return document;
}

}  // namespace mox
