#include "report/objects/ReportComponent.h"

#include "report/objects/Report.h"
#include "report/storage/XmlSerializer.h"
#include "report/xml/XmlText.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/NumberConversion.h"
#include "ui/core/ScopeGuards.h"

#include <cmath>

namespace {

constexpr double kGeometryTolerance = 0.0001;

std::string Flag(bool value) { return value ? "1" : "0"; }

}  // namespace

void TrpComponent::LoadFromStream(TStream& stream) {
    Clear();
    TrpReport* report = Report();
    TrpXMLSerializer serializer(&stream);
    serializer.Owner = report ? static_cast<TComponent*>(report) : this;
    if (report) report->SetCurrentReader(&serializer);
    ScopeExit forget([report] {
        if (report) report->SetCurrentReader(nullptr);
    });
    serializer.ReadRootComponent(*this);
    if (report)
        for (int i = 0; i < serializer.Errors.Count(); ++i) report->Errors().Add(serializer.Errors.Strings(i));
}

void TrpComponent::SaveToStream(TStream& stream, bool saveChildren, bool saveDefaultValues, bool alwaysClassNames) {
    TrpReport* report = Report();
    TrpXMLSerializer serializer(&stream);
    serializer.Owner = report ? static_cast<TComponent*>(report) : this;
    serializer.WriteDefaults = saveDefaultValues;
    serializer.WriteRootComponent(*this, saveChildren, nullptr, alwaysClassNames);
}

void TrpComponent::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TrpComponent*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    TMemoryStream stream;
    const_cast<TrpComponent*>(other)->SaveToStream(stream, false, true);
    stream.SetPosition(0);
    LoadFromStream(stream);
}

void TrpComponent::AssignAll(const TrpComponent& source, bool alwaysClassNames) {
    TMemoryStream stream;
    const_cast<TrpComponent&>(source).SaveToStream(stream, true, true, alwaysClassNames);
    stream.SetPosition(0);
    LoadFromStream(stream);
}

std::string TrpComponent::DifferenceText(const TrpComponent& r) const {
    std::string text;
    auto differs = [](double a, double b) { return std::fabs(a - b) > kGeometryTolerance; };
    if (differs(left_, r.left_)) text += AttributeText("l", FloatToStr(left_));
    if (differs(top_, r.top_)) text += AttributeText("t", FloatToStr(top_));
    if (differs(width_, r.width_)) text += AttributeText("w", FloatToStr(width_));
    if (differs(height_, r.height_)) text += AttributeText("h", FloatToStr(height_));
    if (visible_ != r.visible_) text += AttributeText("Visible", Flag(visible_));
    if (!parentFont_) {
        const TFont& f = font_;
        const TFont& g = r.font_;
        if (f.Name() != g.Name()) text += AttributeText("Font.Name", EscapeAttrText(f.Name()));
        if (f.Size() != g.Size()) text += AttributeText("Font.Size", std::to_string(f.Size()));
        if (f.Color() != g.Color()) text += AttributeText("Font.Color", std::to_string(f.Color()));
        if (f.Style() != g.Style()) text += AttributeText("Font.Style", std::to_string(f.Style().Mask()));
        if (f.Charset() != g.Charset()) text += AttributeText("Font.Charset", std::to_string(f.Charset()));
    }
    if (parentFont_ != r.parentFont_) text += AttributeText("ParentFont", Flag(parentFont_));
    if (Tag() != r.Tag()) text += AttributeText("Tag", std::to_string(Tag()));
    return text;
}

std::string TrpComponent::FullText(const TrpComponent* reference) {
    TMemoryStream stream;
    TrpXMLSerializer serializer(&stream);
    serializer.Owner = Report();
    serializer.WriteComponent(*this);
    std::string element(stream.Bytes());
    std::size_t blank = element.find(' ');
    std::string text = blank == std::string::npos || element.size() < 2 ? std::string()
                                                                        : element.substr(blank, element.size() - 2 - blank);
    if (reference) text += " " + TrpComponent::DifferenceText(*reference);
    return text;
}
