#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "session/CTessalyUnitDoc.h"
#include "data/UserMessages.h"
#include "exports/ExportContext.h"
#include "support/CutBuilder.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace lumaret::test {

// The lines of a text split at "\r\n" (nothing after the final one).
inline std::vector<std::string> CrlfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// A document with hand-analysed horizontal/vertical co-polar pairs and an export
// context writing into a temporary folder, dated 6 December 2026.
class WriterFixture : public ::testing::Test {
 protected:
  static constexpr const char* kFolder = "/lab/1700_1900_ant1x_20261206_A_B";

  WriterFixture() {
    context.exportFolder = dir.path().string() + "/";
    context.today = [] { return exports::CalendarDate{6, 12, 2026}; };
  }

  // Horizontal level -|angle| / 10 (0 at 0 degrees), vertical -|angle - 3| / 4; the
  // attenuation written therefore encodes the angle.
  static double HorizontalLevel(double angle) { return -std::fabs(angle) / 10.0; }
  static double VerticalLevel(double angle) { return -std::fabs(angle - 3.0) / 4.0; }

  // Adds "<port>_<pol>_h_co_<tilt>_0_<freq>.cm" and its "_e_" partner, sampled every degree
  // from -179 to 180, with the results the writers read set by hand.
  data::PatternFile& AddPair(const std::string& port, const std::string& pol, const std::string& tilt,
                             const std::string& freq) {
    const std::string tail = "_" + tilt + "_0_" + freq + ".cm";
    data::PatternFile& h = Add(port + "_" + pol + "_h_co" + tail, SampledCut(-179, 180, 1, HorizontalLevel));
    data::PatternFile& v = Add(port + "_" + pol + "_e_co" + tail, SampledCut(-179, 180, 1, VerticalLevel));
    h.result.gain = 17.5f;
    h.result.hpeak = {0.0f, 0.0f};
    h.result.hbw = 65.2f;
    h.result.fbrCo = 28.4f;
    v.result.vmax = {3.0f, 0.0f};
    v.result.vbw = 7.1f;
    return h;
  }

  data::PatternFile& Add(const std::string& fileName, data::PointSequence points) {
    return AddSplitCut(doc.patterns, kFolder, fileName, std::move(points));
  }

  std::string Read(const std::string& relative) const { return FileText((dir.path() / relative).string()); }

  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  TempDir dir;
  exports::ExportContext context;
};

}  // namespace lumaret::test
