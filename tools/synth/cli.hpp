// The vovuzavo-synth command: "vovuzavo-synth SCORE OUT.wav" renders a score to a
// WAV file, or to standard output when OUT is "-". Nothing is written unless the
// whole score reads well; errors go to `err` as "file:line:column: message".
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vov::synth {

// Returns the exit status: 0 when rendered, 1 on an error, 2 on a wrong command line.
int run_synth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vov::synth
