#include "chart/series/LabelsList.h"

#include <algorithm>

std::string TLabelsList::GetLabel(int index) const {
    return index >= 0 && index < Count() ? labels_[index] : std::string();
}

void TLabelsList::InsertLabel(int index, const std::string& text) {
    if (text.empty() && labels_.empty()) return;
    if (Count() < index) labels_.resize(index);
    labels_.insert(labels_.begin() + index, text);
}

void TLabelsList::DeleteLabel(int index) {
    if (index >= 0 && index < Count()) labels_.erase(labels_.begin() + index);
}

void TLabelsList::DeleteRange(int first, int n) {
    if (first < 0 || first >= Count() || n < 1) return;
    labels_.erase(labels_.begin() + first, labels_.begin() + std::min(first + n, Count()));
}

void TLabelsList::Exchange(int a, int b) {
    if (labels_.empty()) return;
    if (std::max(a, b) >= Count()) labels_.resize(std::max(a, b) + 1);
    std::swap(labels_[a], labels_[b]);
}

void TLabelsList::CopyFrom(const TLabelsList& other) { labels_ = other.labels_; }
