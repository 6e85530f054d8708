// The reminder store against a store without an index and against SimpleIni, on files of
// 1,000 to 1,000,000 lines shaped like a planner's: day keys of many dates, encoded descriptions,
// done marks and note records.

// Names and values are bytes of a code page: SimpleIni must take them as they are. Debian's
// header keeps the template bodies behind SI_IMPLEMENTATION; this program is their one user.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "plain_scan_store.h"
#include "platform/date_time.h"
#include "platform/files.h"
#include "store/codec.h"
#include "store/keys.h"
#include "store/reminder_store.h"

namespace dorvena::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kFirstHour = 7;
constexpr int kLastHour = 21;

std::string tokenOf(const platform::Date& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
  return text;
}

struct Sample {
  std::string bytes;
  std::string dayToken;  // a date whose entries lie half way down the file
};

Sample makeSample(std::size_t lineCount) {
  static const char* const kTitles[] = {"Di\xFE\xE7i",     "Toplant\xFD", "Annemi ara",   "Spor",
                                        "Fatura = 120 TL", "Kuaf\xF6r",   "Rapor teslimi"};
  const std::string description =
      store::convertbreaks("Saat 10'da orada ol.\r\nKimlik kart\xFD\r\n\r\nNot: = ve ; olabilir");
  std::mt19937 random(42);
  std::bernoulli_distribution entry(0.6), described(0.3), done(0.5), note(0.01);

  Sample sample;
  std::size_t lines = 0;
  int notes = 0;
  std::string body;
  const auto add = [&](const std::string& line) {
    body += line;
    body += "\r\n";
    ++lines;
  };
  for (platform::Date date{2000, 1, 1}; lines < lineCount; date = platform::addDays(date, 1)) {
    const std::string token = tokenOf(date);
    if (sample.dayToken.empty() && lines >= lineCount / 2) sample.dayToken = token;
    for (int hour = kFirstHour; hour <= kLastHour && lines < lineCount; ++hour) {
      if (entry(random)) {
        add(store::captionKey(token, hour) + "=" + kTitles[random() % std::size(kTitles)]);
        if (described(random)) add(store::descriptionKey(token, hour) + "=" + description);
        add(store::chkKey(token, hour) + (done(random) ? "=1" : "=0"));
      }
      if (note(random)) {
        ++notes;
        add(store::posMsgKey(notes) + "=" + description);
        add(store::posXKey(notes) + "=" + std::to_string(random() % 1900));
        add(store::posYKey(notes) + "=" + std::to_string(random() % 1000));
      }
    }
  }
  sample.bytes = "pos.count=" + std::to_string(notes) + "\r\n" + body;
  return sample;
}

const Sample& sample(std::size_t lines) {
  static std::map<std::size_t, Sample> samples;
  auto it = samples.find(lines);
  if (it == samples.end()) it = samples.emplace(lines, makeSample(lines)).first;
  return it->second;
}

// One folder for every file the run writes, removed when the run ends.
class Folder {
 public:
  Folder() : path_(fs::temp_directory_path() / ("dorvena-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~Folder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  fs::path file(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

const Folder& folder() {
  static Folder folder;
  return folder;
}

// A save that flushes to disk also waits for whatever other writes are still pending, such as
// the files of the benchmark before: each writing benchmark starts with nothing pending.
void settleDisk() {
  ::sync();
}

void writePlain(const fs::path& path, const std::string& bytes, bool sync) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw std::runtime_error("cannot create " + path.string());
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  if (sync) {
    std::fflush(file);
    ::fsync(::fileno(file));
  }
  std::fclose(file);
}

// Loaded once per size and kept: loading the big SimpleIni takes seconds.
template <class T>
T& loaded(std::size_t lines) {
  static std::map<std::size_t, std::unique_ptr<T>> cache;
  auto& slot = cache[lines];
  if (!slot) {
    slot = std::make_unique<T>();
    if constexpr (std::is_same_v<T, CSimpleIniA>) {
      slot->SetMultiKey(true);
      slot->LoadData(sample(lines).bytes);
    } else {
      slot->parse(sample(lines).bytes);
    }
  }
  return *slot;
}

void setCounters(benchmark::State& state, std::size_t lines) {
  state.counters["lines"] = static_cast<double>(lines);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(sample(lines).bytes.size()));
}

std::size_t linesOf(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0));
}

