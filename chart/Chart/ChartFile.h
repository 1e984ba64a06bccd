// A whole chart in a file: its settings, its series and their points, as a
// component stream ("TPF0", binary) or as the stream's readable text form.
#pragma once

#include <cstdint>
#include <string>

namespace vur {

class TCustomChart;
class TStream;

enum TChartFileFormat : std::uint8_t { cffBinary, cffText };

// Writes Chart with the points of every series it holds.
void SaveChartToStream(TCustomChart& Chart, TStream& Stream, TChartFileFormat Format = cffBinary);
void SaveChartToFile(TCustomChart& Chart, const std::string& FileName, TChartFileFormat Format = cffBinary);
// Replaces Chart's series and settings with those stored from Stream's
// position on; either form is recognised by its first bytes. Text that does
// not parse raises EParserError with the chart untouched; a stream that is
// not a whole stored chart raises EReadError and leaves the chart without
// series (settings read before the fault stay).
void LoadChartFromStream(TCustomChart& Chart, TStream& Stream);
void LoadChartFromFile(TCustomChart& Chart, const std::string& FileName);

} // namespace vur
