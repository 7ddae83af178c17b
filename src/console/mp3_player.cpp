#include "console/mp3_player.hpp"

#include <mpg123.h>
#include <out123.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "console/regular_file.hpp"
#include "console/track_search.hpp"

// Why "pulse,alsa" and nothing else, measured on a machine without sound:
//  - PulseAudio (and PipeWire's PulseAudio server) is the sound of nearly every
//    desktop, and ALSA covers the rest (PipeWire's ALSA plugin included). Where
//    they have no device, both refuse to open at once (7 ms and 2 ms).
//  - OpenAL opens even without a device, and its drain or drop right after the
//    start then spins at full CPU for good.
//  - NAS retries its network server for 5 s at open, and libout123's own list
//    reaches it, then OpenAL, on such a machine: the game froze at the first
//    change of track. JACK looks for, and may start, a server of its own and
//    prints on stderr; PortAudio opens and then refuses to start; OSS devices are
//    gone from current kernels.
// Whatever a module does, a call waits for it at most kStopWait (see stop()).

namespace vov {

namespace {

using Milliseconds = std::chrono::milliseconds;

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

const char* or_null(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

// What a track's thread shares with the player: the request to stop, and the news
// that the thread has let go of its decoder, its output and its file.
struct Mp3Player::Track {
    std::atomic<bool> stop_requested{false};
    std::mutex mutex;
    std::condition_variable ended_signal;
    bool ended = false;

    void end() {
        {
            std::lock_guard lock(mutex);
            ended = true;
        }
        ended_signal.notify_all();
    }
    bool wait_end(Milliseconds limit) {
        std::unique_lock lock(mutex);
        return ended_signal.wait_for(lock, limit, [this] { return ended; });
    }
    bool has_ended() {
        std::lock_guard lock(mutex);
        return ended;
    }
};

namespace {

using Track = Mp3Player::Track;
using TrackList = std::vector<std::shared_ptr<Track>>;

// Sets the decoder to the format of its file and opens the output for it; false
// when either cannot be had.
bool open_output(out123_handle* output, mpg123_handle* decoder, const std::string& modules,
                 const std::string& device) {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(decoder, &rate, &channels, &encoding) != MPG123_OK) return false;
    mpg123_format_none(decoder);
    mpg123_format(decoder, rate, channels, encoding);
    out123_param2(output, OUT123_FLAGS, OUT123_QUIET, 0.0, nullptr);
    return out123_open(output, or_null(modules), or_null(device)) == OUT123_OK &&
           out123_start(output, rate, channels, encoding) == OUT123_OK;
}

// Decodes the file in small pieces so that a stop request is heard at once.
void play_file(Track& track, int fd, const std::string& modules, const std::string& device) {
    int error = MPG123_OK;
    Decoder decoder(mpg123_new(nullptr, &error));
    if (!decoder) return;
    mpg123_param2(decoder.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    if (mpg123_open_fd(decoder.get(), fd) != MPG123_OK) return;
    Output output(out123_new());
    if (!output || !open_output(output.get(), decoder.get(), modules, device)) return;

    std::vector<unsigned char> buffer(4096);
    while (!track.stop_requested) {
        std::size_t done = 0;
        const int status = mpg123_read(decoder.get(), buffer.data(), buffer.size(), &done);
        if (done > 0) out123_play(output.get(), buffer.data(), done);
        if (status != MPG123_OK && status != MPG123_NEW_FORMAT) break;  // the end, or damage
    }
    if (track.stop_requested) {
        out123_drop(output.get());
    } else {
        out123_drain(output.get());
    }
    out123_stop(output.get());
    out123_close(output.get());
}

// Two tracks never share the sound device: a track waits for the ones before it
// to let go of theirs, unless it is stopped first.
bool wait_for(Track& track, const TrackList& before) {
    for (const auto& earlier : before) {
        while (!earlier->wait_end(Milliseconds(20))) {
            if (track.stop_requested) return false;
        }
    }
    return !track.stop_requested;
}

void run_track(std::shared_ptr<Track> track, int fd, TrackList before, std::string modules,
               std::string device) {
    if (wait_for(*track, before)) play_file(*track, fd, modules, device);
    before.clear();
    ::close(fd);
    track->end();
}

// Starts the thread of a track with every signal blocked in it, so that a signal
// always interrupts the game's own thread.
bool start_thread(const std::shared_ptr<Track>& track, int fd, const TrackList& before,
                  const std::string& modules, const std::string& device) {
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    bool started = true;
    try {
        std::thread(run_track, track, fd, before, modules, device).detach();
    } catch (const std::system_error&) {
        started = false;
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return started;
}

}  // namespace

Mp3Player::Mp3Player(std::string modules, std::string device)
    : modules_(std::move(modules)), device_(std::move(device)) {
#if MPG123_API_VERSION < 46
    mpg123_init();
#endif
}

Mp3Player::~Mp3Player() {
    stop();
}

void Mp3Player::stop() {
    const auto deadline = std::chrono::steady_clock::now() + kStopWait;
    TrackList asked_now;
    for (const auto& track : tracks_) {
        if (!track->stop_requested.exchange(true)) asked_now.push_back(track);
    }
    // A track asked before has had its wait already: it is not waited for again.
    for (const auto& track : asked_now) {
        const auto left =
            std::chrono::duration_cast<Milliseconds>(deadline - std::chrono::steady_clock::now());
        track->wait_end(std::max(left, Milliseconds(0)));
    }
    std::erase_if(tracks_, [](const auto& track) { return track->has_ended(); });
}

bool Mp3Player::stuck() const {
    return std::any_of(tracks_.begin(), tracks_.end(),
                       [](const auto& track) { return !track->has_ended(); });
}

void Mp3Player::play(const std::string& name) {
    stop();
    if (name == kStopMusic) return;
    // A track found nowhere, or that is not a regular file when it is opened,
    // means silence; no thread is started for it.
    const std::optional<std::string> path = find_track(name);
    const int fd = path ? open_regular_file(*path) : -1;
    if (fd < 0) return;
    auto track = std::make_shared<Track>();
    if (start_thread(track, fd, tracks_, modules_, device_)) {
        tracks_.push_back(std::move(track));
    } else {
        ::close(fd);
    }
}

}  // namespace vov
