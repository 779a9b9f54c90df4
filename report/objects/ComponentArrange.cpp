#include "report/objects/ReportComponent.h"
#include "report/objects/View.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kTolerance = 0.0001;

// The sort key of a view's Left: "1" and the value for Left >= 0, "0" and
// the negated value for Left < 0, each as "%9.2f".
std::string LeftKey(double left) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%9.2f", left >= 0 ? left : -left);
    return (left >= 0 ? "1" : "0") + std::string(buffer);
}

bool OverlapVertically(const TrpView& a, const TrpView& b) {
    return !(a.AbsTop() >= b.AbsTop() + b.Height() - kTolerance || b.AbsTop() >= a.AbsTop() + a.Height() - kTolerance);
}

}  // namespace

void TrpComponent::ArrangeChildren() {
    std::vector<std::pair<std::string, TrpView*>> keyed;
    for (TrpComponent* child : objects_)
        if (auto* view = dynamic_cast<TrpView*>(child)) keyed.emplace_back(LeftKey(view->Left()), view);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TrpView*> views;
    for (auto& [key, view] : keyed) views.push_back(view);
    const int count = static_cast<int>(views.size());

    for (int i = 0; i < count; ++i) {
        TrpView& v = *views[i];
        if (v.Align() != TrpAlign::baLeft && v.Align() != TrpAlign::baWidth) continue;
        TrpView* neighbour = nullptr;
        for (int j = i - 1; j >= 0 && !neighbour; --j) {
            TrpView& c = *views[j];
            if (v.Align() == TrpAlign::baWidth && c.Left() > v.Left()) continue;
            if (OverlapVertically(v, c)) neighbour = &c;
        }
        v.SetLeft(neighbour ? neighbour->Left() + neighbour->Width() : 0.0);
    }
    for (int i = count - 1; i >= 0; --i) {
        TrpView& v = *views[i];
        if (v.Align() != TrpAlign::baRight && v.Align() != TrpAlign::baWidth) continue;
        TrpView* neighbour = nullptr;
        for (int j = i + 1; j < count && !neighbour; ++j) {
            TrpView& c = *views[j];
            if (v.Align() == TrpAlign::baWidth && c.Left() + c.Width() < v.Left() + v.Width()) continue;
            if (OverlapVertically(v, c)) neighbour = &c;
        }
        double edge = neighbour ? neighbour->Left() : Width();
        if (v.Align() == TrpAlign::baRight) v.SetLeft(edge - v.Width());
        else v.SetWidth(edge - v.Left());
    }
    for (TrpComponent* child : objects_) {
        auto* v = dynamic_cast<TrpView*>(child);
        if (!v) continue;
        switch (v->Align()) {
            case TrpAlign::baCenter: v->SetLeft((Width() - v->Width()) / 2); break;
            case TrpAlign::baBottom: v->SetTop(Height() - v->Height()); break;
            case TrpAlign::baClient: v->SetBounds(0, 0, Width(), Height()); break;
            default: break;
        }
    }
}