// --- Load -------------------------------------------------------------------------------------

void BM_Load_Store(benchmark::State& state) {
  const std::string& bytes = sample(linesOf(state)).bytes;
  store::ReminderStore store;
  for (auto _ : state) store.parse(bytes);
  setCounters(state, linesOf(state));
}

void BM_Load_StoreFile(benchmark::State& state) {
  const fs::path path = folder().file("load.ini");
  writePlain(path, sample(linesOf(state)).bytes, false);
  store::ReminderStore store;
  store.setFileName(path);
  for (auto _ : state) store.load();
  setCounters(state, linesOf(state));
}

void BM_Load_PlainScan(benchmark::State& state) {
  const std::string& bytes = sample(linesOf(state)).bytes;
  PlainScanStore store;
  for (auto _ : state) store.parse(bytes);
  setCounters(state, linesOf(state));
}

void BM_Load_SimpleIni(benchmark::State& state) {
  const std::string& bytes = sample(linesOf(state)).bytes;
  for (auto _ : state) {
    CSimpleIniA ini(false, true);
    ini.LoadData(bytes);
    benchmark::DoNotOptimize(ini.IsEmpty());
  }
  setCounters(state, linesOf(state));
}

// --- The 30 reads of one day-sheet reload: 15 titles and 15 done marks ------------------------

// The titles and done marks of one day, read through `read(key)`.
template <class Read>
std::vector<std::string> daySheet(const std::string& token, Read read) {
  std::vector<std::string> values;
  values.reserve(2 * (kLastHour - kFirstHour + 1));
  for (int hour = kFirstHour; hour <= kLastHour; ++hour) {
    values.push_back(read(store::captionKey(token, hour)));
    values.push_back(read(store::chkKey(token, hour)));
  }
  return values;
}

// What the scan from the top reads: the answer every contender must give.
const std::vector<std::string>& expectedSheet(std::size_t lines) {
  static std::map<std::size_t, std::vector<std::string>> sheets;
  auto it = sheets.find(lines);
  if (it == sheets.end()) {
    const auto& scan = loaded<PlainScanStore>(lines);
    it = sheets
             .emplace(lines, daySheet(sample(lines).dayToken,
                                      [&](const std::string& key) { return scan.read(key); }))
             .first;
  }
  return it->second;
}

