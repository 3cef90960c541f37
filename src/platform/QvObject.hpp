// A managed object on the server with a client-side attribute cache. Getters
// read the cache (filled by load_*); setters change the cache and mark the
// attribute for the next store_all_attributes or create_with_all_attributes.
#pragma once

#include <map>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/Platform.hpp"

class ReplyReader;

class QvObject {
public:
    QvObject(std::string objclass = {}, Platform* platform = nullptr);
    virtual ~QvObject() = default;

    const std::string& dn_text() const { return dn_; }
    void set_dn_text(std::string dn);
    const std::string& object_class() const { return class_; }

    // True when the object exists; false (with a code) when it does not or
    // the server could not be asked. It reads the object while it asks, so a
    // load_all_attributes that follows at once is served from that read.
    QvStatus exists();
    QvStatus load_all_attributes();
    QvStatus load_attributes(const std::set<std::string>& names);
    // Writes the attributes set since the last load or store.
    QvStatus store_all_attributes();
    // Creates the object with every attribute it holds. A topology node
    // without a name gets one from the server (see QvTopoNode).
    virtual QvStatus create_with_all_attributes();
    QvStatus destroy();

    // The raw cache, for generic tools and the agent classes. A getter of an
    // attribute never loaded nor set fails with QvStatus::NotLoaded.
    QvStatus get_attribute(const std::string& name, nlohmann::json& value) const;
    void set_attribute(const std::string& name, nlohmann::json value);
    bool has_attribute(const std::string& name) const;
    const std::map<std::string, nlohmann::json>& attributes() const { return attrs_; }

    Platform* platform() const { return platform_; }

protected:
    QvStatus get_string(const std::string& name, RWCString& out) const;
    QvStatus get_long(const std::string& name, long& out) const;
    QvStatus get_strings(const std::string& name, RWTValSlist<RWCString>& out) const;
    void clear_cache();
    nlohmann::json all_attributes_json() const;
    void adopt(std::string dn, std::string objclass, const nlohmann::json& attrs);  // a server reply
    // Reads the attributes of a get reply as the class documents them, so
    // that a value of another shape is found when it arrives.
    virtual void check_reply_attributes(ReplyReader& attrs) const {}
    std::set<std::string> dirty_;

private:
    Platform* platform_;
    std::string dn_;
    std::string class_;
    std::map<std::string, nlohmann::json> attrs_;
    // The reply of the read exists() made, until the next request of this object.
    nlohmann::json read_by_exists_;
    bool has_read_by_exists_ = false;

    QvStatus adopt_get_reply(const nlohmann::json& result);
};
