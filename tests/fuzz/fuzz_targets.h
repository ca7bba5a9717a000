#pragma once
// @brief What the fuzzers feed the program's readers of list lines and list files, and the
// promises each must keep for any input: the same functions run under libFuzzer and, over
// the committed corpus, in every test run.

#include <cstddef>
#include <cstdint>
#include <span>

namespace morvelin::fuzz {

using Input = std::span<const std::uint8_t>;
using Target = void (*)(Input);

void ParseHistoryCodeTarget(Input input);
void SplitHistoryLineTarget(Input input);
void CleanCommentTarget(Input input);
void ParsePentagramLineTarget(Input input);
void DecodeTextListTarget(Input input);
void TallyCardsTarget(Input input);

struct NamedTarget {
    const char *name;
    Target run;
};

// Named as the corpus folders are.
inline constexpr NamedTarget kTargets[] = {
    {"parse_history_code", ParseHistoryCodeTarget},
    {"split_history_line", SplitHistoryLineTarget},
    {"clean_comment", CleanCommentTarget},
    {"parse_pentagram_line", ParsePentagramLineTarget},
    {"decode_text_list", DecodeTextListTarget},
    {"tally_cards", TallyCardsTarget},
};

} // namespace morvelin::fuzz
