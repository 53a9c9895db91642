#include "app/DialogTemplate.h"

#include <array>

namespace quillet {
namespace {

// The template writes each control as its corner and its size.
constexpr TemplateControl Control(int id, int x, int y, int width, int height) {
    return {id, geom::Rect::OfSize(x, y, width, height)};
}

constexpr std::array kTemplate{
    Control(ControlId::DefaultButton, 151, 2, 45, 13),
    Control(ControlId::TabControl, 2, 18, 194, 17),
    Control(ControlId::Label1, 9, 40, 31, 8),
    Control(ControlId::Label2, 9, 70, 50, 8),
    Control(ControlId::Label3, 85, 70, 45, 8),
    Control(ControlId::Label4, 155, 70, 30, 8),
    Control(ControlId::Label5, 135, 40, 45, 8),
    Control(ControlId::MainText, 9, 50, 6, 13),
    Control(ControlId::LinkUrlText, 9, 80, 6, 13),
    Control(ControlId::FaceList, 9, 80, 16, 90),
    Control(ControlId::ChoiceList, 85, 80, 65, 90),
    Control(ControlId::ColorSample, 153, 80, 32, 13),
    Control(ControlId::GradationStartSample, 10, 70, 50, 13),
    Control(ControlId::GradationEndSample, 85, 70, 50, 13),
    Control(ControlId::GradationIcon, 65, 65, 20, 20),
    Control(ControlId::FontSample, 2, 111, 8, 29),
    Control(ControlId::SymbolList, 9, 55, 177, 6),
    Control(ControlId::BrowseButton, 135, 100, 50, 15),
    Control(ControlId::SpeedSlider, 45, 80, 15, 13),
    Control(ControlId::SpeedLabel, 9, 82, 32, 8),
};

} // namespace

std::optional<geom::Rect> TemplateRect(int id) {
    for (const TemplateControl& control : kTemplate) {
        if (control.id == id) {
            return control.rect;
        }
    }
    return std::nullopt;
}

} // namespace quillet
