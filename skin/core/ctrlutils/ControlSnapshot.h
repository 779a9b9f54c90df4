#pragma once
// A control and its windowed children painted into a bitmap the way skinned
// windows print themselves; a hidden control gives the background its
// parent has under it.

class TBitmap;
class TControl;
class TSkFormSkinState;

// The control lands at the bitmap's DC origin, a hidden one at (x, y).
void SnapshotControl(TBitmap& bitmap, TControl* control, int x, TSkFormSkinState* provider, int y);
