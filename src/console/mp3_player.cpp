#include "console/mp3_player.hpp"

#include <mpg123.h>
#include <out123.h>

#include <memory>
#include <optional>
#include <vector>

#include "console/track_search.hpp"

namespace vov {

namespace {

struct DecoderCloser {
    void operator()(mpg123_handle* handle) const {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};
struct OutputCloser {
    void operator()(out123_handle* handle) const { out123_del(handle); }
};
using Decoder = std::unique_ptr<mpg123_handle, DecoderCloser>;
using Output = std::unique_ptr<out123_handle, OutputCloser>;

const char* or_null(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

Mp3Player::Mp3Player(std::string driver, std::string device)
    : driver_(std::move(driver)), device_(std::move(device)) {
#if MPG123_API_VERSION < 46
    mpg123_init();
#endif
}

Mp3Player::~Mp3Player() { stop(); }

void Mp3Player::stop() {
    stop_requested_ = true;
    if (thread_.joinable()) thread_.join();
    stop_requested_ = false;
}

void Mp3Player::play(const std::string& track) {
    stop();
    if (track == kStopMusic) return;
    // A track found nowhere means silence; no thread is started for it.
    if (const std::optional<std::string> path = find_track(track)) {
        thread_ = std::thread(&Mp3Player::run, this, *path);
    }
}

// Decodes the file in small pieces so that a new track or a stop is heard at once.
void Mp3Player::run(const std::string& path) {
    int error = MPG123_OK;
    Decoder decoder(mpg123_new(nullptr, &error));
    if (!decoder) return;
    mpg123_param2(decoder.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    if (mpg123_open(decoder.get(), path.c_str()) != MPG123_OK) return;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(decoder.get(), &rate, &channels, &encoding) != MPG123_OK) return;
    mpg123_format_none(decoder.get());
    mpg123_format(decoder.get(), rate, channels, encoding);

    Output output(out123_new());
    if (!output) return;
    out123_param2(output.get(), OUT123_FLAGS, OUT123_QUIET, 0.0, nullptr);
    if (out123_open(output.get(), or_null(driver_), or_null(device_)) != OUT123_OK) return;
    if (out123_start(output.get(), rate, channels, encoding) != OUT123_OK) return;

    std::vector<unsigned char> buffer(4096);
    while (!stop_requested_) {
        std::size_t done = 0;
        const int status = mpg123_read(decoder.get(), buffer.data(), buffer.size(), &done);
        if (done > 0) out123_play(output.get(), buffer.data(), done);
        if (status == MPG123_DONE) break;
        if (status != MPG123_OK && status != MPG123_NEW_FORMAT) break;
    }
    if (stop_requested_) {
        out123_drop(output.get());
    } else {
        out123_drain(output.get());
    }
    out123_stop(output.get());
    out123_close(output.get());
}

}  // namespace vov
