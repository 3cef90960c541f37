// The hand-off record between the help launcher and the help viewer. The
// root window of the default screen carries the property "HyperHelpAtomV40"
// (name and type, format 8): a sequence of 1056-byte records, one per client.
//
//   bytes 0-3     client key (32-bit, as the client's words)
//   bytes 4-7     zero
//   bytes 8-11    window of the viewer serving the client, 0 until filled in
//   bytes 12-31   zero
//   bytes 32-1055 command text, NUL-terminated (at most 1023 characters)
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class HelpRecord {
public:
    static constexpr std::size_t kSize = 1056;
    static constexpr std::size_t kKeyOffset = 0;
    static constexpr std::size_t kWindowOffset = 8;
    static constexpr std::size_t kTextOffset = 32;
    static constexpr std::size_t kTextMax = kSize - kTextOffset - 1;
    static constexpr std::int32_t kClientKey = 67890;
    static constexpr const char* kAtomName = "HyperHelpAtomV40";

    using Bytes = std::array<unsigned char, kSize>;

    HelpRecord() = default;
    HelpRecord(std::int32_t key, std::uint32_t window, std::string command)
        : key(key), window(window), command(std::move(command))
    {
    }

    // A command longer than kTextMax is cut.
    Bytes encode() const;
    static HelpRecord decode(const unsigned char* bytes);

    // The index of the first record with the key in a property value, or -1.
    // A trailing partial record is ignored.
    static int find(const std::vector<unsigned char>& property, std::int32_t key);

    std::int32_t key = 0;
    std::uint32_t window = 0;
    std::string command;
};
