#pragma once
// The animated GIF control. It plays a GIF in one element of the tree: it walks the file
// itself, decodes every frame with the frame's own palette and transparent index, composes the
// frames on a canvas, times them with its own timer on the event loop, and stretches and
// mirrors the picture. What it paints goes to the element's `image`; with Stretch 1, 3 or 4 it
// also sizes the element to the picture.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "core/platform/download.h"
#include "core/platform/element_tree.h"
#include "core/platform/event_loop.h"
#include "core/view/anigif/canvas.h"
#include "core/view/anigif/gif_file.h"
#include "core/view/anigif/stretch.h"

namespace tlj::view::anigif {

// What Action takes.
inline constexpr int kActionStop = 0;
inline constexpr int kActionPlay = 1;
inline constexpr int kActionPause = 2;
inline constexpr int kActionStep = 3;
inline constexpr int kActionRestart = 4;
// What Action gives back: the play state.
inline constexpr int kStopped = 0;
inline constexpr int kPlaying = 1;
inline constexpr int kPaused = 2;

// How long the rest of the frames wait after the first when DelayAnimation has bit 0 set.
inline constexpr platform::TimeMs kDeferredStartMs = 20;
// Files are read whole; a GIF larger than this is refused.
inline constexpr std::uintmax_t kMaxGifFileBytes = std::uintmax_t{64} << 20;

class Control {
 public:
  // Paints into `element` and keeps its timer on `loop`; both outlive the control. Remote
  // loading goes through `downloader` when there is one.
  Control(platform::EventLoop& loop, platform::Element& element,
          platform::Downloader* downloader = nullptr);
  ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Each load first lets go of the animation before it. A load that fails leaves the control
  // empty and the element's picture as it was; LastError says why.
  bool LoadAnimatedGIF_File(const std::filesystem::path& path);
  bool LoadAnimatedGIF_Array(std::span<const std::uint8_t> bytes);
  // The outcome arrives later through RemoteLoadComplete or RemoteLoadFailure.
  void LoadAnimatedGIF_Remote(std::string_view address);
  void Refresh();

  // The current picture as a one-image GIF; empty when nothing is shown.
  std::vector<std::uint8_t> AnimatedGIF() const;

  bool Enabled() const { return element_.enabled; }
  void SetEnabled(bool enabled) { element_.enabled = enabled; }
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  // The canvas size, in the element's units (pixels); 0 when nothing is loaded.
  int ActualWidth() const { return frames_.empty() ? 0 : canvas_.width; }
  int ActualHeight() const { return frames_.empty() ? 0 : canvas_.height; }
  int Stretch() const { return stretch_; }
  void SetStretch(int mode);  // 0..4; other values are ignored
  int MinFrameDelay() const { return min_frame_delay_; }
  void SetMinFrameDelay(int ms);  // kept within 10..32700
  int Loops() const { return loops_; }
  void SetLoops(int loops);  // 0 plays without end; a negative count counts as positive
  int LoopsRemaining() const;
  int Mirrored() const { return mirrored_; }
  void SetMirrored(int bits);  // bit 0 left-right, bit 1 top-bottom; other values are ignored
  int Action() const { return play_state_; }
  void SetAction(int action);
  int DelayAnimation() const { return delay_animation_; }
  void SetDelayAnimation(int mode);  // 0..3; other values are ignored
  int CurrentFrame() const { return current_; }
  // Hiding the control pauses it; showing it plays it.
  void SetVisible(bool visible);
  const LoadError& LastError() const { return error_; }

  // Events. A handler may use the control, but must not destroy it.
  std::function<void()> LoopsEnded;
  // Raised when a downloaded file starts like a GIF; setting `cancel` keeps it from loading.
  std::function<void(bool& cancel, int width, int height)> RemoteLoadComplete;
  std::function<void()> RemoteLoadFailure;
  // Raised each time the last frame has been painted.
  std::function<void(int frame)> reportOver;

 private:
  bool Load(std::span<const std::uint8_t> bytes);
  void Unload();
  void StartAfterLoad();
  void Paint();
  void FitElement();
  Size Client() const;
  platform::TimeMs CurrentDelay() const;

  void Play();
  void Stop();
  void Pause();
  void Step();
  void Restart();
  void Halt();
  void Arm(platform::TimeMs ms);
  void OnTimer();

  void OnDownloaded(platform::DownloadResult result);
  void CancelDownload();

  platform::Element& element_;
  platform::Downloader* downloader_;
  platform::Timer timer_;

  std::vector<Frame> frames_;
  Canvas canvas_;
  int current_ = 0;
  int loops_done_ = 0;
  int play_state_ = kStopped;
  bool start_pending_ = false;  // the deferred start of DelayAnimation bit 0 is armed

  int stretch_ = 1;
  int min_frame_delay_ = 50;
  int loops_ = 0;
  int mirrored_ = 0;
  int delay_animation_ = 1;

  ScaleWork scale_work_;
  // The picture on show and a spare one, reused while nobody else holds it.
  std::shared_ptr<platform::Image> shown_;
  std::shared_ptr<platform::Image> spare_;

  LoadError error_;
  int download_ = 0;
};

}  // namespace tlj::view::anigif
