// The password typed into the login dialog, kept apart from the field, which
// shows one asterisk per character. Changes are accepted only at the end of
// the text, one character at a time; a deletion cuts the password where it
// starts and takes the rest of the field with it. The password is kept in
// UTF-8, whatever the character's size: positions count characters.
#pragma once

#include <string>

class PasswordMask {
public:
    // A proposed change of the field: replace [start, end) of a field
    // holding text_length characters with inserted_length characters, the
    // insertion point being at insert_position.
    struct Change {
        int text_length;
        int insert_position;
        int start;
        int end;
        int inserted_length;
        std::string inserted;  // the character in UTF-8 when inserted_length is 1
    };

    enum class Verdict {
        Refuse,  // leave the field unchanged
        Accept,  // the change as proposed (nothing to add or remove)
        Delete,  // delete from start to the end of the field
        Append,  // append one asterisk
    };

    // Decides on the change and updates the password to match.
    Verdict verify(const Change& change);
    // A move of the insertion point is allowed only to the end of the text.
    static bool allow_move(int text_length, int new_position) { return new_position == text_length; }

    const std::string& password() const { return password_; }
    void clear();

    static constexpr char kMaskChar = '*';

private:
    std::string password_;
};
