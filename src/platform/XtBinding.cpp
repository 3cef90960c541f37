#include "platform/XtBinding.hpp"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "platform/EventLoop.hpp"

namespace {

// Socket input through XtAppAddInput and deferred work through a zero
// time-out: both are dispatched by XtAppNextEvent, so they also run inside
// the nested loops of modal dialogs.
class XtEventLoop : public EventLoop {
public:
    explicit XtEventLoop(XtAppContext context) : context_(context) {}

    void watch(int fd, std::function<void()> readable) override
    {
        unwatch(fd);
        auto handler = std::make_unique<std::function<void()>>(std::move(readable));
        const XtInputId id = XtAppAddInput(context_, fd, reinterpret_cast<XtPointer>(XtInputReadMask),
                                           &XtEventLoop::input_ready, handler.get());
        inputs_[fd] = Input{id, std::move(handler)};
    }

    void unwatch(int fd) override
    {
        auto it = inputs_.find(fd);
        if (it == inputs_.end())
            return;
        XtRemoveInput(it->second.id);
        // The handler may be the one running now: free it only later.
        retired_.push_back(std::move(it->second.handler));
        inputs_.erase(it);
        defer([this] { retired_.clear(); });
    }

    void defer(std::function<void()> fn) override
    {
        auto* job = new std::function<void()>(std::move(fn));
        XtAppAddTimeOut(context_, 0, &XtEventLoop::run_deferred, job);
    }

    void after(double seconds, std::function<void()> fn) override
    {
        auto* job = new std::function<void()>(std::move(fn));
        const auto ms = static_cast<unsigned long>(std::max(0.0, seconds) * 1000.0);
        XtAppAddTimeOut(context_, ms, &XtEventLoop::run_deferred, job);
    }

private:
    struct Input {
        XtInputId id;
        std::unique_ptr<std::function<void()>> handler;
    };

    static void input_ready(XtPointer closure, int*, XtInputId*)
    {
        (*static_cast<std::function<void()>*>(closure))();
    }

    static void run_deferred(XtPointer closure, XtIntervalId*)
    {
        std::unique_ptr<std::function<void()>> job(static_cast<std::function<void()>*>(closure));
        (*job)();
    }

    XtAppContext context_;
    std::map<int, Input> inputs_;
    std::vector<std::unique_ptr<std::function<void()>>> retired_;
};

}  // namespace

void set_app_context(XtAppContext context)
{
    static std::unique_ptr<XtEventLoop> loop;
    set_event_loop(nullptr);
    loop = context ? std::make_unique<XtEventLoop>(context) : nullptr;
    set_event_loop(loop.get());
}
