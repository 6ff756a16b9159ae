#include "cli/RadioInfoReport.h"

#include <QStringDecoder>
#include <ostream>

#include "app/Texts.h"
#include "image/Models.h"

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

// The radio keeps its texts in the Chinese ANSI code page, which GB18030 covers together with ASCII.
QString Decoded(const std::string& raw) {
    QStringDecoder decode("GB18030");
    if (!decode.isValid())
        return QString::fromLatin1(raw);
    return decode(QByteArray::fromStdString(raw));
}

}  // namespace

QJsonObject RadioInfoToJson(const AppState& state) {
    QJsonObject json;
    for (const InfoField& field : kFields)
        json[field.Name] = Decoded(state.Info.*field.Field);
    json["InfoBandCode"] = state.Info.InfoBandCode;
    json["BandName"] = QString::fromStdString(BandName(state.Info.InfoBandCode));
    return json;
}

void PrintRadioInfo(const AppState& state, std::ostream& out) {
    auto line = [&](int label, const char* name, const QString& value) {
        std::string caption = GetLanguageText(state, label);
        out << (caption.empty() ? name : caption) << ": " << value.toStdString() << '\n';
    };
    line(21005, "InfoModel", Decoded(state.Info.InfoModel));
    line(21006, "InfoBandCode", QString::fromStdString(BandName(state.Info.InfoBandCode)));
    for (const InfoField& field : kFields) {
        if (field.Label != 21005)
            line(field.Label, field.Name, Decoded(state.Info.*field.Field));
    }
}

}  // namespace mox::cli
