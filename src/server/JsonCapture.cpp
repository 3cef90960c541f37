#include "server/JsonCapture.hpp"

namespace qv::server {

void JsonCapture::start(nlohmann::json& target)
{
    builder_.emplace(target, false);
    depth_ = 0;
}

bool JsonCapture::feed(SaxEvent& e)
{
    auto& b = *builder_;
    using Kind = SaxEvent::Kind;
    switch (e.kind) {
    case Kind::Null: b.null(); break;
    case Kind::Boolean: b.boolean(e.boolean); break;
    case Kind::Integer: b.number_integer(e.integer); break;
    case Kind::Unsigned: b.number_unsigned(e.unsigned_number); break;
    case Kind::Float: b.number_float(e.number, *e.spelling); break;
    case Kind::String: b.string(*e.text); break;
    case Kind::Key: b.key(*e.text); return false;
    case Kind::ObjectStart: b.start_object(static_cast<std::size_t>(-1)); ++depth_; return false;
    case Kind::ArrayStart: b.start_array(static_cast<std::size_t>(-1)); ++depth_; return false;
    case Kind::ObjectEnd: b.end_object(); --depth_; break;
    case Kind::ArrayEnd: b.end_array(); --depth_; break;
    }
    if (depth_ > 0)
        return false;
    builder_.reset();
    return true;
}

}  // namespace qv::server
