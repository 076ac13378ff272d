// Collect: gathers the PLN files of one XML document.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "data/DataLine.h"
#include "data/SplitCutNames.h"
#include "exports/AntennaXmlWriter.h"
#include "exports/NameCodes.h"
#include "exports/OutputFile.h"

namespace lumaret::exports {

namespace {

// Header lines 1 to 8, then "HORIZONTAL 360" on line 9.
constexpr std::size_t kHeaderLines = 8;

std::string LineValue(std::string_view line) {
  const std::size_t gap = line.find_first_of(" \t");
  return gap == std::string_view::npos ? "NULL" : std::string(line.substr(gap + 1));
}

bool StartsWithNoCase(std::string_view line, const std::string& word) {
  return line.size() >= word.size() && EqualsNoCase(std::string(line.substr(0, word.size())), word);
}

bool IsPlnName(const std::string& name) {
  return name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".pln");
}

// The last name part is the tilt code (empty, or two characters and "T") followed by the
// port name; the port must make up the rest exactly, so "R1" does not match "R10".
bool EndsWithPort(const std::string& lastPart, const std::string& port) {
  if (port.empty() || lastPart.size() < port.size()) return false;
  const std::size_t rest = lastPart.size() - port.size();
  if (!EqualsNoCase(lastPart.substr(rest), port)) return false;
  return rest == 0 || (rest == 3 && (lastPart[2] == 'T' || lastPart[2] == 't'));
}

// Name parts of MODEL_FREQ_X_CO_POL_TILTPORT.pln: 1 is the frequency code, 4 the
// polarization, 5 the tilt code and the port name.
bool NameMatches(const std::string& fileName, const std::string& polarization, const std::string& frequency,
                 const std::string& portText) {
  const std::vector<std::string> parts = data::SplitNameParts(data::StemOf(fileName), data::kMaxFileNameParts);
  if (parts.size() < 6) return false;
  if (!EqualsNoCase(parts[1], FrequencyCode(frequency)) || !EqualsNoCase(parts[4], polarization)) return false;
  return portText == "_" || EndsWithPort(parts.back(), portText);
}

std::vector<std::string> PlnNamesInOrder(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (auto it = std::filesystem::directory_iterator(folder, ec); !ec && it != std::filesystem::directory_iterator();
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(ec) && IsPlnName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

PlnRecord ParsePlnText(const std::string& text) {
  const std::vector<std::string_view> lines = data::SplitLines(text);
  auto value = [&](std::size_t index) { return index < lines.size() ? LineValue(lines[index]) : "NULL"; };
  PlnRecord record{value(0), value(1), value(2), value(3), value(4), value(5), value(6), value(7), {}, {}};
  data::PointSequence* section = &record.horizontal;
  for (std::size_t i = kHeaderLines + 1; i < lines.size(); ++i) {
    if (StartsWithNoCase(lines[i], "VERTICAL")) {
      section = &record.vertical;
      continue;
    }
    data::PatternPoint p;
    if (data::ParseDataLine(lines[i], p.fDeg, p.fMag)) section->push_back(p);
  }
  return record;
}

std::string XmlFolderOf(const std::string& plnFolder) {
  const std::string pln = "PLN";
  if (plnFolder.size() >= pln.size() && plnFolder.compare(plnFolder.size() - pln.size(), pln.size(), pln) == 0)
    return plnFolder.substr(0, plnFolder.size() - pln.size()) + "XML";
  return plnFolder + "/XML";
}

std::string XmlPathFor(const std::string& xmlFolder, const std::string& plnFileName, const std::string& portText) {
  std::string stem = ("/" + plnFileName).substr(0, 24);
  // A multi-port name cut to 24 characters usually loses its port: the documents of the
  // ports would share one name (or, with the port test, never be written). The port name
  // is then added so that every port keeps its own document.
  if (portText != "_" && !portText.empty() && !ContainsNoCase(stem, portText)) stem += "_" + portText;
  return xmlFolder + stem + ".xml";
}

void Collect(const std::string& plnFolder, const std::string& polarization, const std::string& frequency,
             const std::string& portText, ExportContext& context, data::UserMessages& messages,
             std::vector<PlnRecord>& records) {
  records.clear();
  for (const std::string& name : PlnNamesInOrder(plnFolder)) {
    if (!NameMatches(name, polarization, frequency, portText)) continue;
    const std::string xmlFolder = XmlFolderOf(plnFolder);
    EnsureFolder(xmlFolder, messages);
    context.xmlPath = XmlPathFor(xmlFolder, name, portText);
    std::string text;
    if (!ReadWholeFile(plnFolder + "/" + name, text)) {
      messages.Show("File does not exist");
      return;
    }
    records.push_back(ParsePlnText(text));
  }
}

}  // namespace lumaret::exports
