#include "app/DialogTemplate.h"

#include <array>

namespace quillet {
namespace {

constexpr std::array kTemplate{
    TemplateControl{ControlId::DefaultButton, {151, 2, 45, 13}},
    TemplateControl{ControlId::TabControl, {2, 18, 194, 17}},
    TemplateControl{ControlId::Label1, {9, 40, 31, 8}},
    TemplateControl{ControlId::Label2, {9, 70, 50, 8}},
    TemplateControl{ControlId::Label3, {85, 70, 45, 8}},
    TemplateControl{ControlId::Label4, {155, 70, 30, 8}},
    TemplateControl{ControlId::Label5, {135, 40, 45, 8}},
    TemplateControl{ControlId::MainText, {9, 50, 6, 13}},
    TemplateControl{ControlId::LinkUrlText, {9, 80, 6, 13}},
    TemplateControl{ControlId::FaceList, {9, 80, 16, 90}},
    TemplateControl{ControlId::ChoiceList, {85, 80, 65, 90}},
    TemplateControl{ControlId::ColorSample, {153, 80, 32, 13}},
    TemplateControl{ControlId::GradationStartSample, {10, 70, 50, 13}},
    TemplateControl{ControlId::GradationEndSample, {85, 70, 50, 13}},
    TemplateControl{ControlId::GradationIcon, {65, 65, 20, 20}},
    TemplateControl{ControlId::FontSample, {2, 111, 8, 29}},
    TemplateControl{ControlId::SymbolList, {9, 55, 177, 6}},
    TemplateControl{ControlId::BrowseButton, {135, 100, 50, 15}},
    TemplateControl{ControlId::SpeedSlider, {45, 80, 15, 13}},
    TemplateControl{ControlId::SpeedLabel, {9, 82, 32, 8}},
};

} // namespace

std::optional<Rect> TemplateRect(int id) {
    for (const TemplateControl& control : kTemplate) {
        if (control.id == id) {
            return control.rect;
        }
    }
    return std::nullopt;
}

} // namespace quillet
