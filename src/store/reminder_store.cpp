#include "store/reminder_store.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

namespace dorvena::store {
namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t kNoName = std::numeric_limits<std::size_t>::max();
constexpr std::size_t kRemoved = kNoName - 1;
constexpr std::size_t kNotFound = std::numeric_limits<std::size_t>::max();
constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;

// A fold that merges "=" with another byte is refused: the name of a line, cut at its first "=",
// could then equal a name that holds one, and the index would file the line under the wrong name.
platform::CaseFold checkedFold(const platform::CaseFold& fold) {
  for (int b = 0; b < 256; ++b) {
    if ((fold[b] == '=') != (b == '=')) {
      throw std::invalid_argument("a case fold must keep '=' apart from every other byte");
    }
  }
  return fold;
}

}  // namespace

// Lines sit in slots in the order they were added. A removed line leaves an empty slot, so that
// removing costs no shift of the lines below; the slots are packed, in order, once empty ones
// pile up.
struct ReminderStore::Line {
  std::string_view text;
  std::size_t nameSize;  // kNoName for a line without "=", kRemoved for an empty slot
  std::uint32_t next;    // the next slot holding the same name, kNone at the end of the chain
  std::unique_ptr<char[]>
      owned;  // the text of a written line; loaded lines point into the file bytes
};

// All slots with one name (under the fold), top to bottom. The chain's key is the name of any of
// its lines, so no folded copy of it is kept. A bucket whose head is kNone is empty.
struct ReminderStore::Chain {
  std::uint64_t hash;
  std::uint32_t head;
  std::uint32_t tail;
};

struct ReminderStore::Content {
  explicit Content(const platform::CaseFold& caseFold) : fold(caseFold) {}

  platform::CaseFold fold;
  std::unique_ptr<std::string> loaded;  // the file bytes, which loaded lines point into
  std::vector<Line> lines;
  std::vector<std::uint32_t> removed;  // empty slots, ascending
  std::vector<Chain> buckets;          // open addressing with linear probing, a power of two long
  std::size_t chains = 0;
  // The text of the last save, kept for the next one: every save after a change builds the whole
  // file again, and fresh memory of that size costs more than writing it out.
  std::string saveText;

  void writeText(std::string& out) const {
    std::size_t total = 0;
    for (const Line& line : lines) {
      if (line.nameSize != kRemoved) total += line.text.size() + 2;
    }
    out.clear();
    out.reserve(total);
    for (const Line& line : lines) {
      if (line.nameSize == kRemoved) continue;
      out += line.text;
      out += "\r\n";
    }
  }

  std::uint64_t hash(std::string_view name) const {
    const auto* p = reinterpret_cast<const unsigned char*>(name.data());
    std::size_t n = name.size();
    std::uint64_t h = n * kMul;
    while (n >= 8) {
      std::uint64_t word = 0;
      for (int k = 0; k < 8; ++k) word |= std::uint64_t{fold[p[k]]} << (8 * k);
      h = (h ^ word) * kMul;
      h ^= h >> 32;
      p += 8;
      n -= 8;
    }
    std::uint64_t word = 0;
    for (std::size_t k = 0; k < n; ++k) word |= std::uint64_t{fold[p[k]]} << (8 * k);
    h = (h ^ word) * kMul;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 29;
    return h;
  }

