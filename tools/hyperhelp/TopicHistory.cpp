#include "TopicHistory.hpp"

void TopicHistory::visit(const Entry& entry)
{
    if (!entries_.empty() && entries_.back() == entry)
        return;
    entries_.push_back(entry);
}

bool TopicHistory::back(Entry& previous)
{
    if (entries_.size() < 2)
        return false;
    entries_.pop_back();
    previous = entries_.back();
    return true;
}
