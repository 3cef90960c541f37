#include "gui/TableRows.hpp"

#include <algorithm>

bool TableRows::is_selected(int row) const
{
    return row >= 0 && row < count() && selected_[static_cast<std::size_t>(row)];
}

int TableRows::selected_count() const
{
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

std::vector<int> TableRows::selected_rows() const
{
    std::vector<int> rows;
    for (int row = 0; row < count(); ++row)
        if (selected_[static_cast<std::size_t>(row)])
            rows.push_back(row);
    return rows;
}

int TableRows::insert(int position)
{
    const int row = (position < 0 || position > count()) ? count() : position;
    selected_.insert(selected_.begin() + row, false);
    editable_.insert(editable_.begin() + row, std::vector<bool>());
    if (selected_row_ >= row)
        ++selected_row_;
    if (anchor_ >= row)
        ++anchor_;
    return row;
}

bool TableRows::remove(int row)
{
    if (row < 0 || row >= count())
        return false;
    if (selected_[static_cast<std::size_t>(row)])
        selected_row_ = -1;
    else if (selected_row_ > row)
        --selected_row_;
    if (anchor_ == row)
        anchor_ = -1;
    else if (anchor_ > row)
        --anchor_;
    selected_.erase(selected_.begin() + row);
    editable_.erase(editable_.begin() + row);
    return true;
}

void TableRows::clear()
{
    selected_.clear();
    editable_.clear();
    selected_row_ = -1;
    anchor_ = -1;
}

void TableRows::set_editable(int row, int column, bool editable)
{
    if (row < 0 || row >= count() || column < 0)
        return;
    std::vector<bool>& columns = editable_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= columns.size())
        columns.resize(static_cast<std::size_t>(column) + 1, false);
    columns[static_cast<std::size_t>(column)] = editable;
}

bool TableRows::is_editable(int row, int column) const
{
    if (row < 0 || row >= count() || column < 0)
        return false;
    const std::vector<bool>& columns = editable_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < columns.size() && columns[static_cast<std::size_t>(column)];
}

void TableRows::select(int row)
{
    if (row < 0 || row >= count())
        return;
    selected_[static_cast<std::size_t>(row)] = true;
    selected_row_ = row;
}

void TableRows::deselect(int row)
{
    if (!is_selected(row))
        return;
    selected_[static_cast<std::size_t>(row)] = false;
    if (selected_row_ == row || selected_count() == 0) {
        const std::vector<int> rows = selected_rows();
        selected_row_ = rows.empty() ? -1 : rows.back();
    }
}

void TableRows::select_all()
{
    std::fill(selected_.begin(), selected_.end(), true);
    selected_row_ = count() > 0 ? 0 : -1;
}

void TableRows::deselect_all()
{
    std::fill(selected_.begin(), selected_.end(), false);
    selected_row_ = -1;
}

void TableRows::click(Reason reason, int row, int button, bool ctrl)
{
    if (row < 0 || row >= count())
        return;
    switch (reason) {
    case Reason::Begin:
        begin(row, button, ctrl);
        break;
    case Reason::Extend:
        if (button == 1)
            extend(row, ctrl);
        break;
    case Reason::End:
        if (anchor_ < 0)
            anchor_ = row;
        break;
    }
}

void TableRows::begin(int row, int button, bool ctrl)
{
    const bool toggles = button == 2 || (button == 1 && ctrl);
    if (!toggles && button != 1)
        return;
    if (is_selected(row)) {
        if (toggles || selected_count() == 1) {
            deselect(row);
            anchor_ = -1;
        } else {
            deselect_all();
            select(row);
            anchor_ = row;
        }
        return;
    }
    if (!toggles)
        deselect_all();
    select(row);
    anchor_ = row;
}

void TableRows::extend(int row, bool ctrl)
{
    if (anchor_ < 0)
        return;
    if (!ctrl)
        deselect_all();
    const int step = row >= anchor_ ? 1 : -1;
    for (int r = anchor_; r != row + step; r += step)
        select(r);
}
