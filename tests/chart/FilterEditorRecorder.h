#pragma once
// A filter editor that only notes what a filter offers: each control's kind,
// caption and range, with the accessors that read and change the filter.

#include "chart/effects/ChartFilter.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct FilterEditorRecorder : TFilterEditorCreator {
    struct Control {
        std::string kind;  // "scroll", "integer", "check", "choice", "colour"
        std::string name;
        int minimum = 0, maximum = 0;
        std::vector<std::string> items;
        std::function<int()> get;
        std::function<void(int)> set;
    };
    std::vector<Control> controls;

    void AddScrollBar(const std::string& name, int minimum, int maximum, std::function<int()> get,
                      std::function<void(int)> set) override {
        controls.push_back({"scroll", name, minimum, maximum, {}, std::move(get), std::move(set)});
    }
    void AddIntegerField(const std::string& name, int minimum, int maximum, std::function<int()> get,
                         std::function<void(int)> set) override {
        controls.push_back({"integer", name, minimum, maximum, {}, std::move(get), std::move(set)});
    }
    void AddCheckBox(const std::string& name, std::function<bool()> get, std::function<void(bool)> set) override {
        controls.push_back({"check", name, 0, 1, {}, [get] { return get() ? 1 : 0; }, [set](int v) { set(v != 0); }});
    }
    void AddChoice(const std::string& name, const std::vector<std::string>& items, std::function<int()> get,
                   std::function<void(int)> set) override {
        controls.push_back({"choice", name, 0, static_cast<int>(items.size()) - 1, items, std::move(get), std::move(set)});
    }
    void AddColor(const std::string& name, std::function<TColor()> get, std::function<void(TColor)> set) override {
        controls.push_back({"colour", name, 0, 0, {}, [get] { return static_cast<int>(get()); },
                            [set](int v) { set(static_cast<TColor>(v)); }});
    }
};
