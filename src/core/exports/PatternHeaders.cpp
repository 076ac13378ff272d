#include "exports/PatternHeaders.h"

#include "analysis/FileAssociation.h"
#include "exports/DataSection.h"
#include "exports/NameCodes.h"
#include "exports/OutputFile.h"

namespace lumaret::exports {

std::string GainLine(float gain, const std::string& unit, HeaderDialect dialect) {
  double value = gain;
  if (dialect != HeaderDialect::TmvMsi && unit.find("dBd") != std::string::npos) value = gain - 2.15;
  const std::string valueText = Format("%0.2f", value);
  if (dialect == HeaderDialect::Pln) return "GAIN\t" + valueText + " " + unit + "\r\n";
  return "GAIN " + valueText + "  " + unit + "\r\n";
}

std::string TiltLine(const std::string& tiltMethod, HeaderDialect dialect) {
  const std::string gap = dialect == HeaderDialect::TmvMsi ? " " : "\t";
  if (tiltMethod == "None") return "TILT\r\n";
  if (tiltMethod == "Electrical") return "TILT" + gap + "ELECTRICAL\r\n";
  if (tiltMethod == "Mechanical") return "TILT" + gap + "MACHANICAL\r\n";
  return "";
}

std::string CommentLine(const CalendarDate& date, const std::string& description, const std::string& tiltText) {
  // Precision pads an integer with zeros: day and month take two digits, the year four.
  return Format("COMMENT DATE %.2d.%.2d.%.4d %s system Lever position %s deg\r\n", date.day, date.month, date.year,
                description.c_str(), tiltText.c_str());
}

namespace {

// The horizontal records of the cut pairs that ForEachCutPair visits.
std::vector<data::PatternFile*> PairedHorizontalRecords(analysis::AnalysisDocument& doc) {
  std::vector<data::PatternFile*> records;
  ForEachCutPair(doc, [&](const data::PatternFile& horizontal, const data::PatternFile&) {
    records.push_back(doc.Find(horizontal.key));
  });
  return records;
}

}  // namespace

void ApplyPatternNameTexts(analysis::AnalysisDocument& doc) {
  for (data::PatternFile* horizontal : PairedHorizontalRecords(doc)) {
    auto& f = horizontal->nameFields;
    f[kFieldPortExtension] = LowerCase(f[kFieldPortExtension]);
    f[data::kFieldPolarization] = LowerCase(f[data::kFieldPolarization]);
  }
}

void ApplyTmvMsiNameTexts(analysis::AnalysisDocument& doc) {
  for (data::PatternFile* horizontal : PairedHorizontalRecords(doc)) {
    auto& f = horizontal->nameFields;
    f[kFieldPortExtension] = LowerCase(f[kFieldPortExtension]);
    f[kFieldModel] = UpperCase(f[kFieldModel]);
    f[kFieldFrequency] = UpperCase(f[kFieldFrequency]);
  }
}

std::string DataSections(const data::PatternFile& horizontal, const data::PatternFile& vertical) {
  return "HORIZONTAL 360\r\n" + DataSection(horizontal.points, horizontal.result.hpeak.fMag) + "VERTICAL 360\r\n" +
         DataSection(vertical.points, vertical.result.vmax.fMag);
}

void ForEachCutPair(const analysis::AnalysisDocument& doc,
                    const std::function<void(const data::PatternFile& horizontal, const data::PatternFile& vertical)>& visit) {
  for (const auto& [key, record] : doc.patterns) {
    if (LowerCase(record.fileName).find("_h_co") == std::string::npos) continue;
    const std::string partnerKey = analysis::CutPartner(key);
    const data::PatternFile* partner = partnerKey.empty() ? nullptr : doc.Find(partnerKey);
    if (partner && partner != &record) visit(record, *partner);
  }
}

void WritePatternFile(const std::string& folder, const std::string& fileName, const data::PatternFile& horizontal,
                      const data::PatternFile& vertical, const std::function<std::string()>& build,
                      data::UserMessages& messages, ExportContext& context) {
  const std::string path = folder + "/" + fileName;
  if (horizontal.points.empty() || vertical.points.empty()) {
    messages.Show(std::string(kFileNotWritten) + ": " + path + " (a cut has no points)");
    context.outcome.failed.push_back(path);
    return;
  }
  WriteWholeFile(path, build(), kFileNotWritten, messages, context.outcome, horizontal.path + " and " + vertical.path);
}

}  // namespace lumaret::exports
