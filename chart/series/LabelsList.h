#pragma once
// A series' point labels: index i is the label of point i. The list may be
// shorter than the points; a missing entry reads as an empty label.

#include <string>
#include <vector>

class TLabelsList {
public:
    int Count() const { return static_cast<int>(labels_.size()); }
    bool Empty() const { return labels_.empty(); }
    std::string GetLabel(int index) const;
    // An empty text enters only a list that already has entries; the list is
    // padded with empty entries up to the index first.
    void InsertLabel(int index, const std::string& text);
    void DeleteLabel(int index);
    void DeleteRange(int first, int n);
    void Exchange(int a, int b);
    void CopyFrom(const TLabelsList& other);
    void Clear() { labels_.clear(); }
    const std::vector<std::string>& Items() const { return labels_; }

private:
    std::vector<std::string> labels_;
};
