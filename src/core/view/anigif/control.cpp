#include "core/view/anigif/control.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <utility>

#include "core/view/anigif/frame_decoder.h"
#include "core/view/anigif/frame_encoder.h"

namespace tlj::view::anigif {
namespace {

constexpr const char* kRemoteRequest = "remoteGIF";
// The largest element side taken at face value; anything larger is drawn at the cap anyway.
constexpr double kLargestClientSide = 1 << 20;

// Calls a copy, so that a handler that replaces the event does not destroy what is running.
template <typename Event, typename... Args>
void Raise(const Event& event, Args&&... args) {
  if (!event) return;
  Event handler = event;
  handler(std::forward<Args>(args)...);
}

int ClientSide(double side) {
  return static_cast<int>(std::lround(std::clamp(side, 0.0, kLargestClientSide)));
}

}  // namespace

Control::Control(platform::EventLoop& loop, platform::Element& element,
                 platform::Downloader* downloader)
    : element_(element), downloader_(downloader), timer_(loop, [this] { OnTimer(); }) {}

Control::~Control() {
  CancelDownload();
}

// ---- Loading

bool Control::LoadAnimatedGIF_File(const std::filesystem::path& path) {
  CancelDownload();
  std::error_code failed;
  const auto size = std::filesystem::file_size(path, failed);
  if (failed || size > kMaxGifFileBytes) {
    error_ = {path.string(), failed ? "File not found" : "File too large"};
    return false;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  std::ifstream file(path, std::ios::binary);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file || file.gcount() != static_cast<std::streamsize>(bytes.size())) {
    error_ = {path.string(), "File not readable"};
    return false;
  }
  return Load(bytes);
}

bool Control::LoadAnimatedGIF_Array(std::span<const std::uint8_t> bytes) {
  CancelDownload();
  return Load(bytes);
}

void Control::LoadAnimatedGIF_Remote(std::string_view address) {
  CancelDownload();
  if (downloader_ == nullptr) {
    error_ = {kRemoteRequest, "No downloads on this platform"};
    Raise(RemoteLoadFailure);
    return;
  }
  const platform::DownloadStart started =
      downloader_->Start(address, [this](platform::DownloadResult result) {
        download_ = 0;
        OnDownloaded(std::move(result));
      });
  if (started.id == 0) {
    error_ = {kRemoteRequest, started.error};
    Raise(RemoteLoadFailure);
    return;
  }
  download_ = started.id;
}

void Control::OnDownloaded(platform::DownloadResult result) {
  if (!result.ok) {
    error_ = {kRemoteRequest, result.error};
    Raise(RemoteLoadFailure);
    return;
  }
  const auto& bytes = result.bytes;
  if (bytes.size() < 15 || !HasGifSignature(bytes)) {
    error_ = {kRemoteRequest, "Not a GIF file"};
    Raise(RemoteLoadFailure);
    return;
  }
  bool cancel = false;
  Raise(RemoteLoadComplete, cancel, bytes[6] | (bytes[7] << 8), bytes[8] | (bytes[9] << 8));
  if (cancel) return;
  if (!Load(bytes)) Raise(RemoteLoadFailure);
}

void Control::CancelDownload() {
  if (download_ != 0 && downloader_ != nullptr) downloader_->Cancel(download_);
  download_ = 0;
}

bool Control::Load(std::span<const std::uint8_t> bytes) {
  Unload();
  ParsedGif gif;
  if (!ParseGif(bytes, gif, error_)) return false;
  if (gif.frames.empty()) {
    error_ = {kReadGifFile, "No frames"};
    return false;
  }
  std::vector<Frame> frames;
  frames.reserve(gif.frames.size());
  std::vector<std::uint8_t> scratch;
  for (const FrameInfo& info : gif.frames) {
    std::vector<std::uint8_t> indexes;
    if (!DecodeFrame(bytes, info, scratch, indexes)) {
      error_ = {kReadGifFile, "Bad image data"};
      return false;
    }
    frames.push_back(MakeFrame(info, std::move(indexes)));
  }
  error_ = {};
  frames_ = std::move(frames);
  if (gif.loops) loops_ = *gif.loops;
  ResetCanvas(canvas_, gif.width, gif.height, NeedsMask(frames_, gif.width, gif.height));
  MirrorAll(frames_, canvas_, mirrored_);
  FitElement();
  current_ = 1;
  Paint();
  StartAfterLoad();
  return true;
}

void Control::Unload() {
  Halt();
  frames_.clear();
  canvas_ = Canvas{};
  current_ = 0;
  loops_done_ = 0;
  play_state_ = kStopped;
}

// Every frame is decoded during the load, so a damaged frame fails the load at once; bit 0 of
// DelayAnimation keeps its visible effect, the start 20 ms after the first frame.
void Control::StartAfterLoad() {
  if ((delay_animation_ & 2) != 0 || frames_.size() < 2) return;
  if ((delay_animation_ & 1) != 0) {
    start_pending_ = true;
    Arm(kDeferredStartMs);
    return;
  }
  Play();
}

// ---- Drawing

void Control::Refresh() {
  Paint();
}

void Control::Paint() {
  element_.Changed();  // the control keeps its element across timer ticks
  if (current_ == 0 || frames_.empty()) {
    element_.image = nullptr;
    return;
  }
  const Frame& frame = frames_[static_cast<std::size_t>(current_ - 1)];
  DrawFrame(canvas_, frame);
  const Size drawn = DrawnSize(stretch_, {canvas_.width, canvas_.height}, Client());
  if (drawn.width > 0 && drawn.height > 0) {
    if (!spare_ || spare_.use_count() != 1) spare_ = std::make_shared<platform::Image>();
    RenderCanvas(canvas_, stretch_, drawn, scale_work_, *spare_);
    std::swap(shown_, spare_);
    element_.image = shown_;
    element_.stretch = false;
  } else {
    element_.image = nullptr;
  }
  DisposeFrame(canvas_, frame);
  if (current_ == FrameCount()) Raise(reportOver, current_);
}

Size Control::Client() const {
  return {ClientSide(element_.width), ClientSide(element_.height)};
}

// Modes 1, 3 and 4 size the element to the picture; 0 clips to the element and 2 fills it.
void Control::FitElement() {
  if (frames_.empty() || stretch_ == 0 || stretch_ == 2) return;
  const Size drawn = DrawnSize(stretch_, {canvas_.width, canvas_.height}, Client());
  element_.width = drawn.width;
  element_.height = drawn.height;
  element_.Changed();
}

std::vector<std::uint8_t> Control::AnimatedGIF() const {
  if (current_ == 0 || !shown_ || element_.image != shown_) return {};
  return EncodeGif(*shown_);
}

// ---- Properties

void Control::SetStretch(int mode) {
  if (mode < 0 || mode > 4 || mode == stretch_) return;
  stretch_ = mode;
  FitElement();
  Paint();
}

void Control::SetMinFrameDelay(int ms) {
  min_frame_delay_ = std::clamp(ms, 10, 32700);
}

void Control::SetLoops(int loops) {
  loops_ = loops == INT_MIN ? INT_MAX : std::abs(loops);
}

int Control::LoopsRemaining() const {
  if (frames_.empty()) return -1;
  return loops_ == 0 ? 0 : loops_ - loops_done_;
}

void Control::SetMirrored(int bits) {
  if (bits < 0 || bits > 3 || bits == mirrored_) return;
  const int changed = bits ^ mirrored_;
  mirrored_ = bits;
  if (frames_.empty()) return;
  MirrorAll(frames_, canvas_, changed);
  Paint();
}

void Control::SetDelayAnimation(int mode) {
  if (mode < 0 || mode > 3) return;
  delay_animation_ = mode;
}

void Control::SetVisible(bool visible) {
  element_.visible = visible;
  element_.Changed();
  SetAction(visible ? kActionPlay : kActionPause);
}

// ---- Playing

void Control::SetAction(int action) {
  if (frames_.empty()) return;
  switch (action) {
    case kActionStop:
      Stop();
      break;
    case kActionPlay:
      Play();
      break;
    case kActionPause:
      Pause();
      break;
    case kActionStep:
      Step();
      break;
    case kActionRestart:
      Restart();
      break;
    default:
      break;
  }
}

void Control::Play() {
  if (play_state_ == kPlaying || frames_.size() < 2) return;
  start_pending_ = false;
  play_state_ = kPlaying;
  Arm(CurrentDelay());
}

void Control::Stop() {
  Halt();
  play_state_ = kStopped;
  loops_done_ = 0;
  current_ = 0;
  Paint();
}

// A start still waiting after the load counts as playing, so that hiding the control at once
// keeps it from starting unseen.
void Control::Pause() {
  if (play_state_ != kPlaying && !start_pending_) return;
  Halt();
  play_state_ = kPaused;
}

void Control::Step() {
  Halt();
  current_ = current_ % FrameCount() + 1;
  play_state_ = kPaused;
  Paint();
}

void Control::Restart() {
  Halt();
  play_state_ = kStopped;
  loops_done_ = 0;
  current_ = 1;
  Paint();
  Play();
}

void Control::Halt() {
  timer_.SetEnabled(false);
  start_pending_ = false;
}

void Control::Arm(platform::TimeMs ms) {
  timer_.SetInterval(ms);
  timer_.SetEnabled(true);
}

platform::TimeMs Control::CurrentDelay() const {
  if (current_ == 0) return min_frame_delay_;
  return std::max(frames_[static_cast<std::size_t>(current_ - 1)].delay_ms, min_frame_delay_);
}

void Control::OnTimer() {
  timer_.SetEnabled(false);
  if (start_pending_) {
    Play();
    return;
  }
  bool wrapped = false;
  if (++current_ > FrameCount()) {
    current_ = 1;
    wrapped = true;
  }
  bool loops_ran_out = false;
  if (wrapped && loops_ != 0 && ++loops_done_ >= loops_) {
    play_state_ = kStopped;
    loops_done_ = 0;
    current_ = 0;
    loops_ran_out = true;
  }
  Paint();
  if (play_state_ == kPlaying && !timer_.Enabled()) Arm(CurrentDelay());
  if (loops_ran_out) Raise(LoopsEnded);
}

}  // namespace tlj::view::anigif
