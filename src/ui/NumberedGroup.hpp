// What the delete-description dialog needs of a stored-data group: its
// numbered entries and a way to remove some of them. The stored-data group
// class implements it.
#pragma once

class NumberedGroup {
public:
    virtual ~NumberedGroup() = default;
    // Removes the entries at the given 1-based positions (ascending).
    virtual void remove_data(int count, const int* positions) = 0;
    // The number of numbered entries left.
    virtual int get_num_of_groups() const = 0;
};

// The group whose entries the delete-description dialog deletes; set by the
// group's delete button before the dialog is shown.
extern NumberedGroup* current_user_data;
