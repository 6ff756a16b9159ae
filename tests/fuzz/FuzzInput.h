#pragma once

// What every fuzz target shares: a check that stops the run on a broken rule (the input is kept as a
// failure), and a reader that splits one fuzz input into the choices and bytes a target needs.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "Fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            __builtin_trap();                                                                        \
        }                                                                                            \
    } while (0)

namespace mox::fuzz {

// Takes the input from the front; once it is used up every choice is 0 and every byte string empty, so
// a short input is a valid one.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_used == m_size; }
    std::uint8_t Byte() { return Empty() ? 0 : m_data[m_used++]; }
    bool Flag() { return (Byte() & 1) != 0; }
    // A number in 0..count-1 (count > 0).
    std::size_t Choice(std::size_t count) { return Byte() % count; }
    // Up to `count` bytes.
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        const std::size_t n = std::min(count, m_size - m_used);
        std::vector<std::uint8_t> bytes(m_data + m_used, m_data + m_used + n);
        m_used += n;
        return bytes;
    }
    // A text whose length the input gives in its first byte.
    std::string ShortText() {
        const std::vector<std::uint8_t> bytes = Bytes(Byte());
        return std::string(bytes.begin(), bytes.end());
    }
    std::string Rest() {
        const std::vector<std::uint8_t> bytes = Bytes(m_size - m_used);
        return std::string(bytes.begin(), bytes.end());
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_used = 0;
};

}  // namespace mox::fuzz
