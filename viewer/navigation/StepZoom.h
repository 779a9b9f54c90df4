#pragma once
// The buttons of the hidden group "Масштабирование": each step moves both
// limits of an axis by a tenth of its span and one more.

class TChartAxis;

// The limits move inwards, each only while it stays short of the other.
void StepZoomIn(TChartAxis& axis);
// The limits move outwards; a minimum at or above 0 stops at 0.
void StepZoomOut(TChartAxis& axis);
