#include "core/MarkupGradation.h"

#include "core/HexColor.h"
#include "core/MarkupUnits.h"

namespace quillet {

void AppendGradationOverMarkup(std::string& out, std::string_view content, Rgb start, Rgb end,
                               std::string_view quote) {
    const std::vector<MarkupUnit> units = SplitMarkupUnits(content, true);
    std::size_t count = 0;
    for (const MarkupUnit& unit : units) {
        count += unit.Tag ? 0 : 1;
    }
    if (count < 2) {
        out += content;
        return;
    }
    std::size_t index = 0;
    for (const MarkupUnit& unit : units) {
        const std::string_view text = content.substr(unit.Pos, unit.Length);
        if (unit.Tag) {
            out += text;
            continue;
        }
        char colour[6];
        WriteHexColor(colour, GradationChannelAt(RedOf(start), RedOf(end), index, count),
                      GradationChannelAt(GreenOf(start), GreenOf(end), index, count),
                      GradationChannelAt(BlueOf(start), BlueOf(end), index, count));
        out += "<Font Color=";
        out += quote;
        out.append(colour, sizeof colour);
        out += quote;
        out += '>';
        out += text;
        out += "</Font>";
        ++index;
    }
}

} // namespace quillet
