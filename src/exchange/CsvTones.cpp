#include "exchange/CsvTones.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "codecs/DecimalText.h"
#include "codecs/Tones.h"

namespace mox {

namespace {

constexpr int kFirstDcs = 51;
constexpr int kFirstInvertedDcs = 167;
constexpr int kDcsCount = kFirstInvertedDcs - kFirstDcs;

bool IsCtcss(int code) {
    return code >= 1 && code < kFirstDcs;
}
bool IsDcs(int code) {
    return code >= kFirstDcs && code < kToneCount;
}
bool IsInverted(int code) {
    return code >= kFirstInvertedDcs && code < kToneCount;
}
// The three octal digits of a DCS code, "023" for 023N and 023I.
std::string DcsDigits(int code) {
    return ToneText(code, "").substr(0, 3);
}
char PolarityLetter(int code) {
    return IsInverted(code) ? 'R' : 'N';
}

const char* CrossModeOf(int rx, int tx) {
    if (IsCtcss(tx))
        return IsCtcss(rx) ? "Tone->Tone" : "Tone->DTCS";
    if (IsDcs(tx)) {
        if (IsCtcss(rx))
            return "DTCS->Tone";
        return IsDcs(rx) ? "DTCS->DTCS" : "DTCS->";
    }
    return IsCtcss(rx) ? "->Tone" : "->DTCS";
}

// The tones of every mode but "Cross": "Tone", "TSQL" and "DTCS" name one pair each.
bool SimpleMode(CsvToneColumns& c, int rx, int tx) {
    if (IsCtcss(tx) && rx == 0) {
        c.Tone = "Tone";
        c.RToneFreq = ToneText(tx, "");
    } else if (IsCtcss(tx) && rx == tx) {
        c.Tone = "TSQL";
        c.CToneFreq = ToneText(tx, "");
    } else if (IsDcs(tx) && IsDcs(rx) && DcsDigits(tx) == DcsDigits(rx)) {
        c.Tone = "DTCS";
        c.DtcsCode = DcsDigits(tx);
        c.RxDtcsCode = c.DtcsCode;
    } else {
        return false;
    }
    return true;
}

}  // namespace

CsvToneColumns ToneColumnsOf(int rxTone, int txTone) {
    const int rx = rxTone >= 0 && rxTone < kToneCount ? rxTone : 0;
    const int tx = txTone >= 0 && txTone < kToneCount ? txTone : 0;
    CsvToneColumns c;
    c.DtcsPolarity = {PolarityLetter(tx), PolarityLetter(rx)};
    if ((rx == 0 && tx == 0) || SimpleMode(c, rx, tx))
        return c;
    c.Tone = "Cross";
    c.CrossMode = CrossModeOf(rx, tx);
    if (IsCtcss(tx))
        c.RToneFreq = ToneText(tx, "");
    if (IsCtcss(rx))
        c.CToneFreq = ToneText(rx, "");
    if (IsDcs(tx))
        c.DtcsCode = DcsDigits(tx);
    if (IsDcs(rx))
        c.RxDtcsCode = DcsDigits(rx);
    return c;
}

namespace {

// A CTCSS code by its frequency in Hz, to a tenth: "88.5", "88.50" and " 88.5" are one tone.
std::optional<int> CtcssCode(const std::string& text) {
    const std::optional<UnitValue> value = ParseUnits(text);
    constexpr std::int64_t kUnitsPerTenth = kUnitsPerMHz / 10;
    if (!value || value->IsNegative() || value->Fraction != UnitFraction::Zero ||
        value->Floor % kUnitsPerTenth != 0)
        return std::nullopt;
    const std::int64_t tenths = value->Floor / kUnitsPerTenth;
    const std::string wanted = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    for (int code = 1; code < kFirstDcs; ++code) {
        if (ToneText(code, "") == wanted)
            return code;
    }
    return std::nullopt;
}

// A DCS code by its octal digits ("023" or "23") and a polarity letter.
std::optional<int> DcsCode(const std::string& text, char polarity) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("01234567") != std::string::npos)
        return std::nullopt;
    const std::string digits = std::string(3 - text.size(), '0') + text;
    for (int code = kFirstDcs; code < kFirstInvertedDcs; ++code) {
        if (DcsDigits(code) == digits)
            return polarity == 'R' ? code + kDcsCount : code;
    }
    return std::nullopt;
}

