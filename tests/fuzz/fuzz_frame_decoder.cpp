// The frame decoder and body parser on arbitrary bytes, fed in pieces the way
// a socket delivers them. Besides crashes it checks that every frame taken
// out encodes back to exactly the bytes it came from.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "protocol/Frame.hpp"
#include "FuzzCheck.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose the piece size and a frame limit, small so
    // that the oversized-frame path is reached too.
    const std::size_t piece = 1 + data[0] % 64;
    const std::uint32_t max_frame = 1 + static_cast<std::uint32_t>(data[1]) * 16;
    const std::string_view stream(reinterpret_cast<const char*>(data) + 2, size - 2);

    qv::proto::FrameDecoder decoder(max_frame);
    std::size_t consumed = 0;
    for (std::size_t at = 0; at < stream.size() && !decoder.failed(); at += piece) {
        decoder.feed(stream.substr(at, piece));
        while (auto body = decoder.next()) {
            check(!body->empty() && body->size() <= max_frame);
            const std::string frame = qv::proto::encode_frame(std::string_view(*body), max_frame);
            check(stream.substr(consumed, frame.size()) == frame);
            consumed += frame.size();
            std::string why;
            auto json = qv::proto::parse_body(*body, &why);
            check(json ? json->is_object() : !why.empty());
            if (json)
                (void)qv::proto::encode_frame(*json);
        }
    }
    check(decoder.failed() ? !decoder.error().empty() : decoder.buffered() == stream.size() - consumed);
    return 0;
}
