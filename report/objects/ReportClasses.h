#pragma once
// Makes the report object classes known to the class registry, so the
// report XML form and form data can make them by name. Safe to call again.

void RegisterReportClasses();
