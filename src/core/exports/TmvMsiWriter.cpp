#include "exports/TmvMsiWriter.h"

#include "exports/NameCodes.h"
#include "exports/OutputFile.h"
#include "exports/PatternHeaders.h"

namespace lumaret::exports {

std::string TmvMsiBaseName(const data::PatternFile& horizontal, const PatternExportSettings& info) {
  const auto& f = horizontal.nameFields;
  return UpperCase(f[kFieldModel]) + "_" + UpperCase(f[kFieldFrequency]) + PortName(f[kFieldPortExtension], info.portTable) +
         "_" + UpperCase(TmvPolarizationCode(f[data::kFieldPolarization])) + "_" +
         UpperCase(TmvTiltCode(f[kFieldTilt], info.tiltMethod));
}

namespace {

std::string PolarizationDescription(const std::string& polarizationCode) {
  if (polarizationCode == "P45") return "+45 degrees polarized";
  if (polarizationCode == "N45") return "-45 degrees polarized";
  return polarizationCode;
}

std::string TmvMsiText(const data::PatternFile& horizontal, const data::PatternFile& vertical,
                       const std::string& baseName, const ExportContext& context) {
  const auto& f = horizontal.nameFields;
  return UpperCase("NAME " + baseName + "\r\n") + "FREQUENCY " + UpperCase(f[kFieldFrequency]) + "\r\n" +
         GainLine(horizontal.result.gain, context.info.gainUnit, HeaderDialect::TmvMsi) +
         TiltLine(context.info.tiltMethod, HeaderDialect::TmvMsi) + "POLARIZATION POL_X\r\n" +
         CommentLine(context.today(), PolarizationDescription(TmvPolarizationCode(f[data::kFieldPolarization])),
                     f[kFieldTilt]) +
         DataSections(horizontal, vertical);
}

}  // namespace

void ExportTmvMsiFiles(const analysis::AnalysisDocument& doc, ExportContext& context) {
  const std::string folder = context.exportFolder + "TMVMSI";
  EnsureFolder(folder, doc.Messages());
  ForEachCutPair(doc, [&](const data::PatternFile& horizontal, const data::PatternFile& vertical) {
    const std::string baseName = TmvMsiBaseName(horizontal, context.info);
    WritePatternFile(folder, baseName + ".msi", horizontal, vertical,
                     [&] { return TmvMsiText(horizontal, vertical, baseName, context); }, doc.Messages(), context);
  });
}

}  // namespace lumaret::exports
