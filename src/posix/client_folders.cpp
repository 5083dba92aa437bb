#include "posix/client_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "core/chat/phrases.h"
#include "core/settings/local_files.h"
#include "posix/program_shell.h"

namespace tlj::posix {
namespace {

namespace fs = std::filesystem;

// The files a build may ship that the client reads from its local folder. A build that ships no
// settings file leaves the client to its built-in settings.
constexpr const char* kShippedDefaults[] = {chat::kPhraseFile, settings::kVideoSettingsFile};

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// The user's data folder for the program, or empty (with the reason in `why`) when the
// environment names none. Relative values are ignored, as the base directory rules say.
fs::path UserDataFolder(const FolderSituation& situation, std::string& why) {
  if (fs::path(situation.xdg_data_home).is_absolute())
    return fs::path(situation.xdg_data_home) / kDataFolderName;
  if (fs::path(situation.home).is_absolute())
    return fs::path(situation.home) / ".local" / "share" / kDataFolderName;
  why = "neither XDG_DATA_HOME nor HOME names a folder";
  return {};
}

// Creates each missing folder down to `folder` with mode 0700: the user's files are nobody
// else's business. Answers the error, or 0.
int MakeFolders(const fs::path& folder) {
  fs::path partial;
  for (const fs::path& part : folder) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) == 0 || errno == EEXIST) continue;
    return errno;
  }
  std::error_code ec;
  return fs::is_directory(folder, ec) ? 0 : ENOTDIR;
}

void CopyMissingDefaults(const fs::path& shipped, const fs::path& local, std::ostream& errors) {
  for (const char* name : kShippedDefaults) {
    const fs::path from = shipped / name;
    const fs::path to = local / name;
    std::error_code ec;
    if (!fs::is_regular_file(from, ec) || Exists(to)) continue;
    // Without overwrite: a copy the user made meanwhile stays.
    if (!fs::copy_file(from, to, fs::copy_options::none, ec) && ec && !Exists(to)) {
      errors << "tlj: cannot copy " << from.string() << " to " << to.string() << ": "
             << ec.message() << "\n";
    }
  }
}

}  // namespace

FolderSituation SituationFromEnvironment() {
  FolderSituation situation;
  situation.app_dir = Variable("TLJ_APP_DIR");
  situation.program = ProgramFolder();
  if (situation.program.empty()) {
    std::error_code ec;
    situation.program = fs::current_path(ec);
  }
  situation.program_writable = ::access(situation.program.c_str(), W_OK) == 0;
  situation.xdg_data_home = Variable("XDG_DATA_HOME");
  situation.home = Variable("HOME");
  return situation;
}

fs::path InstalledDataFolder(const fs::path& program) {
  // The program folder may end with a slash, which leaves its last name empty.
  const fs::path bin = program.has_filename() ? program : program.parent_path();
  if (bin.filename() != "bin") return {};
  const fs::path prefix = bin.parent_path();
  const fs::path data = prefix / "share" / kDataFolderName;
  std::error_code ec;
  if (!fs::is_directory(data, ec) || Exists(prefix / "common")) return {};
  return data.lexically_normal();
}

ClientFolders PrepareClientFolders(const FolderSituation& situation, std::ostream& errors) {
  if (!situation.app_dir.empty()) return {.local = situation.app_dir, .sounds = {}};
  // A root's process may write anywhere, so the layout, not the permission, says "installed".
  const fs::path installed = InstalledDataFolder(situation.program);
  if (installed.empty() && situation.program_writable)
    return {.local = situation.program, .sounds = {}};

  const fs::path sounds =
      installed.empty() ? situation.program / ".." / "common" : installed / "common";
  // Without a data folder of its own the client still reads what was shipped.
  const fs::path shipped = installed.empty() ? situation.program : installed;
  const ClientFolders fallback{.local = shipped, .sounds = sounds};
  std::string why;
  const fs::path data = UserDataFolder(situation, why);
  if (data.empty()) {
    errors << "tlj: " << why << "; the local files are read from " << shipped.string() << "\n";
    return fallback;
  }
  if (const int error = MakeFolders(data); error != 0) {
    errors << "tlj: cannot create " << data.string() << ": " << std::strerror(error)
           << "; the local files are read from " << shipped.string() << "\n";
    return fallback;
  }
  CopyMissingDefaults(shipped, data, errors);
  return {.local = data, .sounds = sounds};
}

}  // namespace tlj::posix