  bool sameName(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (fold[static_cast<unsigned char>(a[i])] != fold[static_cast<unsigned char>(b[i])]) {
        return false;
      }
    }
    return true;
  }

  std::string_view nameOf(std::uint32_t slot) const {
    return lines[slot].text.substr(0, lines[slot].nameSize);
  }

  std::size_t mask() const { return buckets.size() - 1; }

  // The bucket of the chain that holds `name`, or kNotFound.
  std::size_t bucketOf(std::string_view name, std::uint64_t h) const {
    if (buckets.empty()) return kNotFound;
    for (std::size_t i = h & mask();; i = (i + 1) & mask()) {
      const Chain& chain = buckets[i];
      if (chain.head == kNone) return kNotFound;
      if (chain.hash == h && sameName(nameOf(chain.head), name)) return i;
    }
  }

  // Makes room for one more chain, so that linking a line afterwards cannot fail.
  void reserveChain() {
    if ((chains + 1) * 4 <= buckets.size() * 3) return;
    std::vector<Chain> grown(std::max<std::size_t>(16, buckets.size() * 2), Chain{0, kNone, kNone});
    const std::size_t m = grown.size() - 1;
    for (const Chain& chain : buckets) {
      if (chain.head == kNone) continue;
      std::size_t i = chain.hash & m;
      while (grown[i].head != kNone) i = (i + 1) & m;
      grown[i] = chain;
    }
    buckets = std::move(grown);
  }

  // Adds the line to the end of the store. Its name is what stands before its first "=".
  void append(std::string_view text, std::unique_ptr<char[]> owned) {
    if (lines.size() >= kNone) throw std::length_error("the store holds too many lines");
    const std::size_t eq = text.find('=');
    if (eq != std::string_view::npos) reserveChain();
    lines.push_back(
        Line{text, eq == std::string_view::npos ? kNoName : eq, kNone, std::move(owned)});
    if (eq != std::string_view::npos) link(static_cast<std::uint32_t>(lines.size() - 1));
  }

  // Puts the slot, which lies below every other, at the end of its name's chain.
  void link(std::uint32_t slot) { link(slot, hash(nameOf(slot))); }

  void link(std::uint32_t slot, std::uint64_t h) {
    const std::string_view name = nameOf(slot);
    std::size_t i = h & mask();
    for (; buckets[i].head != kNone; i = (i + 1) & mask()) {
      Chain& chain = buckets[i];
      if (chain.hash == h && sameName(nameOf(chain.head), name)) {
        lines[chain.tail].next = slot;
        chain.tail = slot;
        return;
      }
    }
    buckets[i] = Chain{h, slot, slot};
    ++chains;
  }

  void removeHead(std::size_t bucket) {
    const std::uint32_t slot = buckets[bucket].head;
    removed.insert(std::upper_bound(removed.begin(), removed.end(), slot), slot);
    Line& line = lines[slot];
    const std::uint32_t next = line.next;
    line = Line{{}, kRemoved, kNone, nullptr};
    if (next == kNone) {
      eraseBucket(bucket);
    } else {
      buckets[bucket].head = next;
    }
    // A bounded list keeps both the search in position() and this insertion cheap; packing costs
    // a pass over all slots, so it waits until the empty ones are a fair share of them.
    const std::size_t limit = std::clamp<std::size_t>(lines.size() / 8, 64, 4096);
    if (removed.size() >= limit) compact();
  }

  // Backward-shift deletion: the chains after the hole that probed past it close ranks.
  void eraseBucket(std::size_t hole) {
    const std::size_t m = mask();
    for (std::size_t j = (hole + 1) & m; buckets[j].head != kNone; j = (j + 1) & m) {
      const std::size_t home = buckets[j].hash & m;
      const bool staysPut = hole <= j ? (hole < home && home <= j) : (hole < home || home <= j);
      if (staysPut) continue;
      buckets[hole] = buckets[j];
      hole = j;
    }
    buckets[hole].head = kNone;
    --chains;
  }

  // Slots keep their order; each moves up by the number of empty slots above it.
  void compact() noexcept {
    for (Line& line : lines) {
      if (line.nameSize != kRemoved && line.next != kNone) line.next = packed(line.next);
    }
    for (Chain& chain : buckets) {
      if (chain.head == kNone) continue;
      chain.head = packed(chain.head);
      chain.tail = packed(chain.tail);
    }
    const auto kept = std::remove_if(lines.begin(), lines.end(),
                                     [](const Line& line) { return line.nameSize == kRemoved; });
    lines.erase(kept, lines.end());
    removed.clear();
  }

  std::uint32_t packed(std::uint32_t slot) const {
    return static_cast<std::uint32_t>(position(slot));
  }

  std::size_t position(std::uint32_t slot) const {
    const auto above = std::lower_bound(removed.begin(), removed.end(), slot) - removed.begin();
    return slot - static_cast<std::size_t>(above);
  }

  // Cuts the loaded bytes into lines and indexes them. CR LF, a lone CR and a lone LF each end a
  // line.
  void cutLines() {
    std::string& bytes = *loaded;
    if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
      bytes.resize(static_cast<const char*>(nul) - bytes.data());
    }
    std::vector<std::uint64_t> hashes;
    std::size_t named = 0;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    // The next LF is remembered, so that a file of lone CRs is not searched to its end for each
    // line.
    const char* nextLf = p;
    while (p < end) {
      if (nextLf < p) nextLf = p;
      if (nextLf < end && *nextLf != '\n') {
        const void* lf = std::memchr(nextLf, '\n', static_cast<std::size_t>(end - nextLf));
        nextLf = lf ? static_cast<const char*>(lf) : end;
      }
      const char* eol = nextLf;
      if (const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(eol - p))) {
        eol = static_cast<const char*>(cr);
      }
      if (lines.size() >= kNone) throw std::length_error("the store holds too many lines");
      const std::string_view text(p, static_cast<std::size_t>(eol - p));
      const std::size_t eq = text.find('=');
      lines.push_back(Line{text, eq == std::string_view::npos ? kNoName : eq, kNone, nullptr});
      hashes.push_back(eq == std::string_view::npos ? 0 : hash(text.substr(0, eq)));
      named += eq != std::string_view::npos;
      p = eol;
      if (p < end && *p == '\r') ++p;
      if (p < end && *p == '\n') ++p;
    }

    // Sized once for every name, and filled with the buckets fetched ahead of need: a big file
    // is a million random visits to a table far larger than the cache.
    std::size_t size = 16;
    while (size * 3 < named * 4) size *= 2;
    buckets.assign(size, Chain{0, kNone, kNone});
    constexpr std::size_t kAhead = 16;
    for (std::size_t slot = 0; slot < lines.size(); ++slot) {
#if defined(__GNUC__)
      if (slot + kAhead < lines.size())
        __builtin_prefetch(&buckets[hashes[slot + kAhead] & mask()]);
#endif
      if (lines[slot].nameSize != kNoName) link(static_cast<std::uint32_t>(slot), hashes[slot]);
    }
  }
};

