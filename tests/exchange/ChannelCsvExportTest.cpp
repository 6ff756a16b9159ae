#include "exchange/ChannelCsvExport.h"

#include "ExchangeFixture.h"

namespace mox::test {
namespace {

using ChannelCsvExportTest = ExchangeFixture;

TEST_F(ChannelCsvExportTest, EachChannelIsOneRowInChannelOrderInTheCommonColumns) {
    ChannelRecord& repeater = Add(data, 7, "435.12500", "-5");
    repeater.TxTone = 9;  // 88.5 transmitted only
    repeater.TxPower = 0;
    repeater.Spacing = 2;
    ChannelRecord& simplex = Add(data, 2, "446.00625");
    simplex.RxTone = 168;  // 023I
    simplex.TxTone = 52;   // 023N
    simplex.ScanSkip = 1;
    simplex.TxPower = 1;
    ChannelRecord& quiet = Add(data, 3, "440.00833", "+10");
    quiet.TxInhibit = 1;
    quiet.Spacing = 1;
    EXPECT_EQ(ExportChannelsCsv(data.Channels),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
              "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
              "2,,446.006250,,0.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,NFM,6.25,S,Mid,,,,,\r\n"
              "3,,440.008330,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,8.33,,High,,,,,\r\n"
              "7,,435.125000,-,5.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,\r\n");
}

TEST_F(ChannelCsvExportTest, AnEmptyListIsTheHeaderAlone) {
    EXPECT_EQ(ExportChannelsCsv(data.Channels).find("\r\n") + 2, ExportChannelsCsv(data.Channels).size());
}

}  // namespace
}  // namespace mox::test
