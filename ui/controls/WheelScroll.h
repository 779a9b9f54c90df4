#pragma once
// How far a turn of the mouse wheel scrolls a list of rows.

// Rows for a wheel delta: the system's lines per notch for each whole notch,
// positive when the wheel turns away from the user (towards the top).
int WheelScrollLines(int delta);
