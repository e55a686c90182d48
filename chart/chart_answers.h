// The parts of the chart that answer the player's two optional inputs: the
// marker at their REA % and the frame rates compared, with a legend.
#pragma once

#include <span>
#include <string>

#include "chart_draw.h"
#include "comparison.h"

// The legend's extra height below the 640 x 400 drawing: 0 for no series,
// 20 per line of entries.
[[nodiscard]] int LegendHeight(std::span<const ComparisonSeries> series);

// <g class="at" data-rea="P">: a line across the plot at x(P), labelled "P %"
// above the plot on the side with room.
void AppendMarker(std::string& out, const Scale& scale, int32_t percent);

// One <g class="series"> per series, then the legend under the axis label.
// Precondition: 1 to 5 series (the main Fps and up to four others).
void AppendSeries(std::string& out, const Scale& scale, std::span<const ComparisonSeries> series);
void AppendLegend(std::string& out, std::span<const ComparisonSeries> series);
