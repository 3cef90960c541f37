// A failure qv_admin reports on stderr before it exits: a usage error (the
// command line is wrong) or a failed operation.
#pragma once

#include <stdexcept>
#include <string>

class AdminError : public std::runtime_error {
public:
    enum Kind { Failed, Usage };
    static constexpr int kFailedStatus = 1;
    static constexpr int kUsageStatus = 2;

    explicit AdminError(const std::string& message, Kind kind = Failed) : std::runtime_error(message), kind_(kind) {}
    static AdminError usage(const std::string& message) { return AdminError(message, Usage); }

    Kind kind() const { return kind_; }
    int exit_status() const { return kind_ == Usage ? kUsageStatus : kFailedStatus; }

private:
    Kind kind_;
};
