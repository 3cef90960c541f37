// Morf over qv::asn1: a parsed value and the syntax it was read with.
#include "platform/Morf.hpp"

#include "protocol/Asn1.hpp"

Morf::Morf() = default;

Morf::Morf(const Syntax& syntax, const DataUnit& text) : syntax_(syntax)
{
    if (!syntax.valid()) {
        error_ = "no syntax to read the value with";
        return;
    }
    value_ = qv::asn1::parse_value(syntax.type(), text.str(), &error_);
}

Morf::Morf(Syntax syntax, std::shared_ptr<const qv::asn1::Value> value)
    : syntax_(std::move(syntax)), value_(std::move(value))
{
}

bool Morf::has_value() const
{
    return value_ != nullptr;
}

DataUnit Morf::error() const
{
    return DataUnit(error_);
}

bool Morf::is_list() const
{
    return value_ && value_->type && value_->type->is_list();
}

Syntax Morf::get_syntax() const
{
    return syntax_;
}

// A CHOICE splits into the one value it holds; simple values into nothing.
RWTValSlist<Morf> Morf::split_array() const
{
    RWTValSlist<Morf> parts;
    if (!value_)
        return parts;
    const auto& type = *value_->type;
    for (std::size_t i = 0; i < value_->items.size(); ++i) {
        const auto& item = value_->items[i];
        std::string name = type.is_collection() ? type.element_name()
                           : type.kind == qv::asn1::Kind::Choice ? value_->choice
                           : i < type.members.size() ? type.members[i].name
                                                      : std::string();
        parts.push_back(Morf(Syntax(item->type, std::move(name)), item));
    }
    return parts;
}

DataUnit Morf::get_str(int /*reserved*/) const
{
    if (!value_)
        return DataUnit();
    switch (value_->type->kind) {
    case qv::asn1::Kind::OctetString:
    case qv::asn1::Kind::Integer:
    case qv::asn1::Kind::Real:
    case qv::asn1::Kind::Boolean:
    case qv::asn1::Kind::Enumerated:
        return DataUnit(value_->text);
    default:
        return notation();
    }
}

DataUnit Morf::notation() const
{
    return value_ ? DataUnit(qv::asn1::print_value(*value_)) : DataUnit();
}
