#pragma once
// Where the client keeps its local files and finds its sounds. In a build (and wherever
// TLJ_APP_DIR names a folder) the local files live in the program folder and the sounds in
// ../common beside it. Installed, the program folder belongs to the system: the local files
// live in the user's data folder ($XDG_DATA_HOME/tlj, else ~/.local/share/tlj), which gets a
// copy of the shipped defaults on first use, and the sounds come from the installed data
// (share/tlj/common beside bin/).

#include <filesystem>
#include <ostream>
#include <string>

namespace tlj::posix {

inline constexpr const char* kDataFolderName = "tlj";

// What the choice depends on: read from the environment and the file system by
// SituationFromEnvironment, given by hand in tests.
struct FolderSituation {
  std::string app_dir;            // TLJ_APP_DIR; empty when unset
  std::filesystem::path program;  // the folder of the running program
  bool program_writable = true;   // whether this process may write there
  std::string xdg_data_home;      // XDG_DATA_HOME; empty when unset
  std::string home;               // HOME; empty when unset
};

FolderSituation SituationFromEnvironment();

struct ClientFolders {
  std::filesystem::path local;  // the local files: settings, phrases, game records, cursor
  // The root of the sound folders; empty: ../common beside `local`, as the core assumes.
  std::filesystem::path sounds;
};

// The installed data beside a program in PREFIX/bin: PREFIX/share/tlj, when it is there and no
// ../common says that this is a build. Empty otherwise.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& program);

// Chooses the folders. For the user's data folder it also makes the folder ready: creates it
// (0700) where it is missing and copies the shipped defaults it lacks, never over the user's
// own. What goes wrong is written to `errors`, one line each, and the local files then stay in
// the program folder: the client runs on with what it can read there.
ClientFolders PrepareClientFolders(const FolderSituation& situation, std::ostream& errors);

}  // namespace tlj::posix
