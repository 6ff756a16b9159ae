#include "link/RadioIdentityReply.h"

#include <algorithm>

#include "image/FeatureByte.h"

namespace mox {

namespace {

constexpr int kModelCodeAddress = 2816;
constexpr int kVersionAddress = 2824;

// Bytes [first, first + count) up to the first 00.
std::string TextUpToNul(const Bytes& bytes, std::size_t first, std::size_t count) {
    std::string text;
    for (std::size_t i = first; i < first + count && i < bytes.size() && bytes[i] != 0; ++i)
        text.push_back(static_cast<char>(bytes[i]));
    return text;
}

}  // namespace

RadioIdentity IdentityOf(const Bytes& reply) {
    RadioIdentity identity;
    identity.ModelCode = TextUpToNul(reply, 1, 7);
    identity.BandCode = reply[8];
    identity.Version = TextUpToNul(reply, 9, 4);
    identity.FeatureByte = reply[13];
    return identity;
}

void TakeIdentity(const Bytes& reply, bool factoryTestMode, RadioIdentity& identity, RadioRecords& radio) {
    identity = IdentityOf(reply);
    TakeFeatureByte(reply[13], radio.Image, radio.Features);
    if (!factoryTestMode)
        std::copy(reply.begin() + 1, reply.begin() + 8, radio.Image.begin() + kModelCodeAddress);
    std::copy(reply.begin() + 9, reply.begin() + 13, radio.Image.begin() + kVersionAddress);
}

std::string RadioPasswordOf(const Bytes& blockData) {
    std::string password;
    for (std::size_t i = 12; i < 16 && i < blockData.size(); ++i) {
        if (blockData[i] == 0x00 || blockData[i] == 0xFF)
            break;
        password.push_back(static_cast<char>(blockData[i]));
    }
    return password;
}

std::string ComparableModelCode(const std::string& code) {
    std::string cut = code.substr(0, code.find('\0'));
    cut.erase(cut.find_last_not_of(' ') + 1);
    return cut;
}

}  // namespace mox
