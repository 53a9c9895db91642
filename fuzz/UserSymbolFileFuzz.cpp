// The user symbol file: the records read from any bytes are written and read back unchanged.
#include "fuzz/FuzzInput.h"
#include "symbols/UserSymbolFile.h"

using quillet::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<quillet::SymbolRow> rows = quillet::ParseUserSymbols(bytes);
    const std::string written = quillet::FormatUserSymbols(rows);
    Require(quillet::ParseUserSymbols(written) == rows, "written records read back the same");
    return 0;
}
