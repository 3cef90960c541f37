// The result of every platform call: true on success, else a code and a text
// that can be shown to the user as it stands.
#pragma once

#include <iosfwd>
#include <string>

// X11 defines a macro of the same name as an enumerator below; keep the
// header usable after X headers.
#pragma push_macro("BadRequest")
#undef BadRequest

class QvStatus {
public:
    // Codes: 0 success; 1-10 the server's error codes (docs/protocol.md);
    // the library's own below.
    enum Code {
        Ok = 0,
        BadRequest = 1,
        UnknownOperation = 2,
        NoSuchObject = 3,
        AlreadyExists = 4,
        NotAuthorized = 5,
        InvalidValue = 6,
        LoginFailed = 7,
        ServerError = 8,
        InvalidName = 9,
        Conflict = 10,
        NotConnected = 20,
        TimedOut = 21,
        ConnectionLost = 22,
        NotLoaded = 23,  // an attribute asked for was never loaded or set
        BadArgument = 24,
        MalformedReply = 25,  // the server's reply or event had another shape; the connection was closed
    };

    QvStatus() = default;  // success
    QvStatus(bool ok, int code, std::string text) : ok_(ok), code_(code), text_(std::move(text)) {}
    static QvStatus success() { return QvStatus(); }
    static QvStatus failure(int code, std::string text) { return QvStatus(false, code, std::move(text)); }

    explicit operator bool() const { return ok_; }
    bool ok() const { return ok_; }
    int code() const { return code_; }
    const std::string& text() const { return text_; }

private:
    bool ok_ = true;
    int code_ = 0;
    std::string text_;
};
#pragma pop_macro("BadRequest")

// Prints the text alone ("OK" for a success without one), so that the
// output can be shown in a dialog as it stands.
std::ostream& operator<<(std::ostream& os, const QvStatus& status);
