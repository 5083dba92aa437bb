#pragma once
// Runs the client on a virtual clock with an in-memory network, lobby, sound device, message
// boxes and shell (no downloader), so a test or a benchmark can feed server frames, advance time
// and look at what came out.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/net/frame.h"
#include "core/platform/element_tree.h"
#include "core/platform/services.h"
#include "core/table/installed_services.h"
#include "sim/recording_message_boxes.h"
#include "sim/recording_shell.h"
#include "sim/recording_sound_device.h"
#include "sim/sim_lobby.h"
#include "sim/sim_network.h"
#include "sim/temp_dir.h"
#include "sim/virtual_clock.h"

namespace tlj::sim {

// A frame as the server would send it.
net::Frame MakeFrame(std::uint8_t type, std::uint8_t seat = 0, std::uint8_t status = 0);

inline constexpr const char* kServerHost = "10.0.0.7";
inline constexpr int kServerPort = 5000;
inline constexpr const char* kLobbyTitle = "星湖山庄";
// A direct connection to kServerHost:kServerPort for account "abc" with password "xyz".
std::string DirectCommandLine(const std::string& location = "房间一");

class ClientHarness {
 public:
  ClientHarness();
  ClientHarness(const ClientHarness&) = delete;
  ClientHarness& operator=(const ClientHarness&) = delete;

  // Runs start-up; a process end is caught and kept in exit_code.
  void Start(const std::string& command_line);
  // Lets `ms` milliseconds of virtual time pass, handling events.
  void RunFor(platform::TimeMs ms);
  bool Ended() const { return exit_code.has_value(); }
  platform::TimeMs Now() const { return clock.Now(); }

  // The game server's side: accepts connections at kServerHost:kServerPort.
  void Listen();
  void StopListening();
  bool ServerConnected() const;
  void ServerSend(const net::Frame& frame);
  void ServerSendBytes(const std::vector<std::uint8_t>& bytes);
  void ServerClose();
  // The bytes the server received on its current connection, and those cut into frames.
  const std::vector<std::uint8_t>& ServerReceived() const { return received_; }
  std::vector<net::Frame> FramesFromClient() const;
  // Logs in: the login reply with status 1 and the given turn length.
  void AcceptLogin(std::uint8_t turn_seconds = 15);
  // Listens, starts the client with a direct command line and logs it in.
  void StartAtTable();

  // Runs `action` as an event of the loop (as input from the window system would be).
  void Post(std::function<void()> action);

  platform::Element& El(const std::string& name, std::optional<int> index = {});
  std::vector<std::string> SysmsgLines(int line);
  std::vector<int> LobbyMessages() const { return lobby.MessageNumbers(kLobbyTitle); }

  VirtualClock clock{1'000'000};
  platform::EventLoop loop{clock};
  platform::ElementTree tree;
  SimNetwork network{loop};
  SimSocket socket{network};
  SimLobby lobby{loop};
  RecordingSoundDevice sound;
  RecordingMessageBoxes boxes;
  RecordingShell shell;
  TempDir app_dir;
  // The wall-clock time of day the client reads; fixed, so texts that show it repeat.
  platform::TimeOfDay time_of_day{9, 5, 30};
  std::optional<int> exit_code;
  int connections = 0;

 private:
  void Guard(const std::function<void()>& body);

  std::shared_ptr<SimEnd> server_end_;
  std::vector<std::uint8_t> received_;
  // Last, so that the client lets go of the services before any of them goes.
  table::InstalledServices installed_;
};

}  // namespace tlj::sim
