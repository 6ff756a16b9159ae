#include "exchange/CsvText.h"

namespace mox {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Walks the text once; a record ends at a line end outside quotes.
class CsvReader {
public:
    explicit CsvReader(std::string_view bytes) : m_text(bytes) {
        if (m_text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
            m_text.remove_prefix(kByteOrderMark.size());
    }

    std::vector<CsvRecord> ReadAll() {
        while (m_at < m_text.size())
            ReadRecord();
        return std::move(m_records);
    }

private:
    void ReadRecord() {
        CsvRecord record;
        std::string field;
        bool blank = true;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') {
                ReadQuoted(field);
                blank = false;
            } else if (c == ',') {
                record.push_back(std::move(field));
                field.clear();
                blank = false;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && m_at < m_text.size() && m_text[m_at] == '\n')
                    ++m_at;
                break;
            } else {
                field += c;
                blank = false;
            }
        }
        if (blank)
            return;
        record.push_back(std::move(field));
        m_records.push_back(std::move(record));
    }

    // After the opening quote: up to the closing one; "" stands for one quote.
    void ReadQuoted(std::string& field) {
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c != '"') {
                field += c;
            } else if (m_at < m_text.size() && m_text[m_at] == '"') {
                field += '"';
                ++m_at;
            } else {
                return;
            }
        }
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::vector<CsvRecord> m_records;
};

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view bytes) {
    return CsvReader(bytes).ReadAll();
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

}  // namespace mox
