#include "core/ColorPalette.h"
#include "core/Gradation.h"
#include "preview/PreviewDocument.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace quillet;

namespace {

// The preview reads the fragment again on every keystroke: a long gradation is the most
// markup one line of text can make.
void BM_PreviewDocumentOfAGradation(benchmark::State& bench) {
    std::string text;
    for (int i = 0; i < bench.range(0); ++i) {
        text += i % 2 == 0 ? "a" : "漢";
    }
    std::string fragment = "<P Align=\"Center\"><A Href=\"http://example.com/\"><B>";
    AppendGradation(fragment, text, MakeRgb(255, 0, 0), MakeRgb(0, 0, 255), "\"");
    fragment += "</B></A></P>";
    const FaceInstalled installed = [](std::string_view) { return true; };
    for (auto _ : bench) {
        const PreviewDocument document = MakePreviewDocument(fragment, installed);
        benchmark::DoNotOptimize(document.Blocks.data());
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<long long>(fragment.size()));
}
BENCHMARK(BM_PreviewDocumentOfAGradation)->Arg(20)->Arg(1000);

} // namespace
