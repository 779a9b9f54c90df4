#pragma once
// Components that feed a series with points from outside the chart, and the
// list of everything a series takes its points from (other series or such
// components; the first one is the series' DataSource).

#include "ui/core/Component.h"

#include <string>
#include <vector>

class TChartSeries;
class TCustomAxisPanel;

class TChartSeriesSource : public TComponent {
public:
    explicit TChartSeriesSource(TComponent* owner = nullptr);
    ~TChartSeriesSource() override;

    bool Active() const { return active_; }
    void SetActive(bool value) { ChangeActive(value); }
    TChartSeries* Series() const { return series_; }
    // Binds the source to a series (or to none), closing it first.
    void AttachSeries(TChartSeries* series);

    // Opening loads the points (not while loading from form data); closing
    // clears them unless the source or the series is going away.
    virtual void ChangeActive(bool value);
    virtual bool IsAvailableFor(TCustomAxisPanel*) { return true; }
    virtual std::string DescriptionText() { return std::string(); }
    virtual bool CanCreateNew() { return false; }
    // Whether the series is fed by a source of this same kind.
    virtual bool FeedsSeries(const TChartSeries* series) const;
    virtual void Deactivate();
    // Where a concrete source puts its points into Series().
    virtual void LoadPoints() {}
    virtual void Activate() { ChangeActive(true); }
    void Reload();

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool active_ = false;
    TChartSeries* series_ = nullptr;
};

// The components a series takes its points from, linked to that series.
class TDataSourcesList {
public:
    explicit TDataSourcesList(TChartSeries* series) : series_(series) {}
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    TComponent* operator[](int index) const { return items_[index]; }
    TComponent* First() const { return items_.empty() ? nullptr : items_.front(); }
    int IndexOf(const TComponent* component) const;
    void Add(TComponent* component) { items_.push_back(component); }
    // The series leaves the linked lists of its source series, the list
    // empties, and the series' points go unless the series holds its own data.
    void Clear();
    // Takes the entry out; the series forgets it as a source.
    void Remove(TComponent* component);
    const std::vector<TComponent*>& Items() const { return items_; }

private:
    friend class TChartSeries;
    TChartSeries* series_;
    std::vector<TComponent*> items_;
};
