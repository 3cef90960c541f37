#include "protocol/Frame.hpp"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace qv::proto {

std::string encode_frame(std::string_view body, std::uint32_t max_frame)
{
    if (body.empty() || body.size() > max_frame)
        return {};
    const auto n = static_cast<std::uint32_t>(body.size());
    std::string out;
    out.reserve(kHeaderSize + body.size());
    out.push_back(static_cast<char>((n >> 24) & 0xff));
    out.push_back(static_cast<char>((n >> 16) & 0xff));
    out.push_back(static_cast<char>((n >> 8) & 0xff));
    out.push_back(static_cast<char>(n & 0xff));
    out.append(body);
    return out;
}

bool seal_frame(std::string& frame, std::uint32_t max_frame)
{
    if (frame.size() <= kHeaderSize || frame.size() - kHeaderSize > max_frame)
        return false;
    const auto n = static_cast<std::uint32_t>(frame.size() - kHeaderSize);
    frame[0] = static_cast<char>((n >> 24) & 0xff);
    frame[1] = static_cast<char>((n >> 16) & 0xff);
    frame[2] = static_cast<char>((n >> 8) & 0xff);
    frame[3] = static_cast<char>(n & 0xff);
    return true;
}

std::string encode_frame(const nlohmann::json& body, std::uint32_t max_frame)
{
    // Invalid UTF-8 in a string is replaced rather than thrown: a frame must
    // always be producible from whatever a user typed.
    const std::string text = body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return encode_frame(std::string_view(text), max_frame);
}

void FrameDecoder::feed(const char* data, std::size_t size)
{
    if (failed_ || size == 0)
        return;
    // Drop consumed bytes before growing, so a long-lived connection does not
    // keep every frame it ever received.
    if (offset_ > 0 && offset_ >= buffer_.size() / 2) {
        buffer_.erase(0, offset_);
        offset_ = 0;
    }
    buffer_.append(data, size);
}

std::optional<std::string> FrameDecoder::next()
{
    if (failed_ || buffered() < kHeaderSize)
        return std::nullopt;
    const auto* p = reinterpret_cast<const unsigned char*>(buffer_.data() + offset_);
    const std::uint32_t n = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
                            (std::uint32_t{p[2]} << 8) | std::uint32_t{p[3]};
    if (n == 0) {
        fail("empty frame");
        return std::nullopt;
    }
    if (n > max_frame_) {
        fail("frame of " + std::to_string(n) + " bytes exceeds the limit of " +
             std::to_string(max_frame_));
        return std::nullopt;
    }
    if (buffered() < kHeaderSize + n) {
        // A large frame gets its whole room once it is well on its way, not
        // by doublings that each hold the old copy and the new at once.
        if (buffered() >= kReserveAfter && buffer_.capacity() < offset_ + kHeaderSize + n)
            buffer_.reserve(offset_ + kHeaderSize + n);
        return std::nullopt;
    }
    if (offset_ == 0 && buffer_.size() == kHeaderSize + n) {
        // A frame alone in the buffer leaves with it rather than as a copy.
        std::string body = std::move(buffer_);
        buffer_ = std::string();
        body.erase(0, kHeaderSize);
        return body;
    }
    std::string body = buffer_.substr(offset_ + kHeaderSize, n);
    offset_ += kHeaderSize + n;
    if (offset_ == buffer_.size()) {
        buffer_.clear();
        offset_ = 0;
    }
    return body;
}

void FrameDecoder::fail(std::string why)
{
    failed_ = true;
    error_ = std::move(why);
    buffer_.clear();
    offset_ = 0;
}

namespace {

// The deepest nesting of arrays and objects in a JSON text, strings skipped.
std::size_t nesting_depth(std::string_view text)
{
    std::size_t depth = 0, deepest = 0;
    bool in_string = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (in_string) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

}  // namespace

bool nesting_allowed(std::string_view text, std::string* why)
{
    // Serialising and destroying JSON recurses: a hostile frame of nested
    // brackets must not reach the stack's end, here or in a later reply.
    if (nesting_depth(text) <= kMaxNesting)
        return true;
    if (why)
        *why = "frame body is nested more than " + std::to_string(kMaxNesting) + " levels deep";
    return false;
}

std::optional<nlohmann::json> parse_body(std::string_view body, std::string* why)
{
    if (!nesting_allowed(body, why))
        return std::nullopt;
    auto j = nlohmann::json::parse(body, nullptr, /*allow_exceptions=*/false);
    if (j.is_discarded()) {
        if (why)
            *why = "frame body is not valid JSON";
        return std::nullopt;
    }
    if (!j.is_object()) {
        if (why)
            *why = "frame body is not a JSON object";
        return std::nullopt;
    }
    return j;
}

}  // namespace qv::proto
