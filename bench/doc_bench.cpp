// Loading and saving a full person document: every one of the 7320 days with a mark and
// a note.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "doc/person_file.h"

namespace {

std::unique_ptr<tw::PersonDocument> FullDocument(size_t noteLength) {
  auto doc = std::make_unique<tw::PersonDocument>();
  tw::InitNewPersonDocument(*doc, tw::CivilDate{1990, 1, 1}, tw::DocumentDefaults{});
  doc->header.SetName("Benchmark");
  const tw::DayNumber s = doc->header.NotesStart();
  std::string text(noteLength, 'n');
  for (int i = 0; i < tw::kNoteDays; ++i) tw::SetDayEntryFor(*doc, s + i, i % 16, text.c_str());
  return doc;
}

std::string BenchPath() {
  return (std::filesystem::temp_directory_path() / "tw_doc_bench.twd").string();
}

void BM_SaveFullDocument(benchmark::State& state) {
  auto doc = FullDocument(static_cast<size_t>(state.range(0)));
  const std::string path = BenchPath();
  tw::RecordingSink sink;
  for (auto _ : state) {
    if (!tw::SavePersonFile(*doc, path, sink)) state.SkipWithError("save failed");
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.SetLabel("target < 10 ms");
  std::remove(path.c_str());
}
BENCHMARK(BM_SaveFullDocument)->Arg(40)->Arg(511)->Unit(benchmark::kMillisecond);

void BM_LoadFullDocument(benchmark::State& state) {
  auto doc = FullDocument(static_cast<size_t>(state.range(0)));
  const std::string path = BenchPath();
  tw::RecordingSink sink;
  tw::SavePersonFile(*doc, path, sink);
  auto loaded = std::make_unique<tw::PersonDocument>();
  for (auto _ : state) {
    if (tw::LoadPersonFile(path, *loaded, tw::DocumentDefaults{}, nullptr, sink) != tw::LoadStatus::kOk)
      state.SkipWithError("load failed");
  }
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
  state.SetLabel("target < 10 ms");
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadFullDocument)->Arg(40)->Arg(511)->Unit(benchmark::kMillisecond);

void BM_SetDayEntryGrowing(benchmark::State& state) {
  auto doc = FullDocument(0);
  const tw::DayNumber s = doc->header.NotesStart();
  std::string text;
  int i = 0;
  for (auto _ : state) {
    if (text.size() >= tw::kMaxNoteLength) text.clear();
    text += 'x';
    tw::SetDayEntryFor(*doc, s + (i++ % tw::kNoteDays), tw::kMarkNoChange, text.c_str());
  }
  state.counters["block_bytes"] = static_cast<double>(doc->notes.capacity());
}
BENCHMARK(BM_SetDayEntryGrowing);

}  // namespace
