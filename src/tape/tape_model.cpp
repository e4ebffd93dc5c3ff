// Writing the tape: how each thing the calculator reports becomes a line.
#include "tape/tape_model.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace zova {

namespace {

// The label of a number put back from the tape.
constexpr std::string_view kRecalledLabel = ZOVA_TEXT("Tape", "Tape");

std::string_view trimmed(std::string_view t) {
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  return t;
}

// The number as the display showed it, with the mark of a base other than decimal.
std::string numberText(const ShownNumber& n) {
  std::string t(trimmed(n.shown));
  if (t.empty() || t == kTapeError) return t;
  switch (n.base) {
    case Base::kHex:
      return t + " h";
    case Base::kOctal:
      return t + " o";
    case Base::kBinary:
      return t + " b";
    case Base::kDecimal:
      break;
  }
  return t;
}

std::string_view unitName(AngleUnit unit) {
  switch (unit) {
    case AngleUnit::kRadians:
      return "rad";
    case AngleUnit::kGrads:
      return "grad";
    case AngleUnit::kDegrees:
      break;
  }
  return "deg";
}

// Tabs and line ends would split a line of the tape file.
std::string oneLine(std::string_view t) {
  std::string out(t);
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out;
}

bool isError(const ShownNumber& n) { return trimmed(n.shown) == kTapeError; }
// An error line, or a function written with the error it gave.
bool showsError(const TapeEntry& e) {
  return e.label == Text::asWritten(std::string(kTapeError)) || e.number == kTapeError;
}

Text written(std::string_view t) { return Text::asWritten(std::string(t)); }
Text resultOf(Text what) { return {TextId::kResultOf, {std::move(what)}}; }

// The text that wrote a label of the tape file: the forms the tape writes itself,
// a panel's name through `names`, anything else as written.
Text labelRead(std::string_view label, const TapeModel::NameReader& names) {
  const auto name = [&names](std::string_view n) { return names ? names(n) : written(n); };
  if (label == kRecalledLabel) return Text::caption("Tape", std::string(kRecalledLabel));
  if (!label.ends_with(" =")) return name(label);
  std::string_view what = label.substr(0, label.size() - 2);
  // A name first: a constant may end in " mass".
  if (Text known = name(what); known.id != TextId::kAsWritten) return resultOf(std::move(known));
  // "Fe number", "Fe mass": an element's symbol, no blank in it.
  for (const auto& [suffix, id] : {std::pair{std::string_view(" number"), TextId::kAtomicNumber},
                                   std::pair{std::string_view(" mass"), TextId::kAtomicMass}}) {
    const std::string_view symbol =
        what.substr(0, what.size() - std::min(what.size(), suffix.size()));
    if (what.ends_with(suffix) && !symbol.empty() && symbol.find(' ') == std::string_view::npos)
      return resultOf({id, {written(symbol)}});
  }
  // "12 meters -> feet": the number before the first blank.
  const std::size_t blank = what.find(' '), arrow = what.find(" -> ");
  if (blank != std::string_view::npos && blank > 0 && arrow != std::string_view::npos &&
      arrow > blank)
    return resultOf(
        {TextId::kConversion,
         {written(what.substr(0, blank)), name(what.substr(blank + 1, arrow - blank - 1)),
          name(what.substr(arrow + 4))}});
  return resultOf(written(what));
}

}  // namespace

std::string TapeEntry::textWithLabel(std::string shownLabel) const {
  std::string t = std::move(shownLabel);
  for (const std::string* part : {&number, &mark}) {
    if (part->empty()) continue;
    if (!t.empty()) t += ' ';
    t += *part;
  }
  return t;
}

std::vector<std::string> TapeModel::texts() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (const TapeEntry& e : entries_) out.push_back(e.text());
  return out;
}

std::string TapeModel::plainText(const std::vector<std::size_t>& lines) const {
  std::string out;
  if (lines.empty()) {
    for (const TapeEntry& e : entries_) out += e.text() + '\n';
  } else {
    for (std::size_t i : lines)
      if (i < entries_.size()) out += entries_[i].text() + '\n';
  }
  return out;
}

void TapeModel::changed() {
  if (onChange) onChange();
}

void TapeModel::clear() { replaceEntries({}); }

void TapeModel::replaceEntries(Entries entries) {
  if (edits_ && !(entries_.empty() && entries.empty()))
    edits_->push_back(
        {Edits::value_type::Kind::kReplace, 0, {}, std::make_unique<Entries>(std::move(entries_))});
  entries_ = std::move(entries);
  ++replaced_;
  changed();
}

void TapeModel::append(TapeEntry entry) {
  using Kind = Edits::value_type::Kind;
  if (entries_.size() >= kTapeCapacity) {
    if (edits_) edits_->push_back({Kind::kErase, 0, std::move(entries_.front())});
    entries_.pop_front();
  }
  entries_.push_back(std::move(entry));
  if (edits_) edits_->push_back({Kind::kInsert, entries_.size() - 1});
  ++added_;
  changed();
}

