#include "image/FeatureByte.h"

#include "image/ImageLayout.h"

namespace mox {

void TakeFeatureByte(std::uint8_t featureByte, RadioImage& image, FeatureFlags& flags) {
    image[kFeatureByteAddress] = featureByte;
    for (std::size_t i = 0; i < flags.Current.size(); ++i) {
        // Current[0] is bit 3, Current[3] is bit 0.
        flags.Current[i] = (featureByte >> (flags.Current.size() - 1 - i)) & 1;
        if (flags.Remembered[i] == 0)
            flags.Remembered[i] = flags.Current[i];
    }
}

}  // namespace mox
