#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/CTessalyUnitDoc.h"
#include "data/PatternFileReader.h"
#include "data/UserMessages.h"
#include "support/TempDir.h"

namespace lumaret::test {

// Attenuation values of the hand-made combined files in tests/data/reader: each level
// encodes its angle, the horizontal peak is at 10 degrees, the vertical one at 6.
inline float HorizontalAttenuation(int angle) { return 0.01f * static_cast<float>((angle + 350) % 360); }
inline float VerticalAttenuation(int angle) { return 0.02f * static_cast<float>((angle + 354) % 360); }

// A combined file's text built from its parts; the data lines use the attenuations above.
struct MsiText {
  std::vector<std::string> header = {"NAME ANT", "FREQUENCY 1845", "GAIN 15.35 dBd", "TILT 0", "COMMENT"};
  int horizontalLines = 360;
  int verticalLines = 360;
  std::string horizontalHeader = "HORIZONTAL 360";
  std::string verticalHeader = "VERTICAL 360";
  std::string lineEnd = "\n";
  bool finalLineBreak = true;

  std::string Build() const {
    std::string text;
    auto add = [&](const std::string& line) { text += line + lineEnd; };
    for (const std::string& line : header) add(line);
    add(horizontalHeader);
    for (int a = 0; a < horizontalLines; ++a) add(std::to_string(a) + " " + std::to_string(HorizontalAttenuation(a % 360)));
    add(verticalHeader);
    for (int a = 0; a < verticalLines; ++a) add(std::to_string(a) + " " + std::to_string(VerticalAttenuation(a % 360)));
    if (!finalLineBreak) text.resize(text.size() - lineEnd.size());
    return text;
  }
};

// A document with recorded messages and a scratch folder for files made in the test.
class PatternReaderTest : public ::testing::Test {
 protected:
  PatternReaderTest() : doc(messages) {}

  // Reads the file; true when it was read. The result is kept for LastMessage().
  bool Read(const std::string& path) {
    last = data::ReadPatternFile(doc, path);
    return last.ok();
  }
  const data::PatternFile& Record(const std::string& path) {
    const data::PatternFile* record = doc.Find(data::ToKey(path));
    EXPECT_NE(record, nullptr) << path;
    static const data::PatternFile kEmpty;
    return record ? *record : kEmpty;
  }
  std::string LastMessage() const { return last.message; }
  static std::string DataFile(const std::string& name) { return std::string(LUMARET_TEST_DATA_DIR) + "/reader/" + name; }

  data::RecordingMessages messages;
  data::Result last;
  session::CTessalyUnitDoc doc;
  TempDir dir;
};

}  // namespace lumaret::test
