#pragma once

#include <QGuiApplication>
#include <memory>

namespace lumaret::cli {

// The Qt application that rendering needs, on the offscreen platform (no display is
// needed or touched); Qt's own notes below critical are not the tool's output.
std::unique_ptr<QGuiApplication> StartOffscreenGui();

}  // namespace lumaret::cli
