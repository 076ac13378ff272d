#include <QImage>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/OffscreenGui.h"
#include "cli/PatternBatch.h"
#include "display/EnvelopeChoice.h"
#include "display/Markers.h"
#include "display/PlotData.h"
#include "render/PlotRenderer.h"
#include "session/DisplayedFiles.h"

namespace lumaret::cli {
namespace {

QSize ParseSize(const std::string& text) {
  const std::size_t x = text.find('x');
  const auto whole = [](const std::string& part) {
    if (part.empty() || part.size() > 5 || !std::all_of(part.begin(), part.end(), ::isdigit)) return 0;
    return std::stoi(part);
  };
  const int w = x == std::string::npos ? 0 : whole(text.substr(0, x));
  const int h = x == std::string::npos ? 0 : whole(text.substr(x + 1));
  if (w < 1 || h < 1 || w > 20000 || h > 20000)
    throw UsageError{"option --size needs WIDTHxHEIGHT in pixels (1 to 20000), not '" + text + "'"};
  return {w, h};
}

// The marker switches of a comma-separated list of max, min, fsu and ssmax.
display::ViewSwitches ParseMarkers(const std::string& list) {
  display::ViewSwitches switches;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, comma - start);
    if (name == "max") switches.markerMax = true;
    else if (name == "min") switches.markerMin = true;
    else if (name == "fsu") switches.markerFsu = true;
    else if (name == "ssmax") switches.markerSsMax = true;
    else throw UsageError{"option --markers takes a list of max, min, fsu and ssmax, not '" + list + "'"};
    start = comma + 1;
  }
  return switches;
}

// PNG or BMP by the output's extension, letter case aside.
const char* ImageFormat(const std::string& path) {
  std::string ext = path.substr(path.find_last_of('.') == std::string::npos ? path.size() : path.find_last_of('.'));
  std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
  if (ext == ".png") return "PNG";
  if (ext == ".bmp") return "BMP";
  throw UsageError{"--out " + path + ": the picture must be a .png or .bmp file"};
}

int RunPlot(const std::vector<std::string>& args) {
  const ArgParser parser(args, {"--out", "--size", "--markers"},
                         {"--polar", "--cartesian", "--normalised", "--reference-line", "--envelope"});
  if (parser.Positionals().empty()) throw UsageError{"no PATH given"};
  const std::string out = parser.Value("--out");
  if (out.empty()) throw UsageError{"--out FILE is needed"};
  if (parser.Has("--polar") && parser.Has("--cartesian")) throw UsageError{"--polar and --cartesian exclude each other"};
  const char* format = ImageFormat(out);
  const QSize size = ParseSize(parser.Value("--size", "800x600"));
  display::ViewSwitches switches;
  if (parser.Has("--markers")) switches = ParseMarkers(parser.Value("--markers"));
  switches.envelope = parser.Has("--envelope");
  const CommonOptions& options = parser.Common();

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, options);
  const data::BatchResult batch = ReadPathArguments(doc, parser);
  if (!batch.failures.empty() && !options.keepGoing) return kExitFileError;

  // The files given are the displayed files, in the order given, analysed as a click in the
  // file list analyses them; the view state comes from the settings folder.
  session::LoadViewState(doc);
  if (parser.Has("--cartesian")) doc.view.mode = display::CoordinateMode::Cartesian;
  if (parser.Has("--polar")) doc.view.mode = display::CoordinateMode::Polar;
  if (parser.Has("--normalised")) session::SetNormalised(doc, true);
  doc.view.referenceLine = parser.Has("--reference-line");
  // The overlay is what the options ask for, not the desktop program's saved switches.
  doc.view.switches = switches;
  std::vector<std::string> displayed;
  for (const std::string& path : batch.visited) {
    const std::string key = data::ToKey(path);
    if (doc.Find(key) && std::find(displayed.begin(), displayed.end(), key) == displayed.end()) displayed.push_back(key);
  }
  doc.association = {true, false, false, false};
  session::ChooseDisplayedFiles(doc, displayed);

  if (switches.envelope && !display::AnyEnvelopeFor(doc, session::DisplayedFiles(doc)))
    std::cerr << display::kEnvelopeMissing << '\n';

  const display::PlotState state = session::ViewPlotState(doc);
  render::PlotPicture picture =
      render::MakePlotPicture(state, size, doc.view.colours.axes, doc.view.referenceLine,
                              display::BuildPlotCurves(doc, session::DisplayedFiles(doc), state, doc.view.colours));
  picture.overlay = session::ViewPlotOverlay(doc, state, picture.curves);

  const auto gui = StartOffscreenGui();
  const QImage image = render::RenderPlotImage(size, picture);
  if (!image.save(QString::fromStdString(out), format)) {
    std::cerr << out << ": the picture could not be written\n";
    return kExitFileError;
  }
  return batch.failures.empty() ? kExitOk : kExitFileError;
}

CommandRegistrar reg{{"plot",
                      "plot [options] [--polar|--cartesian] [--size WxH] [--normalised] [--markers max,min,fsu,ssmax] "
                      "[--envelope] [--reference-line] --out FILE PATH...",
                      &RunPlot}};

}  // namespace
}  // namespace lumaret::cli
