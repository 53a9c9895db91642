#pragma once

namespace quillet {

// Controls of the main window. The numbers are also the widgets' object names.
enum class ControlId : int {
    SymbolList = 1000,
    Sample = 1001,
    Tabs = 1002,
    Browse = 1006,
    SpeedSlider = 1007,
    Label1 = 1008,
    SpeedLabel = 1009,
    Label2 = 1010,
    GradationPicture = 1011,
    FaceList = 1014,
    Label3 = 1016,
    DefaultButton = 1017,
    Label4 = 1018,
    Label5 = 1019,
    MainEdit = 1020,
    SecondEdit = 1021,
    ChoiceList = 1022,
    ColorSample = 1023,
    GradationStartSample = 1024,
    GradationEndSample = 1025,
    // The three tool bars carry the number of the layout they are loaded from.
    OutputToolBar = 136,
    WindowToolBar = 140,
    StyleToolBar = 143,
};

constexpr int Id(ControlId id) {
    return static_cast<int>(id);
}

} // namespace quillet
