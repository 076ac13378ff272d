#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/PatternBatch.h"
#include "data/PatternFile.h"

namespace lumaret::cli {
namespace {

std::string Formatted(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// Tabs and line breaks inside a value would break the line's fields; they become blanks.
std::string OneField(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

// One line per record: key, cut word, point count, line-2 value, gain, header count, the
// 15 name fields joined by "|", the declared header as KEYWORD=value joined by "|".
std::string RecordLine(const data::PatternFile& record) {
  std::ostringstream line;
  line << OneField(record.key) << '\t' << OneField(record.nameFields[data::kFieldCut]) << '\t'
       << record.points.size() << '\t' << Formatted("%g", record.line2Value) << '\t'
       << (data::IsUnset(record.result.gain) ? std::string("-") : Formatted("%.2f", record.result.gain)) << '\t'
       << record.headerCount << '\t';
  for (std::size_t i = 0; i < record.nameFields.size(); ++i) line << (i ? "|" : "") << OneField(record.nameFields[i]);
  line << '\t';
  for (std::size_t i = 0; i < record.declaredHeader.size(); ++i) {
    const auto& [keyword, value] = record.declaredHeader[i];
    line << (i ? "|" : "") << OneField(keyword) << '=' << OneField(value);
  }
  return line.str();
}

int RunRead(const std::vector<std::string>& args) {
  const ArgParser parser(args, {}, {});
  if (parser.Positionals().empty()) throw UsageError{"no PATH given"};
  const CommonOptions& options = parser.Common();

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, options);
  const data::BatchResult batch = ReadPathArguments(doc, parser);
  // Without --keep-going a failed read stops the batch and nothing is listed.
  if (!batch.failures.empty() && !options.keepGoing) return kExitFileError;

  std::ostringstream out;
  for (const auto& [key, record] : doc.patterns) out << RecordLine(record) << '\n';
  if (WriteStandardOutput(out.str()) != kExitOk) return kExitFileError;
  return batch.failures.empty() ? kExitOk : kExitFileError;
}

CommandRegistrar reg{{"read", "read [options] PATH...", &RunRead}};

}  // namespace
}  // namespace lumaret::cli
