// Length-prefixed frames: a 4-byte big-endian length, then that many bytes of
// a UTF-8 JSON object. Shared by qv_server, the client library and qv_admin.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

namespace qv::proto {

inline constexpr int kProtocolVersion = 1;
inline constexpr std::uint32_t kDefaultMaxFrame = 16u * 1024u * 1024u;
inline constexpr std::size_t kHeaderSize = 4;

// The frame for a body; an empty string when the body exceeds max_frame.
std::string encode_frame(std::string_view body, std::uint32_t max_frame = kDefaultMaxFrame);
std::string encode_frame(const nlohmann::json& body, std::uint32_t max_frame = kDefaultMaxFrame);
// For a frame written in place: kHeaderSize bytes, then the body. Writes the
// body's length into them; false when the body is empty or exceeds max_frame.
bool seal_frame(std::string& frame, std::uint32_t max_frame = kDefaultMaxFrame);

// Incremental decoder: feed whatever the socket gave, take whole frames out.
// A zero or oversized length breaks the stream for good: the peer is either
// hostile or out of step, and no later byte can be trusted.
class FrameDecoder {
public:
    explicit FrameDecoder(std::uint32_t max_frame = kDefaultMaxFrame) : max_frame_(max_frame) {}

    void feed(const char* data, std::size_t size);
    void feed(std::string_view bytes) { feed(bytes.data(), bytes.size()); }

    // The next complete frame body, or nothing until more bytes arrive.
    std::optional<std::string> next();

    bool failed() const { return failed_; }
    const std::string& error() const { return error_; }
    std::size_t buffered() const { return buffer_.size() - offset_; }

private:
    static constexpr std::size_t kReserveAfter = 1u << 20;

    void fail(std::string why);

    std::uint32_t max_frame_;
    std::string buffer_;
    std::size_t offset_ = 0;
    bool failed_ = false;
    std::string error_;
};

// Arrays and objects nested deeper than this are refused.
inline constexpr std::size_t kMaxNesting = 128;

// A frame body parsed as a JSON object; nothing (and the reason) otherwise,
// also when it is nested deeper than kMaxNesting.
std::optional<nlohmann::json> parse_body(std::string_view body, std::string* why = nullptr);
// False (and the reason) when a JSON text is nested deeper than kMaxNesting.
bool nesting_allowed(std::string_view text, std::string* why = nullptr);

}  // namespace qv::proto
