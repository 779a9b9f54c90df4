#pragma once
// The base of every object of a report (the report, its pages, bands and
// views): a place in a tree of parent and ordered children, position and
// size in report units (pixels at 96 per inch), a font that can follow the
// parent's, a name unique within the report, look-up by name, alignment of
// children, and the attribute text of prepared pages.

#include "ui/core/Component.h"
#include "ui/core/Set.h"
#include "ui/graphics/GraphicsObjects.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TCanvas;
class TStream;
class TrpPage;
class TrpReport;
class TEnumInfo;

enum class TrpRestriction { rfDontModify, rfDontSize, rfDontMove, rfDontDelete, rfDontEdit };
using TrpRestrictions = TSet<TrpRestriction>;
const TEnumInfo& TrpRestrictionInfo();

// ObjectStyleFlags: the object goes to prepared pages; its prepared form is the full one.
inline constexpr std::uint8_t kStyleToPreparedPages = 2;
inline constexpr std::uint8_t kStyleFullPreparedForm = 4;

class TrpComponent : public TComponent {
    DECLARE_CLASS_INFO
public:
    // An owner that is a report object hands the new object to its report
    // (which frees it) and becomes its parent.
    explicit TrpComponent(TComponent* owner);
    ~TrpComponent() override;

    TrpComponent* Parent() const { return parent_; }
    // Moves the object between child lists.
    virtual void SetParent(TrpComponent* parent);
    // Moves the object to `index` among its parent's children.
    void SetIndexInParent(int index);
    // The direct children in order.
    const std::vector<TrpComponent*>& Objects() const { return objects_; }
    // Every object below this one, depth first.
    std::vector<TrpComponent*> AllObjects() const;
    // The first of AllObjects with the name (without regard to case).
    TrpComponent* FindObject(std::string_view name) const;
    // The object itself or its nearest ancestor of the kind.
    TrpPage* Page() const;
    TrpReport* Report() const;

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    // Moves and sizes are dropped for a designed object whose Restrictions forbid them.
    virtual void SetLeft(double value);
    virtual void SetTop(double value);
    virtual void SetWidth(double value);
    virtual void SetHeight(double value);
    void SetBounds(double left, double top, double width, double height);
    double AbsLeft() const;
    double AbsTop() const;

    TFont* Font() { return &font_; }
    const TFont& Font() const { return font_; }
    // Copies the font; the object then has a font of its own.
    virtual void SetFont(TFont* font);
    bool ParentFont() const { return parentFont_; }
    virtual void SetParentFont(bool value);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value) { visible_ = value; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    TrpRestrictions Restrictions() const { return restrictions_; }
    void SetRestrictions(TrpRestrictions value) { restrictions_ = value; }
    std::uint8_t ObjectStyleFlags() const { return styleFlags_; }
    bool FromAncestor() const { return fromAncestor_; }
    void SetFromAncestor(bool value) { fromAncestor_ = value; }
    // The class name without its first "Trp" and then its first "View": "Memo" for TrpMemoView.
    std::string BaseName() const;

    bool IsDesigning() const { return designing_; }
    void SetDesigning(bool value) { designing_ = value; }
    bool IsLoadingObject() const { return loading_; }
    void SetLoadingObject(bool value) { loading_ = value; }
    bool IsWritingObject() const { return writing_; }
    void SetWritingObject(bool value) { writing_ = value; }

    // Raises Exception with the string-table text "prDupl" for a name another
    // object of the report has, and for an object of an ancestor template.
    void SetName(const std::string& name) override;
    // Base name + the first free number.
    void GiveUniqueName();
    // Places the child views by their Align.
    virtual void ArrangeChildren();
    virtual void PrepareForRun() {}
    // Frees the children, except those of an ancestor template, which are cleared and kept.
    virtual void Clear();
    virtual std::string DescriptionText() const { return ClassName(); }

    // The report XML form of the object and, when asked, its children.
    virtual void LoadFromStream(TStream& stream);
    virtual void SaveToStream(TStream& stream, bool saveChildren = true, bool saveDefaultValues = false,
                              bool alwaysClassNames = false);
    // Copies a report object through its XML form (without children).
    void Assign(const TPersistent* source) override;
    void AssignAll(const TrpComponent& source, bool alwaysClassNames = false);

    // Prepared-page attributes that differ from the reference object.
    virtual std::string DifferenceText(const TrpComponent& reference) const;
    // All stored properties, then (with a reference) the differing base attributes.
    std::string FullText(const TrpComponent* reference);

    // Form data: children are stored inside their parent.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    TComponent* GetChildOwner() override { return this; }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return parent_; }
    void SetParentComponent(TComponent* parent) override;

protected:
    // The font changed: it is the object's own now, and children that follow it take it.
    virtual void ApplyFontChange();
    void RemoveStyleFlag(std::uint8_t flag) { styleFlags_ &= static_cast<std::uint8_t>(~flag); }
    void AddStyleFlag(std::uint8_t flag) { styleFlags_ |= flag; }

private:
    bool Refuses(TrpRestriction restriction) const { return designing_ && restrictions_.Contains(restriction); }

    TFont font_;
    std::vector<TrpComponent*> objects_;
    TrpComponent* parent_ = nullptr;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool parentFont_ = false;
    int groupIndex_ = 0;
    bool designing_ = false, loading_ = false, writing_ = false;
    TrpRestrictions restrictions_;
    bool visible_ = true;
    bool fromAncestor_ = false;
    std::uint8_t styleFlags_ = kStyleToPreparedPages;
};

// What every printable object shares: a description, and its bounds kept
// for the time of one print.
class TrpReportComponent : public TrpComponent {
    DECLARE_CLASS_INFO
public:
    using TrpComponent::TrpComponent;

    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& value) { description_ = value; }

    virtual void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) = 0;
    virtual void PrintStart();
    virtual void PrintEnd();
    virtual std::string ComponentText() const { return {}; }
    struct Bounds {
        double left, top, right, bottom;
    };
    virtual Bounds AbsoluteBounds() const;

private:
    std::string description_;
    Bounds saved_{};
};
