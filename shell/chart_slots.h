// The chart-slot rules of the main frame as plain functions over the chart
// set, restrictions and settings: recalculation of all eight slots, the
// slots each chart type shows, the start-up defaults, "chart for now" and
// swapping two slots. Questions, files and the canvas stay with the frame.
#pragma once

#include <functional>

#include "engine/chart_set.h"
#include "shell/clock.h"

/// One row of the home-city table, chosen by the computer's time zone.
struct HomeCity {
    int timeZone;
    const char* place;
    int latitudeDegrees, latitudeMinutes;
    int longitudeDegrees, longitudeMinutes;
    bool noDst; ///< the daylight-saving flag is forced to 0 there
};

/// The home city of a zone; a zone without a row gives an empty place at
/// 30 north and zone x 15 degrees east, taken into -180..180.
HomeCity FindHomeCity(int timeZone);

/// Marks the points of one computed slot that got no position (longitude
/// below kNoPositionLongitude) unavailable and hides them; cusps are always available.
/// Returns true when a point became hidden.
bool MarkUnavailablePoints(const ChartPositions& chart, ChartSlot slot,
                           ChartRestrictions& restrictions);

/// The start-up point and aspect restrictions of every slot: Sun to Pluto,
/// North Node and Chiron shown; the five major aspect kinds searched; default orbs.
void SetDefaultRestrictions(ChartRestrictions& restrictions);

/// Recomputes all eight slots: the progressed slots 3 and 4 to the transit
/// moment, Davison (5) and composite (6) from native and partner (or their
/// progressed charts), the names of the derived slots, and marks points
/// without a position unavailable and hidden. Returns true when a point
/// restriction changed, so the caller hands the restrictions to the canvas.
bool RecalculateCharts(ChartSet& set, ChartRestrictions& restrictions, ObjectId houseSystem);

/// Sets the three shown slots for a chart type from the progressed flags of
/// the native and partner slots.
void SelectShownCharts(ChartType type, const ChartSet& set, ChartSettings& settings);

/// The start-up defaults that need no window and no file: settings, every
/// slot at the given moment in the home city of its zone, default point and
/// aspect restrictions and orbs.
void SetStartupDefaults(ChartSet& set, ChartRestrictions& restrictions, ChartSettings& settings,
                        const CurrentMoment& now);

/// Start-up: the defaults at the clock's moment, then readDefaultFiles,
/// then the recalculation. Returns whether the recalculation changed a
/// restriction. The frame's own start-up hands the panel the shown slots
/// (0, 0, 0) and, afterwards, the canvas the restrictions, chart set and mode.
///
/// readDefaultFiles is the call site of the default files (may be empty):
/// create the per-user folder when missing (on failure a message and no file
/// is touched); read the default configuration file into every slot, or write
/// it from these defaults when missing; read the default chart file into all
/// eight slots, or write slot 0 as the default chart when missing.
bool InitDefaults(ChartSet& set, ChartRestrictions& restrictions, ChartSettings& settings,
                  const std::function<void()>& readDefaultFiles);

/// Sets one slot to the current moment, keeping its zone and place: its clock
/// shows the current time of its own zone. Slot 7 becomes a start-up "now"
/// chart. The question for the default slot and the recalculation are the
/// caller's.
void SetChartToNow(ChartSet& set, ChartSlot slot, const CurrentMoment& now);

/// Exchanges the data of two slots, with the progressed flags set as each
/// pair needs. The question for the default slot, the default file, the
/// recalculation and the display are the caller's.
void SwapChartData(ChartSet& set, ChartSlot a, ChartSlot b);
