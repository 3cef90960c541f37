// The topics shown so far, for Back.
#pragma once

#include <string>
#include <vector>

class TopicHistory {
public:
    struct Entry {
        std::string file;
        int topic = 0;
        bool operator==(const Entry& o) const { return topic == o.topic && file == o.file; }
    };

    // Records a topic being shown; showing the current one again adds nothing.
    void visit(const Entry& entry);
    // Steps back; false when there is nothing before the current topic.
    bool back(Entry& previous);
    bool can_go_back() const { return entries_.size() > 1; }

private:
    std::vector<Entry> entries_;
};
