// Character lookup on a full-size table: the direct search of all 420 lists per character
// against the table of answers worked out once after loading.
//
// The table is read from the file named by PHRASETOOLS_BENCH_TABLE (bench/run.py generates it),
// under a double-byte code page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/code_page.h"
#include "platform/stream.h"
#include "table/character_lookup.h"
#include "table/syllable_table.h"
#include "table/table_file.h"

namespace {

struct Key {
    uint8_t first;
    uint8_t second;
};

// The characters of all lists, in list order: what a phrase list asks for.
std::vector<Key> Keys;

bool load_bench_table() {
    const char* path = getenv("PHRASETOOLS_BENCH_TABLE");
    static Stream table;
    if (path == nullptr || !stream_open(&table, path, READ_TEXT)) {
        fprintf(stderr, "set PHRASETOOLS_BENCH_TABLE to a table file (bench/run.py makes one)\n");
        return false;
    }
    set_code_page_of_locale("zh_CN.GBK");
    bool complete = walk_table_file(&table, path, true);
    stream_close(&table);
    index_character_lists();
    for (const char* list : CharacterLists) {
        for (size_t at = 0; list[at] != '\0' && list[at + 1] != '\0'; at += 2) {
            Keys.push_back({static_cast<uint8_t>(list[at]), static_cast<uint8_t>(list[at + 1])});
        }
    }
    return complete && !Keys.empty();
}

// Looks up the characters of the lists in a scattered order, one per iteration.
void run_lookups(benchmark::State& state, uint16_t (*lookup)(uint8_t, uint8_t)) {
    size_t next = 0;
    for (auto _ : state) {
        const Key& key = Keys[next];
        next = (next + 7919) % Keys.size();
        benchmark::DoNotOptimize(lookup(key.first, key.second));
    }
}

void BM_DirectLookup(benchmark::State& state) {
    run_lookups(state, lookup_character_direct);
}
BENCHMARK(BM_DirectLookup);

void BM_IndexedLookup(benchmark::State& state) {
    run_lookups(state, lookup_character);
}
BENCHMARK(BM_IndexedLookup);

// The one-time cost that the indexed lookup pays per run, after loading.
void BM_IndexCharacterLists(benchmark::State& state) {
    for (auto _ : state) {
        index_character_lists();
    }
}
BENCHMARK(BM_IndexCharacterLists)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!load_bench_table()) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
