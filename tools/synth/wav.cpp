#include "wav.hpp"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "score.hpp"

namespace vov::synth {

namespace {

void put16(std::ostream& out, std::uint32_t value) {
    out.put(static_cast<char>(value & 0xFF)).put(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::ostream& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

void write_wav(std::ostream& out, const std::vector<std::int16_t>& samples) {
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto data = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    out.write("RIFF", 4);
    put32(out, 36 + data);
    out.write("WAVEfmt ", 8);
    put32(out, 16);  // the format chunk's size
    put16(out, 1);   // PCM
    put16(out, 1);   // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * kBytesPerSample);
    put16(out, kBytesPerSample);
    put16(out, 16);
    out.write("data", 4);
    put32(out, data);
    std::string bytes(data, '\0');  // little-endian, written in one go
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto sample = static_cast<std::uint16_t>(samples[i]);
        bytes[2 * i] = static_cast<char>(sample & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(sample >> 8);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void save_wav(const std::string& path, const std::vector<std::int16_t>& samples) {
    const std::string part = path + ".part";
    bool written = false;
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (out) {
            write_wav(out, samples);
            out.close();
            written = !out.fail();
        }
    }
    std::error_code error;
    if (written) std::filesystem::rename(part, path, error);
    if (!written || error) {
        std::filesystem::remove(part, error);
        throw std::runtime_error(path + ": cannot write the WAV file");
    }
}

}  // namespace vov::synth
