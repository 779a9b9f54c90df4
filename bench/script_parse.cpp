// module: script
// A report compiles its script and each expression as a small script of its
// own, so selecting the grammar and walking a source are paid again and
// again: a long script of every statement kind, and one short expression
// program with the grammar selected each time.
#include "script/grammar/ScriptGrammars.h"
#include "script/parser/ILParser.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string LongScript(int blocks) {
    std::string source = "var a, b: integer; s: string;\r\nbegin\r\n";
    for (int i = 0; i < blocks; ++i) {
        source += "  if a >= " + std::to_string(i) + " then b := (a + 1) * 2 div 3 else s := 'x' + <Data.Field>;\r\n";
        source += "  for a := 1 to 10 do begin b := b - Obj.Items[a].Value; Print(b, s) end;\r\n";
        source += "  case b of 1: a := 0; 2, 3..5: ; else a := -a; end;\r\n";
    }
    return source + "end.";
}

void BM_ParseLongScript(benchmark::State& state) {
    RegisterScriptGrammars();
    const std::string source = LongScript(static_cast<int>(state.range(0)));
    TscCompileTarget script;
    TscILParser parser(script);
    parser.SelectLanguage("PascalScript");
    for (auto _ : state) {
        if (!parser.ParseSource(source)) state.SkipWithError(script.ErrorMessage.c_str());
        benchmark::DoNotOptimize(parser.ILDocument().Root()->Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_ParseLongScript)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_CompileOneExpression(benchmark::State& state) {
    RegisterScriptGrammars();
    TscCompileTarget script;
    for (auto _ : state) {
        TscILParser parser(script);
        parser.SelectLanguage("PascalScript");
        if (!parser.ParseSource("begin Result := <Page#> + ' / ' + <TotalPages> end.")) state.SkipWithError("error");
    }
}
BENCHMARK(BM_CompileOneExpression)->Unit(benchmark::kMicrosecond);

}  // namespace
