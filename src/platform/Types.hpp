// Basic value types of the platform interface. The names RWCString and
// RWTValSlist are kept for the interfaces that have always used them; they are
// the standard library's types.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using RWCString = std::string;
template <class T>
using RWTValSlist = std::vector<T>;

// A counted byte string: event names, DNs, attribute names and texts that
// cross the platform boundary.
class DataUnit {
public:
    DataUnit() = default;
    DataUnit(const char* text) : bytes_(text ? text : "") {}
    DataUnit(std::string text) : bytes_(std::move(text)) {}
    DataUnit(std::string_view text) : bytes_(text) {}
    DataUnit(const void* data, std::size_t size) : bytes_(static_cast<const char*>(data), size) {}

    const std::string& str() const { return bytes_; }
    const char* c_str() const { return bytes_.c_str(); }
    std::size_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    operator const std::string&() const { return bytes_; }

    bool operator==(const DataUnit& o) const { return bytes_ == o.bytes_; }
    bool operator!=(const DataUnit& o) const { return bytes_ != o.bytes_; }
    bool operator<(const DataUnit& o) const { return bytes_ < o.bytes_; }

private:
    std::string bytes_;
};

class DUArray {
public:
    DUArray() = default;
    DUArray(std::initializer_list<DataUnit> items) : items_(items) {}

    void add(DataUnit item) { items_.push_back(std::move(item)); }
    // The element at index, or an empty DataUnit past the end.
    DataUnit get(std::size_t index) const { return index < items_.size() ? items_[index] : DataUnit(); }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<DataUnit> items_;
};
