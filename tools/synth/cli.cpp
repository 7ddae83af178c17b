#include "cli.hpp"

#include <stdexcept>

#include "render.hpp"
#include "score.hpp"
#include "wav.hpp"

namespace vov::synth {

int run_synth(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: vovuzavo-synth SCORE OUT.wav   (OUT \"-\": standard output)\n";
        return 2;
    }
    try {
        const auto samples = render(read_score(args[0]));
        if (args[1] != "-") {
            save_wav(args[1], samples);
        } else {
            write_wav(out, samples);
            if (!out.flush()) throw std::runtime_error("cannot write the WAV to standard output");
        }
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

}  // namespace vov::synth
