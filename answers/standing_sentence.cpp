#include "standing_sentence.h"

namespace {

std::string Frames(const std::string& frames) {
  return frames.empty() ? "" : " (" + frames + " frames a shot)";
}

}  // namespace

std::string StandingSentence(const Standing& s) {
  std::string out = "At " + std::to_string(s.at) + " %: " + s.since.bps + " BPS" +
                    Frames(s.since.frames) + " since " + s.since.rea + " %. ";
  if (!s.next) return out + "No further framebreak up to " + std::to_string(s.lastPercent) + " %.";
  return out + "Next framebreak at " + s.next->rea + " % (+" + std::to_string(s.toNext) +
         "): " + s.next->bps + " BPS" + Frames(s.next->frames) + ".";
}

std::string StandingParagraph(const SetupAnswer& answer) {
  const Setup& s = answer.setup;
  if (s.at < 0) return {};
  return '\n' + StandingSentence(StandingAt(s.inputs, answer.rows, s.at)) + '\n';
}
