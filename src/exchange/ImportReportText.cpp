#include "exchange/ImportReportText.h"

#include "services/FilledText.h"
#include "services/Texts.h"

namespace mox {

namespace {

constexpr int kImportedText = 31400;
constexpr int kSkippedRowText = 31401;
constexpr int kChangedRowText = 31402;
constexpr int kNamesDroppedText = 31403;
constexpr int kCommentsDroppedText = 31404;
constexpr int kNotChannelListText = 31405;
constexpr int kNothingImportedText = 31406;

}  // namespace

std::vector<std::string> ImportReportLines(const Messages& messages, const ImportReport& report) {
    if (!report.IsChannelCsv)
        return {GetLanguageText(messages, kNotChannelListText)};
    std::vector<std::string> lines;
    for (const ImportNote& note : report.Notes) {
        const std::string reason = FilledText(GetLanguageText(messages, note.Reason), note.Values);
        lines.push_back(
            FilledText(GetLanguageText(messages, note.Skipped ? kSkippedRowText : kChangedRowText),
                       {std::to_string(note.Row), note.Location, reason}));
    }
    if (report.Imported == 0) {
        lines.push_back(GetLanguageText(messages, kNothingImportedText));
        return lines;
    }
    lines.push_back(FilledText(GetLanguageText(messages, kImportedText), {std::to_string(report.Imported)}));
    if (report.NamesDropped > 0)
        lines.push_back(
            FilledText(GetLanguageText(messages, kNamesDroppedText), {std::to_string(report.NamesDropped)}));
    if (report.CommentsDropped > 0)
        lines.push_back(FilledText(GetLanguageText(messages, kCommentsDroppedText),
                                   {std::to_string(report.CommentsDropped)}));
    return lines;
}

}  // namespace mox
