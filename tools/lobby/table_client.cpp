#include "tools/lobby/table_client.h"

#include "tools/common/shipped_files.h"

namespace tlj::lobby_tool {
namespace {

// The client runs in a folder of its own, which gets the files the program ships with: without
// its phrase file the phrase window would be empty, and without the sound folders beside it
// (linked, as the client looks for them there) the table would be silent.
void CopyShippedFiles(const std::filesystem::path& program, const std::filesystem::path& folder) {
  std::error_code ec;
  if (const auto phrases = tools::ShippedFile(program.parent_path(), "chat.txt");
      !phrases.empty()) {
    std::filesystem::copy_file(phrases, folder / "chat.txt",
                               std::filesystem::copy_options::overwrite_existing, ec);
  }
  const auto sounds = tools::ShippedSounds(program.parent_path());
  const std::filesystem::path beside = folder.parent_path() / "common";
  if (!sounds.empty() && !std::filesystem::exists(beside, ec))
    std::filesystem::create_directory_symlink(std::filesystem::absolute(sounds, ec), beside, ec);
}

}  // namespace

TableClient::TableClient(platform::EventLoop& loop, posix::PollBackend& poll,
                         const std::string& program, const SeatCommandLine& line,
                         const PrivateFolders& folders, bool headless, LineHandler on_stderr_line) {
  CopyShippedFiles(program, folders.Program());
  posix::ChildProcess::Options options;
  if (headless) options.args.push_back("--headless");
  options.args.push_back(line.Text());
  options.env = {{"TLJ_RUNTIME_DIR", folders.Windows().string()},
                 {"TLJ_APP_DIR", folders.Program().string()}};
  options.on_stderr_line = std::move(on_stderr_line);
  process_ = std::make_unique<posix::ChildProcess>(loop, poll, program, std::move(options));
}

void TableClient::RequestDump(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
  process_->WriteLine("dump " + file.string());
}

}  // namespace tlj::lobby_tool
