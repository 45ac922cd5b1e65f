// Where the program keeps its files. An installed copy lives in a folder that users cannot
// write to (Program Files), and so does the Windows directory where a bare "ORV.INI" lands;
// the settings and every file the user changes go to the user's own folder instead, seeded
// from the installed defaults. File names and formats stay the same everywhere.
#pragma once
#include <string>
#include <vector>

namespace tw {

// The few file operations the rules need; the program passes Win32 ones, tests a fake.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(const std::string& path) const = 0;
  // True when the folder exists afterwards.
  virtual bool MakeFolder(const std::string& path) = 0;
  // Copies without overwriting; false when nothing was copied.
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
};

constexpr char kSettingsFileName[] = "ORV.INI";
constexpr char kUserFolderName[] = "Tidewell";

// The data files the program rewrites, which therefore belong to the user (their backups
// are written beside them).
const std::vector<std::string>& UserDataFiles();

struct SettingsLocation {
  std::string file;      // full name, or the bare name (Windows directory) when no user folder
  std::string takenFrom; // the older settings file copied to `file` on this start, or empty
};

// `userFolder`: the user's application data folder for the program, ending in "\" (empty when
// the system gives none). `oldFiles`: where earlier versions' settings may lie, the first that
// exists wins (the virtualized copy shadows the real one, so it comes first). An older file
// is taken over only while the user folder holds no settings file, so it happens once.
SettingsLocation ChooseSettingsFile(const std::string& userFolder, const std::vector<std::string>& oldFiles,
                                    FileSystem& fs);

struct DataFolders {
  std::string program;  // Moon.dat, the font, pictures, tips, help: read only
  std::string user;     // UserDataFiles(): read and rewritten
  bool seeded = false;  // at least one default was copied to `user` on this start
};

// `path`: the Path setting, empty or ending in "\". `programFolder`: the folder of the
// program, ending in "\". A Path setting keeps everything in that folder, and so does a
// portable copy whose data is the current directory ("" for both); only an installed copy,
// recognised by the moon data beside the program, splits read-only defaults from the
// user's files, copying each default the user folder still lacks.
DataFolders ChooseDataFolders(const std::string& path, const std::string& programFolder,
                              const std::string& userFolder, FileSystem& fs);

}  // namespace tw
