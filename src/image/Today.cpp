#include "image/Today.h"

#include <ctime>

namespace mox {

namespace {

// Decimal digits of a non-negative number, left-padded with "0" to `width`.
std::string Padded(int value, int width) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + value % 10));
        value /= 10;
    } while (value > 0);
    while (static_cast<int>(digits.size()) < width)
        digits.insert(digits.begin(), '0');
    return digits;
}

}  // namespace

Today TodayFromSystemClock() {
    const std::time_t now = std::time(nullptr);
    // The program runs on one thread, so the shared result of localtime is safe here.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr)
        return {};
    const int month = local->tm_mon + 1;
    return {Padded(local->tm_year + 1900, 4) + "-" + Padded(month, 2) + "-" + Padded(local->tm_mday, 2),
            month};
}

}  // namespace mox
