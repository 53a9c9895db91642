#include "BenchStatistics.h"
#include "core/ColorPalette.h"
#include "core/Composer.h"
#include "core/Composition.h"
#include "core/Gradation.h"

#include <benchmark/benchmark.h>

using namespace quillet;

namespace {

// Twenty characters, half of them double-byte, as a user would type them.
const std::string kTwentyCharacters = "Quillet漢字のテストabcdeかな";

ComposerState TypicalForm(std::initializer_list<TagPage> selected) {
    ComposerState state = MakeInitialState({});
    for (const TagPage page : selected) {
        state.PageSelected[static_cast<std::size_t>(page)] = true;
    }
    state.FontText = kTwentyCharacters;
    state.GradationText = kTwentyCharacters;
    state.FontFace = "ＭＳ Ｐゴシック";
    state.FontSize = "5";
    state.FontColor = ChoiceOf(*FindPaletteColorByName("青"));
    state.Bold = state.Italic = true;
    state.GradationEnd = ChoiceOf(*FindPaletteColorByName("赤"));
    state.Align = "Center";
    state.LinkUrl = "http://example.com/index.htm";
    state.LinkTarget = "新しいウィンドウ";
    state.MarqueeBehavior = "交互";
    state.MarqueeSpeed = 10;
    return state;
}

void BM_ComposeFontLinkParagraph(benchmark::State& bench) {
    const ComposerState state =
        TypicalForm({TagPage::Font, TagPage::Hyperlink, TagPage::Paragraph});
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const std::string fragment = ComposeFragment(state, TagPage::Font);
        bytes += fragment.size();
        benchmark::DoNotOptimize(fragment.data());
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ComposeFontLinkParagraph);

void BM_ComposeEveryTextElement(benchmark::State& bench) {
    const ComposerState state = TypicalForm({TagPage::Font, TagPage::Gradation, TagPage::Paragraph,
                                             TagPage::Hyperlink, TagPage::Marquee});
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const std::string fragment = ComposeFragment(state, TagPage::Gradation);
        bytes += fragment.size();
        benchmark::DoNotOptimize(fragment.data());
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ComposeEveryTextElement);

// The whole regeneration of a keystroke, window effects included, against a null window.
void BM_RebuildTagEveryTextElement(benchmark::State& bench) {
    NullComposerView view;
    Composer composer(view, TypicalForm({TagPage::Font, TagPage::Gradation, TagPage::Paragraph,
                                         TagPage::Hyperlink, TagPage::Marquee}));
    for (auto _ : bench) {
        const std::string fragment = composer.RebuildTag();
        benchmark::DoNotOptimize(fragment.data());
    }
}
BENCHMARK(BM_RebuildTagEveryTextElement);

// Half the characters double-byte.
std::string MixedText(std::int64_t characters) {
    std::string text;
    text.reserve(static_cast<std::size_t>(characters) * 3 / 2);
    for (std::int64_t i = 0; i < characters; ++i) {
        text += i % 2 == 0 ? "漢" : "a";
    }
    return text;
}

// The buffer is reused from one call to the next, as the composer reuses the fragment's.
void BM_AppendGradation(benchmark::State& bench) {
    const std::string text = MixedText(bench.range(0));
    std::string out;
    // Grown once beforehand, as the fragment's buffer is after the first keystroke.
    AppendGradation(out, text, MakeRgb(0, 0, 0), MakeRgb(255, 128, 64), "\"");
    std::size_t bytes = 0;
    for (auto _ : bench) {
        out.clear();
        AppendGradation(out, text, MakeRgb(0, 0, 0), MakeRgb(255, 128, 64), "\"");
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    bench.SetItemsProcessed(bench.iterations() * bench.range(0));
}
BENCHMARK(BM_AppendGradation)
    ->Arg(1'000)
    ->Arg(64'000)
    ->Arg(1'000'000)
    ->Arg(4'000'000)
    ->Arg(16'000'000)
    ->Repetitions(5)
    ->ComputeStatistics("min", quillet::bench::Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
