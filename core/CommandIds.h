#pragma once

// Identifiers of commands and controls, shared by every layer so that a tool-bar button,
// its handler and the widget a test looks for agree on one number.
namespace quillet {

namespace CommandId {
inline constexpr int About = 16;
inline constexpr int Copy = 102;
inline constexpr int Drag = 103;
inline constexpr int Save = 104;
inline constexpr int StayOnTop = 106;
inline constexpr int Browse = 1006;
inline constexpr int RunDefaultAction = 1017;
inline constexpr int MoreColors = 32783;
inline constexpr int Help = 57670;
inline constexpr int SourceWindow = 57672;
inline constexpr int Bold = 57673;
inline constexpr int Italic = 57674;
inline constexpr int Underline = 57675;
inline constexpr int Strike = 57676;
inline constexpr int AlignLeft = 57677;
inline constexpr int AlignCenter = 57678;
inline constexpr int AlignRight = 57679;
inline constexpr int Superscript = 57682;
inline constexpr int Subscript = 57683;
inline constexpr int AddSymbol = 57684;
inline constexpr int DeleteSymbol = 57685;
inline constexpr int EditSymbol = 57686;
inline constexpr int ClearPages = 57687;
inline constexpr int RegisterSymbol = 57688;
} // namespace CommandId

// Controls of the main window, by their template ids.
namespace ControlId {
inline constexpr int SymbolList = 1000;
inline constexpr int FontSample = 1001;
inline constexpr int TabControl = 1002;
inline constexpr int BrowseButton = 1006;
inline constexpr int SpeedSlider = 1007;
inline constexpr int Label1 = 1008;
inline constexpr int SpeedLabel = 1009;
inline constexpr int Label2 = 1010;
inline constexpr int GradationIcon = 1011;
inline constexpr int FaceList = 1014;
inline constexpr int Label3 = 1016;
inline constexpr int DefaultButton = 1017;
inline constexpr int Label4 = 1018;
inline constexpr int Label5 = 1019;
inline constexpr int MainText = 1020;
inline constexpr int LinkUrlText = 1021;
inline constexpr int ChoiceList = 1022;
inline constexpr int ColorSample = 1023;
inline constexpr int GradationStartSample = 1024;
inline constexpr int GradationEndSample = 1025;
} // namespace ControlId

} // namespace quillet
