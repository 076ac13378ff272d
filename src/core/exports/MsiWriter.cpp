#include "exports/MsiWriter.h"

#include "exports/NameCodes.h"
#include "exports/OutputFile.h"
#include "exports/PatternHeaders.h"

namespace lumaret::exports {

std::string CombinedBaseName(const data::PatternFile& horizontal, const PatternExportSettings& info) {
  const auto& f = horizontal.nameFields;
  return UpperCase(f[kFieldModel] + "_" + FrequencyCode(f[kFieldFrequency]) + "_x_co_" +
                   LowerCase(f[data::kFieldPolarization]) + "_" + TiltCode(f[kFieldTilt]) +
                   PortName(f[kFieldPortExtension], info.portTable));
}

namespace {

std::string MsiText(const data::PatternFile& horizontal, const data::PatternFile& vertical,
                    const std::string& baseName, const ExportContext& context) {
  const auto& f = horizontal.nameFields;
  const std::string& unit = context.info.gainUnit;
  return "NAME " + baseName + "\r\n" + "FREQUENCY " + FrequencyCode(f[kFieldFrequency]) + "\r\n" +
         GainLine(horizontal.result.gain, unit, HeaderDialect::Msi) +
         TiltLine(context.info.tiltMethod, HeaderDialect::Msi) +
         CommentLine(context.today(), "90 degrees polarized", TiltCode(f[kFieldTilt])) +
         DataSections(horizontal, vertical);
}

}  // namespace

void ExportMsiFiles(const analysis::AnalysisDocument& doc, ExportContext& context) {
  const std::string folder = context.exportFolder + "MSI";
  EnsureFolder(folder, doc.Messages());
  ForEachCutPair(doc, [&](const data::PatternFile& horizontal, const data::PatternFile& vertical) {
    const std::string baseName = CombinedBaseName(horizontal, context.info);
    WritePatternFile(folder, baseName + ".msi", horizontal, vertical,
                     [&] { return MsiText(horizontal, vertical, baseName, context); }, doc.Messages(), context);
  });
}

}  // namespace lumaret::exports
