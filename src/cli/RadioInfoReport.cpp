#include "cli/RadioInfoReport.h"

#include <ostream>

#include "image/Models.h"
#include "image/RadioInfoBlock.h"
#include "platform/TextDecoding.h"
#include "services/NumberText.h"
#include "services/Texts.h"

namespace mox::cli {
namespace {

struct InfoField {
    const char* Name;
    int Label;  // the information window's label text
    std::string RadioInfo::*Field;
};

const InfoField kFields[] = {
    {"InfoModel", 21005, &RadioInfo::InfoModel},       {"SerialNumber", 21007, &RadioInfo::SerialNumber},
    {"FactoryDate", 21008, &RadioInfo::FactoryDate},   {"RepairDate", 21009, &RadioInfo::RepairDate},
    {"VersionInfo", 21010, &RadioInfo::VersionInfo},   {"RepairReason", 21012, &RadioInfo::RepairReason},
    {"SalesArea", 21002, &RadioInfo::SalesArea},       {"BatchNumber", 21003, &RadioInfo::BatchNumber},
    {"CustomerCode", 21004, &RadioInfo::CustomerCode}, {"DealerCode", 21013, &RadioInfo::DealerCode},
    {"StockInDate", 21014, &RadioInfo::StockInDate},   {"SaleDate", 21015, &RadioInfo::SaleDate},
    {"Handler", 21016, &RadioInfo::Handler},
};

QString Decoded(const RadioInfo& info, std::string RadioInfo::*field) {
    return DecodedText(info.*field, EncodingOf(info, field));
}

// The information block with the model, band and version the radio reported in its identity answer,
// where new data would only give the program's own defaults.
RadioInfo ReportedInfo(const AppState& state) {
    RadioInfo info = state.Info;
    const RadioIdentity& radio = state.Transfer.Identity;
    info.InfoModel = radio.ModelCode;
    info.InfoBandCode = radio.BandCode;
    info.VersionInfo = radio.Version;
    return info;
}

}  // namespace

QJsonObject RadioInfoToJson(const AppState& state) {
    const RadioInfo info = ReportedInfo(state);
    QJsonObject json;
    for (const InfoField& field : kFields)
        json[field.Name] = Decoded(info, field.Field);
    json["InfoBandCode"] = info.InfoBandCode;
    json["BandName"] = QString::fromStdString(BandName(info.InfoBandCode));
    return json;
}

void PrintRadioInfo(const AppState& state, std::ostream& out) {
    const RadioInfo info = ReportedInfo(state);
    auto line = [&](int label, const char* name, const QString& value) {
        std::string caption = GetLanguageText(state, label);
        out << (caption.empty() ? name : caption) << ": " << value.toStdString() << '\n';
    };
    line(21005, "InfoModel", Decoded(info, &RadioInfo::InfoModel));
    // A band code outside the table has no name; the code itself is what the radio said.
    const std::string band = BandName(info.InfoBandCode);
    line(21006, "InfoBandCode",
         QString::fromStdString(band.empty() ? WholeNumberText(info.InfoBandCode) : band));
    for (const InfoField& field : kFields) {
        if (field.Label != 21005)
            line(field.Label, field.Name, Decoded(info, field.Field));
    }
}

}  // namespace mox::cli
