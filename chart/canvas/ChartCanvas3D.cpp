#include "chart/canvas/ChartCanvas3D.h"

#include "chart/geometry/ChartGeometry.h"
#include "platform/system/Angles.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

void TChartCanvas3D::PrepareProjection(TView3DOptions* options, bool view3D) {
    options_ = options;
    if (options_) FontScale = options_->FontZoom();
    active3D_ = view3D;
    obliqueMode_ = false;
    zoomFactor_ = 1;
    if (!view3D) return;
    if (options_) {
        obliqueMode_ = options_->Orthogonal();
        if (obliqueMode_) {
            int a = options_->OrthoAngle();
            obliqueX_ = 1;
            if (a > 90) {
                obliqueX_ = -1;
                a = 180 - a;
            }
            // a steep angle would give a huge slope
            obliqueY_ = std::cos(platform::DegreesToRadians(a)) < 0.01 ? 1 : std::tan(platform::DegreesToRadians(a));
        }
    }
    if (obliqueMode_) return;
    const double e = options_ ? -options_->Elevation() : 0;
    const double r = options_ ? -options_->Rotation() : 0;
    const double t = options_ ? options_->Tilt() : 0;
    perspective_ = false;
    perspectiveFactor_ = 0;
    sinE_ = std::sin(static_cast<long double>(platform::DegreesToRadians(e)));
    cosE_ = std::cos(static_cast<long double>(platform::DegreesToRadians(e)));
    sinR_ = std::sin(static_cast<long double>(platform::DegreesToRadians(r)));
    cosR_ = std::cos(static_cast<long double>(platform::DegreesToRadians(r)));
    sinT_ = std::sin(static_cast<long double>(platform::DegreesToRadians(t)));
    cosT_ = std::cos(static_cast<long double>(platform::DegreesToRadians(t)));
    tilt_ = t != 0;
    k1_ = static_cast<double>(cosR_ * sinT_);
    k2_ = std::max(0.00001, static_cast<double>(cosR_ * cosT_));
    k3_ = std::max(0.00001, static_cast<double>(sinE_ * sinR_ * sinT_ + cosE_ * cosT_));
    k4_ = static_cast<double>(cosT_ * sinE_ * sinR_ - cosE_ * sinT_);
    k5_ = static_cast<double>(cosE_ * sinR_ * sinT_ - cosT_ * sinE_);
    k6_ = static_cast<double>(cosE_ * cosT_ * sinR_ + sinE_ * sinT_);
}

void TChartCanvas3D::SetupProjection(int maxDepth, const TRect& rect) {
    RectMidPoint(rect, centreX_, centreY_);
    centreZ_ = RoundToInt(maxDepth * 0.5);
    xOffset_ = centreX_;
    yOffset_ = centreY_;
    if (!options_) return;
    xOffset_ += options_->HorizOffset();
    yOffset_ += options_->VertOffset();
    if (active3D_) {
        zoomFactor_ = options_->Zoom() * 0.01;
        zoomText_ = options_->ZoomText();
    }
    perspective_ = options_->Perspective() > 0;
    if (perspective_)
        perspectiveFactor_ =
            options_->Perspective() * zoomFactor_ * (1.0 / 150) / std::max(1, rect.Right - rect.Left);
}

TPoint TChartCanvas3D::ChartToScreenFloat(double x, double y, int z) {
    if (obliqueMode_) {
        return {RoundToInt(((x - centreX_) + z * obliqueX_) * zoomFactor_) + xOffset_,
                RoundToInt(((y - centreY_) - z * obliqueY_) * zoomFactor_) + yOffset_};
    }
    if (!active3D_) return {RoundToInt(x), RoundToInt(y)};
    const long double dx = x - centreX_;
    const long double dy = y - centreY_;
    const long double dz = z - centreZ_;
    const long double d = dz * cosR_ - dx * sinR_;
    const long double s = perspective_ ? zoomFactor_ / ((cosE_ * d + dy * sinE_) * perspectiveFactor_ + 1) : zoomFactor_;
    const long double u = dx * cosR_ + dz * sinR_;
    const long double v = dy * cosE_ - sinE_ * d;
    if (tilt_)
        return {RoundToInt(static_cast<double>((cosT_ * u - sinT_ * v) * s)) + xOffset_,
                RoundToInt(static_cast<double>((cosT_ * v + sinT_ * u) * s)) + yOffset_};
    return {RoundToInt(static_cast<double>(u * s)) + xOffset_, RoundToInt(static_cast<double>(v * s)) + yOffset_};
}

void TChartCanvas3D::ScreenToChart(int& x, int& y, int z) {
    if (zoomFactor_ == 0) return;
    const double f = 1 / zoomFactor_;
    if (obliqueMode_) {
        x = RoundToInt(f * (x - xOffset_) - z * obliqueX_) + centreX_;
        y = RoundToInt(f * (y - yOffset_) + z * obliqueY_) + centreY_;
        return;
    }
    if (!active3D_) return;
    const double dz = z - centreZ_;
    const int x0 = x;
    const int y0 = y;
    x = RoundToInt((f * (x0 - xOffset_) - dz * k5_ - (y0 - centreY_) * k1_) / k3_) + centreX_;
    y = RoundToInt((f * (y0 - yOffset_) - dz * k6_ - (x0 - centreX_) * k4_) / k2_) + centreY_;
}

void TChartCanvas3D::RotationOff() {
    active3DBeforeRotationOff_ = active3D_;
    active3D_ = false;
}

void TChartCanvas3D::RotationOn() { active3D_ = active3DBeforeRotationOff_; }
