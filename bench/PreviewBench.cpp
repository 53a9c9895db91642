#include "core/ColorPalette.h"
#include "core/Gradation.h"
#include "preview/HtmlFragmentTree.h"
#include "preview/PreviewDocument.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace quillet;

namespace {

// The preview reads the fragment again on every keystroke: a long gradation is the most
// markup one line of text can make.
std::string GradationFragment(long long characters) {
    std::string text;
    for (long long i = 0; i < characters; ++i) {
        text += i % 2 == 0 ? "a" : "漢";
    }
    std::string fragment = "<P Align=\"Center\"><A Href=\"http://example.com/\"><B>";
    AppendGradation(fragment, text, MakeRgb(255, 0, 0), MakeRgb(0, 0, 255), "\"");
    return fragment + "</B></A></P>";
}

void BM_PreviewDocumentOfAGradation(benchmark::State& bench) {
    const std::string fragment = GradationFragment(bench.range(0));
    const FaceInstalled installed = [](std::string_view) { return true; };
    for (auto _ : bench) {
        const PreviewDocument document = MakePreviewDocument(fragment, installed);
        benchmark::DoNotOptimize(document.Blocks.data());
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<long long>(fragment.size()));
}
BENCHMARK(BM_PreviewDocumentOfAGradation)->Arg(20)->Arg(1000);

// The tree alone, read directly and by the full parser (the second argument).
void BM_FragmentTreeOfAGradation(benchmark::State& bench) {
    const std::string fragment = GradationFragment(bench.range(0));
    const auto reader = bench.range(1) == 0 ? HtmlFragmentTree::Reader::Fastest
                                            : HtmlFragmentTree::Reader::FullParser;
    for (auto _ : bench) {
        const HtmlFragmentTree tree(fragment, reader);
        benchmark::DoNotOptimize(&tree.Root());
    }
    bench.SetBytesProcessed(bench.iterations() * static_cast<long long>(fragment.size()));
}
BENCHMARK(BM_FragmentTreeOfAGradation)->Args({1000, 0})->Args({1000, 1});

} // namespace
