#include "exports/PlnWriter.h"

#include <algorithm>

#include "exports/MsiWriter.h"
#include "exports/NameCodes.h"
#include "exports/OutputFile.h"
#include "exports/PatternHeaders.h"

namespace lumaret::exports {

namespace {

constexpr const char* kMake = "TARSEL PEMBLOR";

// A frequency joins the list only when no equal entry is there yet: "900" after "1900"
// is a frequency of its own.
void AddExportedFrequency(std::vector<std::string>& frequencies, const std::string& frequency) {
  if (std::find(frequencies.begin(), frequencies.end(), frequency) == frequencies.end())
    frequencies.push_back(frequency);
}

std::string PlnHeader(const data::PatternFile& horizontal, const data::PatternFile& vertical,
                      const std::string& baseName, const ExportContext& context) {
  return Format("FILENAME\t%s\r\n", baseName.c_str()) + Format("MAKE\t %s\r\n", kMake) +
         Format("FREQUENCY\t%s \r\n", horizontal.nameFields[kFieldFrequency].c_str()) +
         Format("H_WIDTH %0.2f \r\n", static_cast<double>(horizontal.result.hbw)) +
         Format("V_WIDTH %0.2f \r\n", static_cast<double>(vertical.result.vbw)) +
         Format("FRONT_TO_BACK\t%0.2f \r\n", static_cast<double>(horizontal.result.fbrCo)) +
         GainLine(horizontal.result.gain, context.info.gainUnit, HeaderDialect::Pln) +
         TiltLine(context.info.tiltMethod, HeaderDialect::Pln);
}

}  // namespace

std::string ExportPlnContent(const analysis::AnalysisDocument& doc, ExportContext& context, const std::string& folderName,
                             const std::string& extension) {
  const std::string folder = context.exportFolder + folderName;
  EnsureFolder(folder, doc.Messages());
  ForEachCutPair(doc, [&](const data::PatternFile& horizontal, const data::PatternFile& vertical) {
    const std::string baseName = CombinedBaseName(horizontal, context.info);
    AddExportedFrequency(context.exportedFrequencies, vertical.nameFields[kFieldFrequency]);
    WritePatternFile(
        folder, baseName + extension, horizontal, vertical,
        [&] { return PlnHeader(horizontal, vertical, baseName, context) + DataSections(horizontal, vertical); },
        doc.Messages(), context);
  });
  return folder;
}

void ExportPlnFiles(const analysis::AnalysisDocument& doc, ExportContext& context) {
  context.plnFolder = ExportPlnContent(doc, context, "PLN", ".pln");
}

}  // namespace lumaret::exports
