#include "cli/RadioInfoReport.h"

#include <ostream>

#include "app/Texts.h"
#include "editors/RadioInfoBlock.h"
#include "image/Models.h"
#include "platform/TextDecoding.h"

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

}  // namespace

QJsonObject RadioInfoToJson(const AppState& state) {
    QJsonObject json;
    for (const InfoField& field : kFields)
        json[field.Name] = Decoded(state.Info, field.Field);
    json["InfoBandCode"] = state.Info.InfoBandCode;
    json["BandName"] = QString::fromStdString(BandName(state.Info.InfoBandCode));
    return json;
}

void PrintRadioInfo(const AppState& state, std::ostream& out) {
    auto line = [&](int label, const char* name, const QString& value) {
        std::string caption = GetLanguageText(state, label);
        out << (caption.empty() ? name : caption) << ": " << value.toStdString() << '\n';
    };
    line(21005, "InfoModel", Decoded(state.Info, &RadioInfo::InfoModel));
    line(21006, "InfoBandCode", QString::fromStdString(BandName(state.Info.InfoBandCode)));
    for (const InfoField& field : kFields) {
        if (field.Label != 21005)
            line(field.Label, field.Name, Decoded(state.Info, field.Field));
    }
}

}  // namespace mox::cli
