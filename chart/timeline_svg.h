// The shot timeline as an SVG picture: why the table steps at one REA %.
//
// Same habits as the chart (svg_chart.h): SVG 1.1, a viewBox of 640 x 280
// (640 x 90 where there is no shot) and no fixed size, <title> first, only
// numbers this program formats itself, no script, style sheet or external
// reference, and integer coordinates in hundredths, so the same inputs give
// the same bytes with every toolchain. The size never grows with the input.
//
// The root carries the record's texts (FormatShotTimeline), empty where
// there is no shot:
//   <svg ... class="reacalc-timeline" role="img" data-at="37" data-ready="5.670"
//        data-frames="6" data-wait="0.330" data-wait-ms="5.500">
//   <title>Shot timeline at 37 %: A shot is ready after 5.670 frames and ...</title>
//
// Then one layer per kind of mark (painting order), each drawn for every
// shot in turn; with the defaults at 37 % (6 frames a shot, 3 shots):
//   <g class="frames" ...>  a <rect> per frame cell, 18 of them
//   <g class="wait" ...>    a <rect> per shot from its ready point to the end
//                           of its last cell: the waiting, shaded
//   <g class="ready" ...>   a line and a triangle per shot at its ready point
//   <g class="leave" ...>   a thick line per shot at the end of the frame it
//                           leaves on, dashed on down to the row below
//   <g class="drift" ...>   the same shots without frames, on a line from 0:
//                           the k-th leaves at k x ready, a <circle>, with a
//                           <rect> shaded from there to the k-th framed shot
//   <g class="labels" ...>  every <text>: the heading "At 37 %: a shot is
//                           ready after 5.670 frames and leaves on frame 6",
//                           the two rows' captions, the frame numbers (the
//                           leave frame's in bold), "ready 5.670" over each
//                           ready line, "waits 0.330 frames" "(5.500 ms)"
//                           under each shot, "0.990 frames ahead"
//                           "(16.500 ms)" under the k-th drift, and the legend
// The wait, ready, leave and drift layers each end with their legend swatch.
//
// How many shots: 5 of 1 or 2 frames, 4 of 3, 3 of more, so short shots
// have room to drift. Up to 20 frames a shot, every frame is a cell. Beyond
// that (up to 2147483647) each of the 3 shots is summarised: a dashed block
// labelled "1 to 997" stands for all but its last 3 frames, which are drawn
// as cells, with "frame 1000" under the last. `ready` always lies in a shot's
// last frame and k x wait stays below 3 frames, so every mark falls on a
// drawn cell, at the scale of the cells.
//
// Where there is no shot, two lines of text say so, and nothing is drawn.
//
// Layers, in painting order, each a <g> with the class a page restyles
// (CSS wins over the presentation attributes), e.g. for a dark scheme:
//   .reacalc-timeline .page   { fill: #1e1e1e }    background <rect>, fill #fff
//   .reacalc-timeline .frames { color: #aaa }      cells and blocks, #767676
//   .reacalc-timeline .wait   { color: #e69f00 }   waiting, #D55E00 at 40 %
//   .reacalc-timeline .ready  { color: #56b4e9 }   ready lines, #0072B2
//   .reacalc-timeline .leave  { color: #eee }      leave lines, #222
//   .reacalc-timeline .drift  { color: #3ccf9f }   without frames, #009E73
//   .reacalc-timeline .labels { fill: #eee }       every text, #222
// Shapes are drawn in currentColor, so one `color` recolours a layer and its
// legend swatch together; no text carries a fill of its own.
#pragma once

#include <cstdint>
#include <string>

#include "calc_inputs.h"

// Precondition: 0 <= percent < ScannedPercentages(inputs).
[[nodiscard]] std::string RenderTimelineSvg(const CalcInputs& inputs, int32_t percent);