class ToneReader {
public:
    explicit ToneReader(const CsvToneColumns& columns) : m_c(columns) {}

    CsvTones Read() {
        const std::string& polarity = m_c.DtcsPolarity;
        if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos)
            return Fault(ToneFault::BadPolarity, polarity);
        if (m_c.Tone == "Tone")
            return Pair("", "Tone");
        if (m_c.Tone == "TSQL")
            return Pair("Tone", "Tone", m_c.CToneFreq);
        // Other programs keep one code for both sides in DtcsCode; RxDtcsCode belongs to "Cross".
        if (m_c.Tone == "DTCS")
            return Pair("DTCS", "DTCS", {}, m_c.DtcsCode);
        if (m_c.Tone != "Cross")
            return Fault(ToneFault::UnknownMode, m_c.Tone);
        static const char* const kCrossModes[] = {"Tone->Tone", "Tone->DTCS", "DTCS->Tone", "->Tone",
                                                  "->DTCS",     "DTCS->",     "DTCS->DTCS"};
        if (std::ranges::find(kCrossModes, m_c.CrossMode) == std::end(kCrossModes))
            return Fault(ToneFault::UnknownCrossMode, m_c.CrossMode);
        const std::size_t arrow = m_c.CrossMode.find("->");
        const std::string tx = m_c.CrossMode.substr(0, arrow);
        const std::string rx = m_c.CrossMode.substr(arrow + 2);
        return Pair(rx, tx);
    }

private:
    // rxKind and txKind: "" none, "Tone" CTCSS, "DTCS" DCS. TSQL reads one CTCSS for both sides.
    // bothDcs likewise reads one DCS code for both sides.
    CsvTones Pair(const std::string& rxKind, const std::string& txKind, const std::string& both = {},
                  const std::string& bothDcs = {}) {
        CsvTones tones;
        tones.TxTone = Code(txKind, both.empty() ? m_c.RToneFreq : both, m_c.DtcsCode, m_c.DtcsPolarity[0]);
        tones.RxTone = Code(rxKind, both.empty() ? m_c.CToneFreq : both,
                            bothDcs.empty() ? m_c.RxDtcsCode : bothDcs, m_c.DtcsPolarity[1]);
        if (m_fault != ToneFault::None)
            return Fault(m_fault, m_faultText);
        return tones;
    }

    int Code(const std::string& kind, const std::string& ctcss, const std::string& dcs, char polarity) {
        if (kind == "Tone") {
            if (const std::optional<int> code = CtcssCode(ctcss))
                return *code;
            Note(ToneFault::CtcssNotInList, ctcss);
        } else if (kind == "DTCS") {
            if (const std::optional<int> code = DcsCode(dcs, polarity))
                return *code;
            Note(ToneFault::DcsNotInList, dcs);
        }
        return 0;
    }

    void Note(ToneFault fault, const std::string& text) {
        if (m_fault == ToneFault::None) {
            m_fault = fault;
            m_faultText = text;
        }
    }

    static CsvTones Fault(ToneFault fault, const std::string& text) {
        CsvTones tones;
        tones.Fault = fault;
        tones.Text = text;
        return tones;
    }

    const CsvToneColumns& m_c;
    ToneFault m_fault = ToneFault::None;
    std::string m_faultText;
};

}  // namespace

CsvTones TonesOfColumns(const CsvToneColumns& columns) {
    if (columns.Tone.empty())
        return {};
    return ToneReader(columns).Read();
}

}  // namespace mox
