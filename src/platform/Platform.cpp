#include "platform/Platform.hpp"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "platform/Connection.hpp"
#include "platform/Deadline.hpp"
#include "platform/EventLoop.hpp"
#include "platform/EventRouter.hpp"
#include "platform/ReplyReader.hpp"
#include "platform/SyntaxCache.hpp"

namespace {

std::mutex g_platforms_mutex;
std::vector<Platform*> g_platforms;  // construction order
std::atomic<long> g_cookie{1};

int error_type_for(const QvStatus& status)
{
    switch (status.code()) {
    case QvStatus::TimedOut:
        return Error::Timeout;
    case QvStatus::NotConnected:
    case QvStatus::ConnectionLost:
        return Error::Connection;
    case QvStatus::BadArgument:
        return Error::Usage;
    case QvStatus::MalformedReply:
        return Error::Protocol;
    default:
        return Error::Server;
    }
}

std::string login_name()
{
    if (const passwd* pw = getpwuid(getuid()))
        return pw->pw_name;
    if (const char* user = std::getenv("USER"))
        return user;
    return "";
}

}  // namespace

long current_cookie() { return g_cookie; }

void advance_cookie() { ++g_cookie; }

RWCString get_local_host()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return "localhost";
    return name;
}

Platform::Platform(const DataUnit& /*type*/, const DataUnit& /*name*/)
    : events_(std::make_shared<EventRouter>(*this)),
      connection_(std::make_unique<::Connection>([this](nlohmann::json e) { return events_->push(std::move(e)); },
                                                 [this] { connection_lost(); })),
      syntaxes_(std::make_unique<SyntaxCache>())
{
    std::lock_guard<std::mutex> lock(g_platforms_mutex);
    g_platforms.push_back(this);
}

Platform::~Platform()
{
    unwatch_connection();
    connection_->close();
    events_->detach_albums();
    std::lock_guard<std::mutex> lock(g_platforms_mutex);
    g_platforms.erase(std::remove(g_platforms.begin(), g_platforms.end(), this), g_platforms.end());
}

Platform* Platform::default_platform()
{
    std::lock_guard<std::mutex> lock(g_platforms_mutex);
    return g_platforms.empty() ? nullptr : g_platforms.back();
}

::Connection& Platform::connection() { return *connection_; }
EventRouter& Platform::events() { return *events_; }
SyntaxCache& Platform::syntax_cache() { return *syntaxes_; }

const std::string& Platform::system_name() const { return system_name_; }
const std::string& Platform::server_name() const { return server_name_; }
const std::string& Platform::user_name() const { return user_name_; }
bool Platform::is_connected() const { return connection_->is_open(); }

int Platform::resolve_port() const
{
    if (port_ > 0)
        return port_;
    if (const char* env = std::getenv("QV_PORT")) {
        char* end = nullptr;
        const long p = std::strtol(env, &end, 10);
        if (end != env && *end == '\0' && p > 0 && p < 65536)
            return static_cast<int>(p);
    }
    return 5555;
}

int Platform::fail_connect(const QvStatus& status)
{
    connection_->close();
    set_error(error_type_for(status), status.text());
    return 0;
}

nlohmann::json Platform::client_hello(const DataUnit& application)
{
    user_name_ = login_name();
    return {{"type", "hello"},
            {"protocol", qv::proto::kProtocolVersion},
            {"application", application.str()},
            {"user", user_name_}};
}

int Platform::connect(const DataUnit& server, const DataUnit& application, double timeout)
{
    disconnect();
    const double seconds = Deadline::effective(timeout);
    server_name_ = server.str();
    ServerHello hello;
    const QvStatus st =
        connection_->open(server_name_, resolve_port(), client_hello(application), seconds, hello);
    return finish_connect(st, hello, seconds);
}

int Platform::connect_socket(int fd, const DataUnit& server, const DataUnit& application, double timeout)
{
    disconnect();
    const double seconds = Deadline::effective(timeout);
    server_name_ = server.str();
    ServerHello hello;
    const QvStatus st = connection_->open_socket(fd, server_name_, client_hello(application), seconds, hello);
    return finish_connect(st, hello, seconds);
}

int Platform::finish_connect(const QvStatus& opened, const ServerHello& hello, double seconds)
{
    if (!opened)
        return fail_connect(opened);
    system_name_ = hello.system.empty() ? server_name_ : hello.system;
    if (hello.login_required && !log_in(seconds))
        return 0;
    syntaxes_->clear();
    loop_ = current_event_loop();
    events_->reset(loop_);
    established_ = true;
    watch_connection();
    start_keepalive(hello.idle_timeout);
    return 1;
}

