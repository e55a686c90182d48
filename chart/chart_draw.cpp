#include "chart_draw.h"

#include <charconv>

#include "format_row.h"

void Append(std::string& out, int64_t n) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

void AppendCoord(std::string& out, Coord hundredths) {
  Append(out, hundredths / 100);
  const int64_t fraction = hundredths % 100;
  if (fraction == 0) return;
  out += '.';
  out += static_cast<char>('0' + fraction / 10);
  if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
}

void AppendWide(std::string& out, const wchar_t* text) {
  for (; *text; ++text) out += static_cast<char>(*text);  // cell texts are ASCII
}

namespace {

void AppendPoint(std::string& out, Coord x, Coord y) {
  AppendCoord(out, x);
  out += ',';
  AppendCoord(out, y);
}

// Corners as offsets in hundredths from the centre. The shapes are sized to
// look about as heavy as the circle of radius 3.5.
struct Offset {
  int dx, dy;
};
constexpr Offset kTriangle[] = {{0, -450}, {425, 300}, {-425, 300}};
constexpr Offset kDiamond[] = {{0, -450}, {450, 0}, {0, 450}, {-450, 0}};
constexpr Offset kTriangleDown[] = {{0, 450}, {425, -300}, {-425, -300}};

void AppendPolygon(std::string& out, std::span<const Offset> corners, Coord x, Coord y) {
  out += "<polygon points=\"";
  for (std::size_t k = 0; k < corners.size(); ++k) {
    if (k > 0) out += ' ';
    AppendPoint(out, x + corners[k].dx, y + corners[k].dy);
  }
  out += '"';
}

}  // namespace

void AppendDot(std::string& out, Dot dot, Coord x, Coord y, const char* fill) {
  switch (dot) {
    case Dot::kCircle:
      out += "<circle cx=\"";
      AppendCoord(out, x);
      out += "\" cy=\"";
      AppendCoord(out, y);
      out += "\" r=\"3.5\"";
      break;
    case Dot::kSquare:
      out += "<rect x=\"";
      AppendCoord(out, x - 325);
      out += "\" y=\"";
      AppendCoord(out, y - 325);
      out += "\" width=\"6.5\" height=\"6.5\"";
      break;
    case Dot::kTriangle:
      AppendPolygon(out, kTriangle, x, y);
      break;
    case Dot::kDiamond:
      AppendPolygon(out, kDiamond, x, y);
      break;
    case Dot::kTriangleDown:
      AppendPolygon(out, kTriangleDown, x, y);
      break;
  }
  out += " fill=\"";
  out += fill;
  out += "\" stroke=\"none\"/>";
}

void AppendRowGroups(std::string& out, const Scale& scale, std::span<const BreakpointRow> rows,
                     Dot dot, const char* fill) {
  for (std::size_t k = 0; k < rows.size(); ++k) {
    wchar_t rea[32];
    wchar_t bps[64];
    FormatBreakpointRow(rows[k], rea, bps);
    const Coord x = scale.X(rows[k].reaPercent);
    const Coord y = scale.Y(rows[k].bps);
    const int32_t next = k + 1 < rows.size() ? rows[k + 1].reaPercent : scale.reaEnd;

    out += "<g class=\"row\" data-rea=\"";
    AppendWide(out, rea);
    out += "\" data-bps=\"";
    AppendWide(out, bps);
    out += "\"><title>";
    AppendWide(out, rea);
    out += " %: ";
    AppendWide(out, bps);
    out += " BPS</title><path d=\"M";
    AppendCoord(out, x);
    out += ' ';
    if (k > 0) {
      AppendCoord(out, scale.Y(rows[k - 1].bps));
      out += 'V';
    }
    AppendCoord(out, y);
    out += 'H';
    AppendCoord(out, scale.X(next));
    out += "\"/>";
    AppendDot(out, dot, x, y, fill);
    out += "</g>\n";
  }
}
