#include "link/UsbIdentity.h"

#include <charconv>

#include "codecs/Tones.h"

namespace mox {

namespace {

std::optional<std::uint16_t> HexId(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.size() != 4 || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

std::optional<UsbIdentity> UsbIdentityOf(const SerialDevice& device) {
    if (!device.IsUsb())
        return std::nullopt;
    return UsbIdentity{device.VendorId, device.ProductId, device.SerialNumber, device.Product};
}

std::string UsbIdentityText(const UsbIdentity& identity) {
    return HexPad(identity.VendorId, 4) + ":" + HexPad(identity.ProductId, 4) + "," + identity.SerialNumber +
           "," + identity.Product;
}

std::optional<UsbIdentity> ParseUsbIdentity(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::size_t comma = text.find(',');
    if (colon == std::string_view::npos || comma == std::string_view::npos || comma < colon)
        return std::nullopt;
    const std::size_t second = text.find(',', comma + 1);
    const auto vendor = HexId(text.substr(0, colon));
    const auto product = HexId(text.substr(colon + 1, comma - colon - 1));
    if (!vendor || !product || second == std::string_view::npos)
        return std::nullopt;
    return UsbIdentity{*vendor, *product, std::string(text.substr(comma + 1, second - comma - 1)),
                       std::string(text.substr(second + 1))};
}

bool IsSameAdapter(const UsbIdentity& stored, const UsbIdentity& seen) {
    if (stored.VendorId != seen.VendorId || stored.ProductId != seen.ProductId)
        return false;
    if (!stored.SerialNumber.empty() && !seen.SerialNumber.empty())
        return stored.SerialNumber == seen.SerialNumber;
    return stored.SerialNumber.empty() && seen.SerialNumber.empty() && stored.Product == seen.Product;
}

}  // namespace mox
