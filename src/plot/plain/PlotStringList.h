#pragma once
// A list of text lines that tells its owner about every edit.

#include <functional>
#include <string>
#include <vector>

class TPlotStringList {
public:
    TPlotStringList() = default;
    // Copies the lines only; the change handler belongs to the owner.
    TPlotStringList(const TPlotStringList& o) : lines_(o.lines_) {}
    TPlotStringList& operator=(const TPlotStringList& o)
    {
        Assign(o);
        return *this;
    }

    std::function<void()> OnChange;

    int Count() const { return int(lines_.size()); }
    const std::string& operator[](int i) const { return lines_[std::size_t(i)]; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Add(const std::string& line);
    void Clear();
    void Assign(const TPlotStringList& o);
    void Assign(const std::vector<std::string>& lines);

private:
    void Changed() const
    {
        if (OnChange)
            OnChange();
    }
    std::vector<std::string> lines_;
};
