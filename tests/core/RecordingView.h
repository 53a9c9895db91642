#pragma once

#include "core/ComposerView.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillet::testing {

// A window that remembers what the composer did to it.
class RecordingView : public ComposerView {
public:
    bool HasControls() const override { return hasControls; }
    int CurrentPage() const override { return page; }
    void SetSampleTip(int sampleId, const std::string& text) override { tips[sampleId] = text; }
    void SetSpeedLabel(const std::string& text) override { speedLabel = text; }
    void ShowInSourceWindow(const std::string& fragment) override { source = fragment; }
    void EnableOutputButtons(bool enabled) override { outputEnabled = enabled; }
    void CheckButton(int commandId, bool pressed) override { pressedButtons[commandId] = pressed; }
    std::string SymbolContentAt(int row) const override {
        return row >= 0 && row < static_cast<int>(symbolRows.size()) ? symbolRows[row] : "";
    }
    void SetSampleFont(const SampleFont& font) override { sampleFonts.push_back(font); }
    SystemColors Colors() const override { return colors; }

    bool Pressed(int commandId) const {
        const auto found = pressedButtons.find(commandId);
        return found != pressedButtons.end() && found->second;
    }

    bool hasControls = true;
    int page = 0;
    SystemColors colors;
    std::vector<std::string> symbolRows;

    std::map<int, std::string> tips;
    std::optional<std::string> speedLabel;
    std::optional<std::string> source;
    std::optional<bool> outputEnabled;
    std::map<int, bool> pressedButtons;
    std::vector<SampleFont> sampleFonts;
};

} // namespace quillet::testing