ReminderStore::ReminderStore(platform::CaseFold fold)
    : content_(std::make_unique<Content>(checkedFold(fold))) {}

ReminderStore::~ReminderStore() = default;
ReminderStore::ReminderStore(ReminderStore&&) noexcept = default;
ReminderStore& ReminderStore::operator=(ReminderStore&&) noexcept = default;

std::optional<std::size_t> ReminderStore::find(std::string_view name) const {
  const Content& c = *content_;
  const std::size_t bucket = c.bucketOf(name, c.hash(name));
  if (bucket == kNotFound) return std::nullopt;
  return c.position(c.buckets[bucket].head);
}

std::string ReminderStore::read(std::string_view name) const {
  const Content& c = *content_;
  const std::size_t bucket = c.bucketOf(name, c.hash(name));
  if (bucket == kNotFound) return {};
  const Line& line = c.lines[c.buckets[bucket].head];
  return std::string(line.text.substr(line.nameSize + 1));
}

void ReminderStore::write(std::string_view name, std::string_view value) {
  Content& c = *content_;
  const std::size_t bucket = c.bucketOf(name, c.hash(name));
  if (value.empty()) {
    if (bucket != kNotFound) c.removeHead(bucket);
    return;
  }
  const std::size_t size = name.size() + 1 + value.size();
  auto owned = std::make_unique_for_overwrite<char[]>(size);
  std::memcpy(owned.get(), name.data(), name.size());
  owned[name.size()] = '=';
  std::memcpy(owned.get() + name.size() + 1, value.data(), value.size());
  const std::string_view text(owned.get(), size);
  if (bucket == kNotFound) {
    // A name that holds "=" is never found; its line is filed under the part before the "=".
    c.append(text, std::move(owned));
    return;
  }
  // Same name under the fold, perhaps in other letter case: the line keeps its slot and chain.
  Line& line = c.lines[c.buckets[bucket].head];
  line.text = text;
  line.nameSize = name.size();
  line.owned = std::move(owned);
}

std::size_t ReminderStore::size() const {
  return content_->lines.size() - content_->removed.size();
}

std::vector<std::string> ReminderStore::lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (const Line& line : content_->lines) {
    if (line.nameSize != kRemoved) out.emplace_back(line.text);
  }
  return out;
}

void ReminderStore::clear() {
  content_ = std::make_unique<Content>(content_->fold);
}

void ReminderStore::parse(std::string_view bytes) {
  adopt(std::string(bytes.substr(0, bytes.find('\0'))));
}

void ReminderStore::adopt(std::string bytes) {
  // Built aside and swapped in, so that a failure leaves the old lines in place.
  auto next = std::make_unique<Content>(content_->fold);
  next->loaded = std::make_unique<std::string>(std::move(bytes));
  next->cutLines();
  content_ = std::move(next);
}

std::string ReminderStore::serialize() const {
  std::string out;
  content_->writeText(out);
  return out;
}

void ReminderStore::setFileName(std::filesystem::path path) {
  fileName_ = std::move(path);
}

const std::filesystem::path& ReminderStore::fileName() const {
  return fileName_;
}

void ReminderStore::load() {
  adopt(platform::readWholeFile(fileName_));
}

void ReminderStore::save(const platform::SaveFaults* faults) const {
  std::string& text = content_->saveText;
  content_->writeText(text);
  platform::replaceFile(fileName_, text, faults ? faults : saveFaults_);
}

}  // namespace dorvena::store
