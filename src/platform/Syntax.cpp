// Syntax over qv::asn1. The constructor that asks the server lives in
// SyntaxLookup.cpp, with the connection code it needs.
#include "platform/Syntax.hpp"

#include "protocol/Asn1.hpp"

Syntax::Syntax() = default;

Syntax::Syntax(std::shared_ptr<const qv::asn1::Type> type, std::string name)
    : type_(std::move(type)), name_(std::move(name))
{
}

Syntax Syntax::from_text(const DataUnit& text)
{
    return Syntax(qv::asn1::parse_type(text.str()));
}

bool Syntax::valid() const
{
    return type_ != nullptr;
}

DataUnit Syntax::name() const
{
    return DataUnit(name_);
}

// Syntaxes here never refer to named types, so every depth gives the same
// text: the canonical spelling.
DUArray Syntax::expansion(int /*depth*/) const
{
    DUArray result;
    if (type_)
        result.add(DataUnit(qv::asn1::print_type(*type_)));
    return result;
}

bool Syntax::is_list() const
{
    return type_ && type_->is_list();
}

RWTValSlist<RWCString> Syntax::get_member_names() const
{
    RWTValSlist<RWCString> names;
    if (!is_list())
        return names;
    if (type_->is_collection()) {
        names.push_back(type_->element_name());
        return names;
    }
    for (const auto& m : type_->members)
        names.push_back(m.name);
    return names;
}

int Syntax::num_members() const
{
    return static_cast<int>(get_member_names().size());
}

Syntax Syntax::member(const RWCString& name) const
{
    const qv::asn1::Member* m = type_ ? type_->member(name) : nullptr;
    if (!m)
        return Syntax();
    return Syntax(m->type, name);
}
