#pragma once
// The panels of a status bar: texts side by side, each with its width;
// the last one takes what is left of the bar.

#include "platform/system/Geometry.h"
#include "ui/controls/TextAlignment.h"
#include "ui/core/Collection.h"
#include "ui/core/Events.h"

#include <string>

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TStatusPanelStyle { psText, psOwnerDraw };

class TStatusPanel : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel value);
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle value);
    void Assign(const TPersistent* source) override;

private:
    std::string text_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
    TStatusPanelStyle style_ = TStatusPanelStyle::psText;
};

class TStatusPanels : public TCollection {
    DECLARE_CLASS_INFO
public:
    explicit TStatusPanels(TPersistent* owner = nullptr) : TCollection(TStatusPanel::StaticClass(), owner) {}
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }

    // Where each panel lies in a bar `width` pixels wide and `height` high.
    platform::RECT PanelRect(int index, int width, int height) const;
    // The panel under x, or -1.
    int PanelAt(int x, int width) const;

    // Told when a panel or the list changes (the bar repaints).
    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem* item) override;
};
