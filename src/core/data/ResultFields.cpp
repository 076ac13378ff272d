#include "data/ResultFields.h"

#include <array>

namespace lumaret::data {

namespace {

using R = PerformanceResult;

constexpr ResultField Value(const char* key, float R::*member) {
  return {key, ResultFieldKind::Value, member, nullptr, nullptr};
}
constexpr ResultField Point(const char* key, PatternPoint R::*member) {
  return {key, ResultFieldKind::Point, nullptr, member, nullptr};
}
constexpr ResultField List(const char* key, ResultList R::*member) {
  return {key, ResultFieldKind::List, nullptr, nullptr, member};
}

constexpr std::array kFields{
    Value("gain", &R::gain),
    Value("directivity", &R::directivity),
    Value("losses", &R::losses),
    Value("eff", &R::eff),
    Value("gfr", &R::gfr),
    Point("vmax", &R::vmax),
    Point("vmin", &R::vmin),
    Value("vbw", &R::vbw),
    Value("vbwXdB", &R::vbwXdB),
    Value("vbp", &R::vbp),
    Value("vbrR", &R::vbrR),
    Value("vbr10dB", &R::vbr10dB),
    Value("vbrU", &R::vbrU),
    Value("ede", &R::ede),
    Point("fsu", &R::fsu),
    Point("fsuLobe", &R::fsuLobe),
    Point("fsd", &R::fsd),
    Value("firstLowerNull", &R::firstLowerNull),
    Value("nf", &R::nf),
    Value("fn", &R::fn),
    List("ss", &R::ss),
    Value("vxpd0", &R::vxpd0),
    Value("vxpdXdB", &R::vxpdXdB),
    Point("hmax", &R::hmax),
    Point("hmin", &R::hmin),
    Point("hpeak", &R::hpeak),
    Value("hbw", &R::hbw),
    Value("hbwXdB", &R::hbwXdB),
    Value("pxLevel", &R::pxLevel),
    Value("nxLevel", &R::nxLevel),
    Value("fbrCo", &R::fbrCo),
    Point("ssMax", &R::ssMax),
    Point("ssMaxLobe", &R::ssMaxLobe),
    Value("roundness", &R::roundness),
    Value("squint", &R::squint),
    Value("squintError", &R::squintError),
    Value("hps", &R::hps),
    Value("lean", &R::lean),
    List("thp", &R::thp),
    Value("spr", &R::spr),
    Value("fbrXp", &R::fbrXp),
    Value("fbrTot", &R::fbrTot),
    Value("xpd0", &R::xpd0),
    Value("xpdX", &R::xpdX),
    Value("xpdXdB", &R::xpdXdB),
    Value("xpd10dB", &R::xpd10dB),
    Value("xpd60", &R::xpd60),
    Value("thp10dB", &R::thp10dB),
    Point("ssu", &R::ssu),
    Point("tsu", &R::tsu),
};

}  // namespace

std::span<const ResultField> ResultFields() { return kFields; }

}  // namespace lumaret::data
