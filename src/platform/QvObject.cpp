#include "platform/QvObject.hpp"

#include <cmath>

#include "platform/ReplyReader.hpp"

namespace {

QvStatus no_platform()
{
    return QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
}

}  // namespace

QvObject::QvObject(std::string objclass, Platform* platform)
    : platform_(platform ? platform : Platform::default_platform()), class_(std::move(objclass))
{
}

void QvObject::set_dn_text(std::string dn)
{
    has_read_by_exists_ = false;
    if (dn != dn_)
        clear_cache();
    dn_ = std::move(dn);
}

void QvObject::clear_cache()
{
    attrs_.clear();
    dirty_.clear();
}

void QvObject::adopt(std::string dn, std::string objclass, const nlohmann::json& attrs)
{
    dn_ = std::move(dn);
    if (!objclass.empty())
        class_ = std::move(objclass);
    attrs_.clear();
    dirty_.clear();
    if (attrs.is_object())
        for (auto& [name, value] : attrs.items())
            attrs_[name] = value;
}

QvStatus QvObject::exists()
{
    if (!platform_)
        return no_platform();
    if (dn_.empty())
        return QvStatus::failure(QvStatus::BadArgument, "The object has no name");
    // A get answers whether the object is there and what it holds: callers
    // that find it go on to load it.
    has_read_by_exists_ = false;
    nlohmann::json result;
    QvStatus st = platform_->request("get", {{"dn", dn_}}, result);
    if (!st) {
        if (st.code() == QvStatus::NoSuchObject)
            return QvStatus::failure(QvStatus::NoSuchObject, "No object " + dn_);
        return st;
    }
    read_by_exists_ = std::move(result);
    has_read_by_exists_ = true;
    return QvStatus::success();
}

QvStatus QvObject::load_all_attributes()
{
    if (!platform_)
        return no_platform();
    if (has_read_by_exists_) {
        has_read_by_exists_ = false;
        return adopt_get_reply(read_by_exists_);
    }
    nlohmann::json result;
    QvStatus st = platform_->request("get", {{"dn", dn_}}, result);
    if (!st)
        return st;
    return adopt_get_reply(result);
}

QvStatus QvObject::adopt_get_reply(const nlohmann::json& result)
{
    ReplyReader reply(result, "the get reply");
    std::string dn = reply.text("dn");
    std::string objclass = reply.text("class");
    const nlohmann::json& attrs = reply.object("attrs");
    ReplyReader attrs_reader = reply.item(attrs, "the attributes");
    check_reply_attributes(attrs_reader);
    if (!reply.ok())
        return platform_->reject_reply(reply);
    adopt(std::move(dn), std::move(objclass), attrs);
    return QvStatus::success();
}

QvStatus QvObject::load_attributes(const std::set<std::string>& names)
{
    has_read_by_exists_ = false;
    if (!platform_)
        return no_platform();
    nlohmann::json result;
    QvStatus st = platform_->request("get", {{"dn", dn_}, {"attrs", names}}, result);
    if (!st)
        return st;
    ReplyReader reply(result, "the get reply");
    reply.text("dn");
    std::string objclass = reply.text("class");
    const nlohmann::json& attrs = reply.object("attrs");
    ReplyReader attrs_reader = reply.item(attrs, "the attributes");
    check_reply_attributes(attrs_reader);
    if (!reply.ok())
        return platform_->reject_reply(reply);
    class_ = std::move(objclass);
    for (const std::string& name : names) {
        dirty_.erase(name);
        auto it = attrs.find(name);
        if (it == attrs.end())
            attrs_.erase(name);
        else
            attrs_[name] = *it;
    }
    return st;
}

QvStatus QvObject::store_all_attributes()
{
    has_read_by_exists_ = false;
    if (!platform_)
        return no_platform();
    if (dn_.empty())
        return QvStatus::failure(QvStatus::BadArgument, "The object has no name: create it first");
    if (dirty_.empty())
        return QvStatus::success();
    nlohmann::json changes = nlohmann::json::object();
    for (const std::string& name : dirty_)
        changes[name] = attrs_[name];
    nlohmann::json result;
    QvStatus st = platform_->request("set", {{"dn", dn_}, {"attrs", changes}}, result);
    if (st)
        dirty_.clear();
    return st;
}

nlohmann::json QvObject::all_attributes_json() const
{
    nlohmann::json attrs = nlohmann::json::object();
    for (const auto& [name, value] : attrs_)
        attrs[name] = value;
    return attrs;
}

QvStatus QvObject::create_with_all_attributes()
{
    has_read_by_exists_ = false;
    if (!platform_)
        return no_platform();
    if (dn_.empty())
        return QvStatus::failure(QvStatus::BadArgument, "The object has no name");
    nlohmann::json result;
    QvStatus st =
        platform_->request("create", {{"dn", dn_}, {"class", class_}, {"attrs", all_attributes_json()}}, result);
    if (!st)
        return st;
    ReplyReader reply(result, "the create reply");
    std::string dn = reply.text("dn");
    if (!reply.ok())
        return platform_->reject_reply(reply);
    dn_ = std::move(dn);
    dirty_.clear();
    return st;
}

QvStatus QvObject::destroy()
{
    has_read_by_exists_ = false;
    if (!platform_)
        return no_platform();
    nlohmann::json result;
    QvStatus st = platform_->request("delete", {{"dn", dn_}}, result);
    if (!st)
        return st;
    ReplyReader reply(result, "the delete reply");
    reply.texts("deleted");
    return reply.ok() ? st : platform_->reject_reply(reply);
}

QvStatus QvObject::get_attribute(const std::string& name, nlohmann::json& value) const
{
    auto it = attrs_.find(name);
    if (it == attrs_.end())
        return QvStatus::failure(QvStatus::NotLoaded, "The attribute " + name + " of " +
                                                          (dn_.empty() ? std::string("the new object") : dn_) +
                                                          " was not loaded");
    value = it->second;
    return QvStatus::success();
}

void QvObject::set_attribute(const std::string& name, nlohmann::json value)
{
    attrs_[name] = std::move(value);
    dirty_.insert(name);
}

bool QvObject::has_attribute(const std::string& name) const { return attrs_.count(name) > 0; }

QvStatus QvObject::get_string(const std::string& name, RWCString& out) const
{
    nlohmann::json v;
    QvStatus st = get_attribute(name, v);
    if (!st)
        return st;
    if (!v.is_string())
        return QvStatus::failure(QvStatus::InvalidValue, "The attribute " + name + " is not a string");
    out = v.get<std::string>();
    return st;
}

QvStatus QvObject::get_long(const std::string& name, long& out) const
{
    nlohmann::json v;
    QvStatus st = get_attribute(name, v);
    if (!st)
        return st;
    if (v.is_boolean())
        out = v.get<bool>() ? 1 : 0;
    else if (v.is_number_integer())
        out = v.get<long>();
    else if (v.is_number_float() && std::fabs(v.get<double>()) < 9.2e18)  // beyond, the cast is undefined
        out = static_cast<long>(v.get<double>());
    else
        return QvStatus::failure(QvStatus::InvalidValue, "The attribute " + name + " is not a number");
    return st;
}

QvStatus QvObject::get_strings(const std::string& name, RWTValSlist<RWCString>& out) const
{
    nlohmann::json v;
    QvStatus st = get_attribute(name, v);
    if (!st)
        return st;
    if (!v.is_array())
        return QvStatus::failure(QvStatus::InvalidValue, "The attribute " + name + " is not a list");
    out.clear();
    for (const auto& item : v)
        out.push_back(item.is_string() ? item.get<std::string>() : item.dump());
    return st;
}
