// The connection to the management server and what comes with it: event
// callbacks, login prompting and the user's rights.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/Error.hpp"
#include "platform/QvStatus.hpp"
#include "platform/Types.hpp"

class Connection;
class EventLoop;
class ReplyReader;
struct ServerHello;
class EventRouter;
class Platform;
class SyntaxCache;

// The library's default time-out, and the value that asks for it.
inline constexpr double kDefaultTimeoutRequest = -12345.0;
inline constexpr double kDefaultTimeoutSeconds = 60.0;

// What an event callback receives as its second argument (through void*).
struct PlatformEvent {
    std::string name;     // "DISCONNECTED", "OBJECT_CREATED", "IMAGE_INCLUDED", ...
    std::string objname;  // DN of the object concerned, if any
    std::string objclass;
    std::string album;    // album name for album events
    Platform* platform = nullptr;  // the connection it came from
};

class Callback {
public:
    using Function = void (*)(void* client_data, void* event_data);
    Callback() = default;
    Callback(Function fn, void* client_data) : fn_(fn), data_(client_data) {}
    void operator()(void* event_data) const
    {
        if (fn_)
            fn_(data_, event_data);
    }
    bool valid() const { return fn_ != nullptr; }

private:
    Function fn_ = nullptr;
    void* data_ = nullptr;
};

class Image;

// The event being delivered, built from a callback's event argument.
class CurrentEvent {
public:
    explicit CurrentEvent(void* event_data);
    DataUnit get_event_name() const;
    DataUnit get_objname() const;
    DataUnit get_objclass() const;
    DataUnit get_album() const;
    bool has_image() const;
    Image get_image() const;

private:
    const PlatformEvent* event_;
};

// The login prompter. Constructing one makes it the prompter the library asks
// when a server wants credentials; destroying it restores the previous one.
// The base class asks on the terminal.
class PasswordTty {
public:
    PasswordTty();
    virtual ~PasswordTty();
    PasswordTty(const PasswordTty&) = delete;
    PasswordTty& operator=(const PasswordTty&) = delete;

    // user comes in holding the proposed login name. Returns 1 to log in with
    // user and password, 0 to give up.
    virtual int password_function(RWCString& user, RWCString& password);

    static PasswordTty* current();

private:
    PasswordTty* previous_;
};

class AuthFeatures {
public:
    const std::string& user() const { return user_; }
    const std::set<std::string>& rights() const { return rights_; }
    bool is_authorized(const DataUnit& right) const { return rights_.count(right.str()) > 0; }

    void assign(std::string user, std::set<std::string> rights)
    {
        user_ = std::move(user);
        rights_ = std::move(rights);
    }

private:
    std::string user_;
    std::set<std::string> rights_;
};

class AuthPriv {
public:
    explicit AuthPriv(const AuthFeatures& features) : features_(features) {}
    int is_authorized(const DataUnit& right) const { return features_.is_authorized(right) ? 1 : 0; }

private:
    const AuthFeatures& features_;
};

// One connection, used from one thread; other threads make their own.
class Platform : public Error {
public:
    explicit Platform(const DataUnit& type = "QV", const DataUnit& name = "");
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    // 1 when connected. server is a host name (also the server's system
    // name); the port is set_port's, else QV_PORT, else 5555. On failure 0,
    // with the reason in get_error_string(). When the server wants a login,
    // PasswordTty::current() is asked for it.
    int connect(const DataUnit& server, const DataUnit& application,
                double timeout = kDefaultTimeoutRequest);
    // The same over a socket connected elsewhere (a socketpair in tests and
    // fuzzing); server names the peer in texts. The Platform owns fd.
    int connect_socket(int fd, const DataUnit& server, const DataUnit& application,
                       double timeout = kDefaultTimeoutRequest);
    // Closes the connection; no "DISCONNECTED" callback, the caller knows.
    void disconnect();
    bool is_connected() const;
    // The port for later connects; 0 goes back to QV_PORT or 5555.
    void set_port(int port) { port_ = port; }

    // The system name the server announced, the name asked for and the user.
    const std::string& system_name() const;
    const std::string& server_name() const;
    const std::string& user_name() const;

    // Event subscription on the connection: "DISCONNECTED", and the
    // notifications "OBJECT_CREATED", "OBJECT_DESTROYED", "ATTRIBUTE_CHANGED".
    void when(const DataUnit& event, const Callback& callback);

    // Which notifications the server sends: object classes and notification
    // types ("objectCreation", "objectDeletion", "attributeValueChange").
    int replace_discriminator_classes(const DUArray& classes, const DUArray& event_types);

    // 1 and the user's rights, or 0 when the server refuses (the reason in
    // get_error_string()).
    int get_authorized_features(AuthFeatures& features, void* reserved1, void* reserved2);

    // One request of docs/protocol.md. result receives the reply's fields.
    QvStatus request(const std::string& op, nlohmann::json params, nlohmann::json& result,
                     double timeout = kDefaultTimeoutRequest);
    // A reply whose reader found a problem: the connection is closed as if
    // lost ("DISCONNECTED" follows) and the problem written to standard
    // error. Returns the failure for the caller to pass on.
    QvStatus reject_reply(const ReplyReader& reply);

    // Delivers the events that have arrived, waiting up to timeout seconds for
    // the first (0: only what is there). For callers without an EventLoop.
    int dispatch_events(double timeout = 0.0);

    // The most recently constructed Platform still alive.
    static Platform* default_platform();

    ::Connection& connection();
    // Library internals: event routing (albums, callbacks) and the attribute
    // syntaxes read on this connection.
    EventRouter& events();
    SyntaxCache& syntax_cache();

private:
    int resolve_port() const;
    nlohmann::json client_hello(const DataUnit& application);
    int finish_connect(const QvStatus& opened, const ServerHello& hello, double seconds);
    int log_in(double timeout);
    int fail_connect(const QvStatus& status);
    void connection_lost();
    void watch_connection();
    void unwatch_connection();
    void start_keepalive(double server_idle_limit);
    void schedule_keepalive(double seconds, unsigned long round);

    std::shared_ptr<EventRouter> events_;
    std::unique_ptr<::Connection> connection_;
    std::unique_ptr<SyntaxCache> syntaxes_;
    std::string system_name_;
    std::string server_name_;
    std::string user_name_;
    int port_ = 0;
    EventLoop* loop_ = nullptr;
    int watched_fd_ = -1;
    bool established_ = false;  // connect succeeded and the connection was not closed since
    double keepalive_interval_ = 0;
    unsigned long keepalive_round_ = 0;  // a keepalive timer of an older round stops
};

// Changes when events were delivered inside a waiting call (Album::derive),
// which may have changed state the caller was walking.
long current_cookie();

// The local host name.
RWCString get_local_host();

// A named debugging channel; the tool itself never writes to it.
class Debug {
public:
    Debug(const char* name, std::ostream& stream, int flags) : name_(name), stream_(&stream), flags_(flags) {}
    const std::string& name() const { return name_; }
    std::ostream& stream() const { return *stream_; }
    int flags() const { return flags_; }

private:
    std::string name_;
    std::ostream* stream_;
    int flags_;
};
