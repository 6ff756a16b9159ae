#include "platform/TextDecoding.h"

#include <QByteArray>
#include <QStringDecoder>

namespace mox {

QString DecodedText(const std::string& bytes, TextEncoding encoding) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(raw);
    QStringDecoder decode("GB18030");
    return decode.isValid() ? decode.decode(raw) : QString::fromLatin1(raw);
}

}  // namespace mox