// The tape window cannot follow these edits one by one: it reads the tape anew.
void TapeModel::undoEdits(Edits& edits) {
  zova::undoEdits(entries_, edits);
  ++replaced_;
  changed();
}

void TapeModel::redoEdits(Edits& edits) {
  zova::redoEdits(entries_, edits);
  ++replaced_;
  changed();
}

void TapeModel::rule() {
  if (entries_.empty() || entries_.back().label == written(kTapeRule)) return;
  append({written(kTapeRule), "", "", ""});
}

// An error taken by an operator is written with it; one taken by "=" is left
// to the result's line, which says it.
void TapeModel::operandTaken(const ShownNumber& operand, std::string_view op) {
  equalsPending_ = op.empty();
  if (isError(operand) && op.empty()) return;
  if (isError(operand)) return append({{}, std::string(kTapeError), std::string(op), ""});
  append({{}, numberText(operand), std::string(op), operand.decimal});
}

void TapeModel::bracketOpened() { append({written("("), "", "", ""}); }

void TapeModel::functionApplied(std::string_view name, const ShownNumber& argument,
                                const ShownNumber& result, std::optional<AngleUnit> unit) {
  // A function of an error is that error; a function that failed is written with its number.
  if (isError(argument)) return errorShown();
  std::string label(name);
  label += '(' + numberText(argument);
  if (unit) label += ' ' + std::string(unitName(*unit));
  label += ')';
  if (isError(result)) return append({resultOf(written(label)), std::string(kTapeError), "", ""});
  append({resultOf(written(label)), numberText(result), "", result.decimal});
}

void TapeModel::memoryUsed(std::string_view key, const ShownNumber& amount) {
  append({written(key), numberText(amount), "", amount.decimal});
}

// Every "=" writes its result, an error too.
void TapeModel::resultShown(const ShownNumber& result) {
  equalsPending_ = false;
  if (isError(result))
    append({written("="), std::string(kTapeError), "", ""});
  else
    append({written("="), numberText(result), "", result.decimal});
  if (afterResult_) append(std::move(*afterResult_));
  afterResult_.reset();
  rule();
}

void TapeModel::errorShown() {
  // While "=" reduces, its result's line writes the error.
  if (equalsPending_) return;
  if (!entries_.empty() && showsError(entries_.back())) return;
  append({written(kTapeError), "", "", ""});
}

void TapeModel::allCleared() { rule(); }

void TapeModel::panelResult(Text what, const ShownNumber& result) {
  if (isError(result)) return errorShown();
  append({resultOf(std::move(what)), numberText(result), "", result.decimal});
}

// The Stack toggle enters a result before "=" shows it: its line follows the result's.
void TapeModel::statsChanged(Text what, std::string_view item) {
  TapeEntry entry{std::move(what), std::string(item), "", std::string(item)};
  if (equalsPending_)
    afterResult_ = std::move(entry);
  else
    append(std::move(entry));
}

void TapeModel::numberRecalled(const ShownNumber& number) {
  append(
      {Text::caption("Tape", std::string(kRecalledLabel)), numberText(number), "", number.decimal});
}

std::string TapeModel::fileText() const {
  std::string out(kTapeFileHeader);
  out += '\n';
  return out + fileLines(0);
}

std::string TapeModel::fileLines(std::size_t first) const {
  std::string out;
  for (std::size_t i = first; i < entries_.size(); ++i) {
    const TapeEntry& e = entries_[i];
    out += oneLine(english(e.label)) + '\t' + oneLine(e.number) + '\t' + oneLine(e.mark) + '\t' +
           oneLine(e.value) + '\n';
  }
  return out;
}

bool TapeModel::readFileText(std::string_view text, const NameReader& names) {
  if (text.size() > kMaxTapeFileBytes) return false;
  auto nextLine = [&text]() {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  };
  if (nextLine() != kTapeFileHeader) return false;
  // A last line without its line end was cut short while it was added: it is left out.
  if (const std::size_t end = text.rfind('\n'); end != std::string_view::npos)
    text = text.substr(0, end + 1);
  else
    text = {};
  std::deque<TapeEntry> read;
  while (!text.empty()) {
    const std::string_view line = nextLine();
    std::string_view parts[4];
    std::string_view rest = line;
    for (int i = 0; i < 4; ++i) {
      const std::size_t tab = rest.find('\t');
      if ((i < 3) != (tab != std::string_view::npos)) return false;  // exactly four parts
      parts[i] = rest.substr(0, tab);
      rest = i < 3 ? rest.substr(tab + 1) : std::string_view{};
    }
    if (read.size() >= kTapeCapacity) read.pop_front();
    read.push_back({labelRead(parts[0], names), std::string(parts[1]), std::string(parts[2]),
                    std::string(parts[3])});
  }
  replaceEntries(std::move(read));
  return true;
}

}  // namespace zova
