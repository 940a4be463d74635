#pragma once

namespace orvanta {

class ScheduleGrid;

// Lets screen readers read the schedule as a table whose first column is the month. Called by
// each grid once it is built.
void registerScheduleGridAccessibility(ScheduleGrid& grid);

}  // namespace orvanta
