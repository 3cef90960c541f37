// A failure qv_admin reports on stderr before it exits: a usage error (the
// command line is wrong) or a failed operation. A malformed reply from the
// server is on stderr already (the client library writes it): Reported.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/Error.hpp"
#include "platform/QvStatus.hpp"

class AdminError : public std::runtime_error {
public:
    enum Kind { Failed, Usage, Reported };
    static constexpr int kFailedStatus = 1;
    static constexpr int kUsageStatus = 2;

    explicit AdminError(const std::string& message, Kind kind = Failed) : std::runtime_error(message), kind_(kind) {}
    static AdminError usage(const std::string& message) { return AdminError(message, Usage); }
    // The failure of a call whose status or Error type says what went wrong.
    static AdminError from(const QvStatus& status)
    {
        return AdminError(status.text(), status.code() == QvStatus::MalformedReply ? Reported : Failed);
    }
    static AdminError from(const Error& error)
    {
        return AdminError(error.get_error_string().str(), error.get_error_type() == Error::Protocol ? Reported : Failed);
    }

    Kind kind() const { return kind_; }
    int exit_status() const { return kind_ == Usage ? kUsageStatus : kFailedStatus; }

private:
    Kind kind_;
};
