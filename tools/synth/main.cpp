// Renders one score of the game's music to a WAV file.
#include <iostream>

#include "cli.hpp"

int main(int argc, char** argv) {
    return vov::synth::run_synth({argv + 1, argv + argc}, std::cout, std::cerr);
}
