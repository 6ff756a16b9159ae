#pragma once

// The tone columns of the exchange format and the channel's two tone codes. The format names a tone
// mode in `Tone` and reads the codes from the columns that mode uses: "Tone" (transmit CTCSS in
// rToneFreq), "TSQL" (one CTCSS both ways in cToneFreq), "DTCS" (one DCS code both ways, DtcsCode and
// RxDtcsCode, DtcsPolarity first letter transmit, second receive, "N" normal, "R" inverted) and
// "Cross" with a CrossMode for every other pair.

#include <string>

namespace mox {

struct CsvToneColumns {
    std::string Tone;
    std::string RToneFreq = "88.5";
    std::string CToneFreq = "88.5";
    std::string DtcsCode = "023";
    std::string DtcsPolarity = "NN";
    std::string RxDtcsCode = "023";
    std::string CrossMode = "Tone->Tone";
};

// The columns of a channel's tones; the columns its mode does not read keep the defaults other
// programs write. A code outside the tone list counts as no tone, as the channel list shows it.
CsvToneColumns ToneColumnsOf(int rxTone, int txTone);

// Why the tone columns of a row cannot be taken; Text is the value at fault.
enum class ToneFault { None, UnknownMode, UnknownCrossMode, CtcssNotInList, DcsNotInList, BadPolarity };

struct CsvTones {
    int RxTone = 0;
    int TxTone = 0;
    ToneFault Fault = ToneFault::None;
    std::string Text;
};

// The tone codes the columns name. An empty Tone column means no tones, whatever the others hold.
CsvTones TonesOfColumns(const CsvToneColumns& columns);

}  // namespace mox
