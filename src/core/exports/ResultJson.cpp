#include "exports/ResultJson.h"

#include <cstdio>
#include <ostream>

#include "data/ResultFields.h"
#include "exports/NumberText.h"

namespace lumaret::exports {

namespace {

using data::PatternFile;
using data::PerformanceResult;
using data::ResultField;
using data::ResultFieldKind;

// A result number: null when unset, or when it cannot be written as a JSON number.
std::string JsonNumber(float value) {
  const std::string text = data::IsUnset(value) ? std::string() : ShortestFloat(value);
  return text.empty() ? "null" : text;
}

std::string JsonBool(bool value) { return value ? "true" : "false"; }

std::string FieldValue(const ResultField& field, const PerformanceResult& result) {
  switch (field.kind) {
    case ResultFieldKind::Value:
      return JsonNumber(result.*field.value);
    case ResultFieldKind::Point: {
      const data::PatternPoint& p = result.*field.point;
      return "[" + JsonNumber(p.fDeg) + ", " + JsonNumber(p.fMag) + "]";
    }
    case ResultFieldKind::List: {
      std::string text = "[";
      for (float v : result.*field.list) text += (text.size() > 1 ? ", " : "") + JsonNumber(v);
      return text + "]";
    }
  }
  return "null";
}

void WriteStages(std::ostream& out, const PerformanceResult& r) {
  out << "      \"stages\": {\"hco\": " << JsonBool(r.hcoDone) << ", \"vco\": " << JsonBool(r.vcoDone)
      << ", \"rad\": " << JsonBool(r.radDone) << ", \"spare\": " << JsonBool(r.spareFlag)
      << ", \"hcr\": " << JsonBool(r.hcrDone) << ", \"vcr\": " << JsonBool(r.vcrDone) << "},\n";
}

void WriteFile(std::ostream& out, const PatternFile& file) {
  out << "    {\n";
  out << "      \"key\": " << JsonString(file.key) << ",\n";
  out << "      \"path\": " << JsonString(file.path) << ",\n";
  out << "      \"fileName\": " << JsonString(file.fileName) << ",\n";
  out << "      \"nameFields\": [";
  for (std::size_t i = 0; i < file.nameFields.size(); ++i) out << (i ? ", " : "") << JsonString(file.nameFields[i]);
  out << "],\n";
  const std::string line2 = ShortestFloat(file.line2Value);
  out << "      \"line2\": " << (line2.empty() ? "null" : line2) << ",\n";
  out << "      \"headerCount\": " << file.headerCount << ",\n";
  out << "      \"pointCount\": " << file.points.size() << ",\n";
  WriteStages(out, file.result);
  out << "      \"result\": {";
  bool first = true;
  for (const ResultField& field : data::ResultFields()) {
    out << (first ? "\n" : ",\n") << "        " << JsonString(field.key) << ": " << FieldValue(field, file.result);
    first = false;
  }
  out << "\n      }\n    }";
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

void WriteResultJson(std::ostream& out, const data::PatternSet& patterns) {
  out << "{\n  \"files\": [";
  bool first = true;
  for (const auto& [key, file] : patterns) {
    out << (first ? "\n" : ",\n");
    WriteFile(out, file);
    first = false;
  }
  out << (first ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace lumaret::exports
