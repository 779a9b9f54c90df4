#include "chart/canvas/View3DOptions.h"

#include "chart/core/StoreIfChanged.h"
#include "chart/geometry/ChartGeometry.h"
#include "platform/system/Angles.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"

#include <cmath>

const TClassInfo& TView3DOptions::StaticClass() {
    using V = TView3DOptions;
    static const TClassInfo info = TPublished<V>("TView3DOptions", TPersistent::StaticClass())
        .Integer("Elevation", &V::Elevation, &V::SetElevation, 345)
        .Integer("FontZoom", &V::FontZoom, &V::SetFontZoom, 100)
        .Integer("HorizOffset", &V::HorizOffset, &V::SetHorizOffset, 0)
        .Integer("OrthoAngle", &V::OrthoAngle, &V::SetOrthoAngle, 45)
        .Boolean("Orthogonal", &V::Orthogonal, &V::SetOrthogonal, true)
        .Integer("Perspective", &V::Perspective, &V::SetPerspective, 100)
        .Integer("Rotation", &V::Rotation, &V::SetRotation, 345)
        .Integer("Tilt", &V::Tilt, &V::SetTilt, 0)
        .Integer("VertOffset", &V::VertOffset, &V::SetVertOffset, 0)
        .Integer("Zoom", &V::Zoom, &V::SetZoom, 100)
        .Boolean("ZoomText", &V::ZoomText, &V::SetZoomText, true)
        .Build();
    return info;
}

void TView3DOptions::Assign(const TPersistent* source) {
    if (auto* options = dynamic_cast<const TView3DOptions*>(source)) Assign(*options);
}

void TView3DOptions::Assign(const TView3DOptions& s) {
    elevation_ = s.elevation_;
    rotation_ = s.rotation_;
    tilt_ = s.tilt_;
    zoom_ = s.zoom_;
    fontZoom_ = s.fontZoom_;
    zoomText_ = s.zoomText_;
    horizOffset_ = s.horizOffset_;
    vertOffset_ = s.vertOffset_;
    orthogonal_ = s.orthogonal_;
    orthoAngle_ = s.orthoAngle_;
    perspective_ = s.perspective_;
}

int TView3DOptions::Elevation() const { return static_cast<int>(Round(elevation_)); }
int TView3DOptions::Rotation() const { return static_cast<int>(Round(rotation_)); }
int TView3DOptions::Zoom() const { return static_cast<int>(Round(zoom_)); }

void TView3DOptions::SetElevation(int v) {
    if (StoreIfChanged(elevation_, static_cast<double>(v))) Repaint();
}
void TView3DOptions::SetRotation(int v) {
    if (StoreIfChanged(rotation_, static_cast<double>(v))) Repaint();
}
void TView3DOptions::SetTilt(int v) {
    if (StoreIfChanged(tilt_, v)) Repaint();
}

void TView3DOptions::SetZoom(int v) {
    if (zoom_ == static_cast<double>(v)) return;
    if (OnChangedZoom) OnChangedZoom(Zoom());
    zoom_ = v;
    Repaint();
}

void TView3DOptions::SetFontZoom(int v) {
    if (StoreIfChanged(fontZoom_, v)) Repaint();
}
void TView3DOptions::SetZoomText(bool v) {
    if (StoreIfChanged(zoomText_, v)) Repaint();
}

void TView3DOptions::SetHorizOffset(int v) {
    if (!StoreIfChanged(horizOffset_, v)) return;
    Repaint();
    if (OnScrolled) OnScrolled(true);
}

void TView3DOptions::SetVertOffset(int v) {
    if (!StoreIfChanged(vertOffset_, v)) return;
    Repaint();
    if (OnScrolled) OnScrolled(false);
}

void TView3DOptions::SetOrthogonal(bool v) {
    if (StoreIfChanged(orthogonal_, v)) Repaint();
}
void TView3DOptions::SetOrthoAngle(int v) {
    if (StoreIfChanged(orthoAngle_, v)) Repaint();
}
void TView3DOptions::SetPerspective(int v) {
    if (StoreIfChanged(perspective_, v)) Repaint();
}

double TView3DOptions::ObliqueSlope() const {
    if (!orthogonal_) return 1;
    const int a = orthoAngle_ > 90 ? 180 - orthoAngle_ : orthoAngle_;
    return std::tan(platform::DegreesToRadians(a));
}
