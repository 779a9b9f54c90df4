#pragma once
// The engine's filter classes made known by name, so that filter lists in
// form data read back whatever filters they name.

// Registers the twenty-one filters in their fixed order, once.
void RegisterChartFilters();