template <class Read>
void dayReads(benchmark::State& state, Read read) {
  const std::string& token = sample(linesOf(state)).dayToken;
  if (daySheet(token, read) != expectedSheet(linesOf(state))) {
    state.SkipWithError("reads differ from the scan from the top");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(daySheet(token, read));
  state.counters["lines"] = static_cast<double>(linesOf(state));
}

void BM_DayReads_Store(benchmark::State& state) {
  const auto& store = loaded<store::ReminderStore>(linesOf(state));
  dayReads(state, [&](const std::string& key) { return store.read(key); });
}

void BM_DayReads_PlainScan(benchmark::State& state) {
  const auto& store = loaded<PlainScanStore>(linesOf(state));
  dayReads(state, [&](const std::string& key) { return store.read(key); });
}

void BM_DayReads_SimpleIni(benchmark::State& state) {
  const auto& ini = loaded<CSimpleIniA>(linesOf(state));
  dayReads(state,
           [&](const std::string& key) { return std::string(ini.GetValue("", key.c_str(), "")); });
}

// --- One write followed by a save of the whole file -------------------------------------------

void BM_WriteSave_Store(benchmark::State& state) {
  auto& store = loaded<store::ReminderStore>(linesOf(state));
  store.setFileName(folder().file("store.ini"));
  const std::string key = store::chkKey(sample(linesOf(state)).dayToken, 10);
  int flip = 0;
  settleDisk();
  for (auto _ : state) {
    store.write(key, (++flip & 1) ? "1" : "0");
    store.save();
  }
  setCounters(state, linesOf(state));
}

void BM_WriteSave_PlainScan(benchmark::State& state) {
  auto& store = loaded<PlainScanStore>(linesOf(state));
  const fs::path path = folder().file("scan.ini");
  const std::string key = store::chkKey(sample(linesOf(state)).dayToken, 10);
  int flip = 0;
  settleDisk();
  for (auto _ : state) {
    store.write(key, (++flip & 1) ? "1" : "0");
    writePlain(path, store.serialize(), false);
  }
  setCounters(state, linesOf(state));
}

void BM_WriteSave_SimpleIni(benchmark::State& state) {
  auto& ini = loaded<CSimpleIniA>(linesOf(state));
  const std::string path = folder().file("simple.ini").string();
  const std::string key = store::chkKey(sample(linesOf(state)).dayToken, 10);
  int flip = 0;
  settleDisk();
  for (auto _ : state) {
    ini.SetValue("", key.c_str(), (++flip & 1) ? "1" : "0");
    ini.SaveFile(path.c_str());
  }
  setCounters(state, linesOf(state));
}

// The two halves of a save: building the text, and the crash-safe replace of the file. This
// serialize() builds into fresh memory; save() builds into the buffer of its previous save.
void BM_Serialize_Store(benchmark::State& state) {
  const auto& store = loaded<store::ReminderStore>(linesOf(state));
  for (auto _ : state) benchmark::DoNotOptimize(store.serialize());
  setCounters(state, linesOf(state));
}

void BM_ReplaceFile(benchmark::State& state) {
  const std::string& bytes = sample(linesOf(state)).bytes;
  const fs::path path = folder().file("replaced.ini");
  settleDisk();
  for (auto _ : state) platform::replaceFile(path, bytes);
  setCounters(state, linesOf(state));
}

// What a save cannot beat: the same bytes in one plain write, and in one write made durable.
void BM_PlainWrite(benchmark::State& state) {
  const std::string& bytes = sample(linesOf(state)).bytes;
  const fs::path path = folder().file("plain.ini");
  settleDisk();
  for (auto _ : state) writePlain(path, bytes, false);
  setCounters(state, linesOf(state));
}

void BM_PlainWriteSynced(benchmark::State& state) {
  const std::string& bytes = sample(linesOf(state)).bytes;
  const fs::path path = folder().file("synced.ini");
  settleDisk();
  for (auto _ : state) writePlain(path, bytes, true);
  setCounters(state, linesOf(state));
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1'000)->Arg(100'000)->Arg(1'000'000);
}
void smallSizes(benchmark::internal::Benchmark* b) {
  b->Arg(1'000)->Arg(100'000);
}

constexpr auto kMs = benchmark::kMillisecond;
constexpr auto kUs = benchmark::kMicrosecond;

BENCHMARK(BM_Load_Store)->Apply(sizes)->Unit(kMs);
BENCHMARK(BM_Load_StoreFile)->Apply(sizes)->Unit(kMs)->UseRealTime();
BENCHMARK(BM_Load_PlainScan)->Apply(sizes)->Unit(kMs);
BENCHMARK(BM_Load_SimpleIni)->Apply(smallSizes)->Unit(kMs);
BENCHMARK(BM_Load_SimpleIni)->Arg(1'000'000)->Iterations(2)->Unit(kMs);

BENCHMARK(BM_DayReads_Store)->Apply(sizes)->Unit(kUs);
BENCHMARK(BM_DayReads_PlainScan)->Apply(smallSizes)->Unit(kUs);
// Every absent key is a scan of the whole file: a few runs tell enough.
BENCHMARK(BM_DayReads_PlainScan)->Arg(1'000'000)->Iterations(5)->Unit(kUs);
BENCHMARK(BM_DayReads_SimpleIni)->Apply(sizes)->Unit(kUs);

BENCHMARK(BM_WriteSave_Store)->Apply(sizes)->Unit(kMs)->UseRealTime();
BENCHMARK(BM_WriteSave_PlainScan)->Apply(sizes)->Unit(kMs)->UseRealTime();
BENCHMARK(BM_WriteSave_SimpleIni)->Apply(smallSizes)->Unit(kMs)->UseRealTime();
BENCHMARK(BM_WriteSave_SimpleIni)->Arg(1'000'000)->Iterations(3)->Unit(kMs)->UseRealTime();
BENCHMARK(BM_Serialize_Store)->Apply(sizes)->Unit(kMs);
BENCHMARK(BM_ReplaceFile)->Apply(sizes)->Unit(kMs)->UseRealTime();
BENCHMARK(BM_PlainWrite)->Apply(sizes)->Unit(kMs)->UseRealTime();
BENCHMARK(BM_PlainWriteSynced)->Apply(sizes)->Unit(kMs)->UseRealTime();

}  // namespace
}  // namespace dorvena::bench

BENCHMARK_MAIN();
