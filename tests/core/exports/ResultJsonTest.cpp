#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "exports/NumberText.h"
#include "exports/ResultCsv.h"
#include "exports/ResultJson.h"

namespace lumaret::exports {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(ShortestFloatTest, WritesTheShortestTextThatReadsBack) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {0.5f, "0.5"},         {64.57f, "64.57"},   {19.0f, "19.0"},   {-0.0f, "-0.0"},     {0.0f, "0.0"},
      {0.1f, "0.1"},         {-15.59f, "-15.59"}, {1.0100021f, "1.0100021"}, {0.8999996f, "0.8999996"},
      {360.0f, "360.0"},     {1e20f, "1e+20"},    {-999.0f, "-999.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortestFloat(c.value), c.text) << c.value;
  EXPECT_EQ(ShortestFloat(std::nanf("")), "");  // not finite: no text
  EXPECT_EQ(ShortestFloat(INFINITY), "");
}

TEST(ShortestFloatTest, RoundTripsAndNoShorterTextDoes) {
  std::vector<float> values;
  for (int i = 1; i < 2000; ++i) values.push_back(std::ldexp(static_cast<float>(i) * 0.7311f, (i % 21) - 14));
  values.push_back(std::nextafter(1.0f, 2.0f));
  values.push_back(std::nextafter(-30.61f, 0.0f));
  for (float v : values) {
    const std::string text = ShortestFloat(v);
    ASSERT_EQ(std::strtof(text.c_str(), nullptr), v) << text;
    std::string mantissa;
    for (char c : text.substr(0, text.find('e')))
      if (c >= '0' && c <= '9') mantissa += c;
    mantissa.erase(0, mantissa.find_first_not_of('0'));
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.size() <= 1) continue;
    char shorter[400];
    std::snprintf(shorter, sizeof shorter, "%.*g", static_cast<int>(mantissa.size()) - 1, static_cast<double>(v));
    EXPECT_NE(std::strtof(shorter, nullptr), v) << text << " could be " << shorter;
  }
}

data::PatternSet TwoRecords() {
  data::PatternSet set;
  data::PatternFile& b = set["/c/b_h_co.cm"];
  b.key = "/c/b_h_co.cm";
  b.path = "/C/b_h_co.cm";
  b.fileName = "b \"quoted\", name\t.cm";
  b.nameFields[8] = "h";
  b.kind = data::ClassifyCut(b.nameFields);
  b.points.resize(3);
  b.line2Value = 1845.0f;
  b.headerCount = 720;
  b.result.hcoDone = 1;
  b.result.gain = 18.48f;
  b.result.hpeak = {2.5f, data::kUnset};
  b.result.thp[0] = 0.75f;
  data::PatternFile& a = set["/c/a.msi"];
  a.key = "/c/a.msi";
  a.fileName = "a.msi";
  return set;
}

std::string Json(const data::PatternSet& set) {
  std::ostringstream out;
  WriteResultJson(out, set);
  return out.str();
}

TEST(ResultJsonTest, ListsFilesInKeyOrderWithHeaderFields) {
  const std::string json = Json(TwoRecords());
  EXPECT_LT(json.find("\"/c/a.msi\""), json.find("\"/c/b_h_co.cm\""));
  EXPECT_THAT(json, HasSubstr("\"path\": \"/C/b_h_co.cm\""));
  EXPECT_THAT(json, HasSubstr("\"fileName\": \"b \\\"quoted\\\", name\\t.cm\""));
  EXPECT_THAT(json, HasSubstr("\"nameFields\": [\"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"h\", \"\", \"\", "
                              "\"\", \"\", \"\", \"\"]"));
  EXPECT_THAT(json, HasSubstr("\"line2\": 1845.0,"));
  EXPECT_THAT(json, HasSubstr("\"headerCount\": 720,"));
  EXPECT_THAT(json, HasSubstr("\"pointCount\": 3,"));
  EXPECT_THAT(json, HasSubstr("\"stages\": {\"hco\": true, \"vco\": false, \"rad\": false, \"spare\": false, "
                              "\"hcr\": false, \"vcr\": false}"));
}

TEST(ResultJsonTest, UnsetValuesAreNullAndSetOnesNumbers) {
  const std::string json = Json(TwoRecords());
  EXPECT_THAT(json, HasSubstr("\"gain\": 18.48,"));
  EXPECT_THAT(json, HasSubstr("\"gain\": null,"));
  EXPECT_THAT(json, HasSubstr("\"hpeak\": [2.5, null],"));
  EXPECT_THAT(json, HasSubstr("\"hmax\": [null, null],"));
  EXPECT_THAT(json, HasSubstr("\"thp\": [0.75, null, null, null, null, null, null, null, null, null],"));
  EXPECT_THAT(json, HasSubstr("\"tsu\": [null, null]\n"));
  EXPECT_THAT(json, Not(HasSubstr("-999")));
}

TEST(ResultJsonTest, EmptySetGivesAnEmptyList) { EXPECT_EQ(Json({}), "{\n  \"files\": []\n}\n"); }

TEST(ResultJsonTest, ControlCharactersAreEscaped) {
  EXPECT_EQ(JsonString(std::string("a\x01z\\") + "\xc3\xa9"), "\"a\\u0001z\\\\\xc3\xa9\"");
}

TEST(ResultCsvTest, OneColumnPerNumberAndEmptyCellsForUnset) {
  std::ostringstream out;
  WriteResultCsv(out, TwoRecords());
  std::istringstream lines(out.str());
  std::string header, rowA, rowB;
  std::getline(lines, header);
  std::getline(lines, rowA);
  std::getline(lines, rowB);
  const auto columns = std::count(header.begin(), header.end(), ',') + 1;
  EXPECT_EQ(columns, 2 + 36 + 2 * 12 + 2 * 10);
  EXPECT_THAT(header, HasSubstr("key,fileName,gain,directivity,"));
  EXPECT_THAT(header, HasSubstr(",vmax.angle,vmax.level,vmin.angle,"));
  EXPECT_THAT(header, HasSubstr(",ss[0],ss[1],"));
  EXPECT_THAT(header, HasSubstr(",ssu.angle,ssu.level,tsu.angle,tsu.level"));
  EXPECT_EQ(rowA, "/c/a.msi,a.msi" + std::string(columns - 2, ','));
  EXPECT_THAT(rowB, HasSubstr("/c/b_h_co.cm,\"b \"\"quoted\"\", name\t.cm\",18.48,,"));
}

}  // namespace
}  // namespace lumaret::exports
