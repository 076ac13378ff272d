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
      std::string text = "[";
      text += JsonNumber(p.fDeg);
      text += ", ";
      text += JsonNumber(p.fMag);
      text += ']';
      return text;
    }
    case ResultFieldKind::List: {
      std::string text = "[";
      for (float v : result.*field.list) {
        if (text.size() > 1) text += ", ";
        text += JsonNumber(v);
      }
      text += ']';
      return text;
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

namespace {

// The length of the well-formed UTF-8 sequence that starts at text[i], or 0 when the byte
// there does not start one (a stray continuation byte, an overlong form, a surrogate, a
// code point above U+10FFFF, a sequence cut short).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
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
        } else if (c < 0x80) {
          out += static_cast<char>(c);
        } else if (const std::size_t length = Utf8SequenceLength(text, i); length > 0) {
          out.append(text, i, length);
          i += length - 1;
        } else {
          out += "\xEF\xBF\xBD";  // U+FFFD for each byte outside a valid sequence
        }
    }
  }
  out += '"';
  return out;
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