int Platform::log_in(double timeout)
{
    static PasswordTty* terminal = nullptr;
    PasswordTty* prompter = PasswordTty::current();
    if (!prompter) {
        // Nobody installed a prompter: ask on the terminal, as the base class does.
        if (!terminal)
            terminal = new PasswordTty();
        prompter = terminal;
    }
    RWCString user = user_name_;
    RWCString password;
    if (prompter->password_function(user, password) == 0)
        return fail_connect(QvStatus::failure(QvStatus::LoginFailed, "Login cancelled"));
    nlohmann::json result;
    const QvStatus st =
        connection_->request("login", {{"user", user}, {"password", password}}, result, timeout);
    std::fill(password.begin(), password.end(), '\0');
    if (!st)
        return fail_connect(st);
    ReplyReader reply(result, "the login reply");
    const std::string logged_in = reply.text("user");
    if (!reply.ok())
        return fail_connect(reject_reply(reply));
    user_name_ = logged_in;
    return 1;
}

void Platform::disconnect()
{
    established_ = false;
    ++keepalive_round_;
    unwatch_connection();
    connection_->close();
}

void Platform::watch_connection()
{
    if (!loop_ || !connection_->is_open())
        return;
    watched_fd_ = connection_->fd();
    std::weak_ptr<EventRouter> alive = events_;
    loop_->watch(watched_fd_, [this, alive] {
        if (alive.lock())
            connection_->read_available();
    });
}

void Platform::unwatch_connection()
{
    // A loop replaced since the connection was watched may be gone with its
    // context: only the current one is asked.
    if (loop_ && watched_fd_ >= 0 && loop_ == current_event_loop())
        loop_->unwatch(watched_fd_);
    watched_fd_ = -1;
}

// A tool left open overnight must not be closed as an idle client: a
// connection silent this long (or a third of the server's limit on silent
// clients, when shorter) sends a ping.
void Platform::start_keepalive(double server_idle_limit)
{
    constexpr double kKeepalive = 600;
    constexpr double kShortest = 0.05;
    if (!loop_)
        return;
    keepalive_interval_ =
        server_idle_limit > 0 ? std::max(kShortest, std::min(kKeepalive, server_idle_limit / 3)) : kKeepalive;
    schedule_keepalive(keepalive_interval_, ++keepalive_round_);
}

void Platform::schedule_keepalive(double seconds, unsigned long round)
{
    std::weak_ptr<EventRouter> alive = events_;
    loop_->after(seconds, [this, alive, round] {
        if (!alive.lock() || round != keepalive_round_ || loop_ != current_event_loop() || !connection_->is_open())
            return;
        double idle = connection_->idle_seconds();
        if (idle >= keepalive_interval_ * 0.95) {
            connection_->send_only("ping", nlohmann::json::object());
            idle = 0;
        }
        schedule_keepalive(keepalive_interval_ - idle, round);
    });
}

void Platform::connection_lost()
{
    unwatch_connection();
    const QvStatus why = connection_->lost_status();
    set_error(error_type_for(why), why.text());
    // A connection lost while connect still runs is that call's failure.
    if (established_)
        events_->push_disconnected();
    established_ = false;
}

void Platform::when(const DataUnit& event, const Callback& callback) { events_->when(event.str(), callback); }

QvStatus Platform::request(const std::string& op, nlohmann::json params, nlohmann::json& result, double timeout)
{
    const QvStatus st = connection_->request(op, std::move(params), result, Deadline::effective(timeout));
    if (!st)
        set_error(error_type_for(st), st.text());
    return st;
}

QvStatus Platform::reject_reply(const ReplyReader& reply)
{
    const QvStatus st = connection_->reject_reply(reply.problem());
    set_error(error_type_for(st), st.text());
    return st;
}

int Platform::replace_discriminator_classes(const DUArray& classes, const DUArray& event_types)
{
    nlohmann::json c = nlohmann::json::array(), t = nlohmann::json::array();
    for (const DataUnit& d : classes)
        c.push_back(d.str());
    for (const DataUnit& d : event_types)
        t.push_back(d.str());
    nlohmann::json result;
    return request("set_discriminator", {{"classes", c}, {"event_types", t}}, result) ? 1 : 0;
}

int Platform::get_authorized_features(AuthFeatures& features, void*, void*)
{
    nlohmann::json result;
    if (!request("rights", nlohmann::json::object(), result))
        return 0;
    ReplyReader reply(result, "the rights reply");
    std::string user = reply.text("user");
    const std::vector<std::string> rights = reply.texts("rights");
    if (!reply.ok()) {
        reject_reply(reply);
        return 0;
    }
    features.assign(std::move(user), std::set<std::string>(rights.begin(), rights.end()));
    return 1;
}

int Platform::dispatch_events(double timeout)
{
    connection_->read_available();
    if (!events_->has_pending() && timeout > 0.0)
        connection_->wait_and_read(timeout);
    return events_->deliver_pending();
}
